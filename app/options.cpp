#include "app/options.h"

const char* const kUsage =
    "Usage: tarvik [--on-top] [FILE]\n"
    "       tarvik --snapshot FILE.png\n"
    "       tarvik --autostart on|off [--on-top]\n"
    "A desktop clock that shows the local time as bars.\n"
    "\n"
    "  FILE                 a document to open; the clock keeps no data in it, but it\n"
    "                       must be a file that can be read, and it joins the list of\n"
    "                       recent files in the settings file\n"
    "  --on-top             keep the clock above other windows while it runs\n"
    "  --snapshot FILE.png  draw the face as the settings and window size give it,\n"
    "                       after one clock tick, into a PNG file, and exit\n"
    "  --autostart on|off   start the clock (on top, with --on-top) when you log in,\n"
    "                       or no longer, and exit\n"
    "  -h, --help           show this help and exit\n"
    "  --version            show the version and exit\n"
    "\n"
    "Drag the face to move the clock, its border to resize it; right-click for the menu.\n";

namespace {

// The image formats a file name may ask for by its extension; the clock
// writes PNG only.
const char* const kOtherImageTypes[] = {"bmp", "gif", "ico", "jpe", "jpeg", "jpg", "pbm", "pgm", "ppm",
                                        "svg", "tga", "tif", "tiff", "webp", "xbm", "xpm"};

// Text from the command line as the one line that reports it shows it: a
// control character (a line break, a terminal's escape) as \xNN.
std::string Printable(const std::string& text)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            out += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
        else
            out += c;
    }
    return out;
}

// The extension of the file name, in lower case ("" when it has none).
std::string ExtensionOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string ext = path.substr(dot + 1);
    for (char& c : ext)
        c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return ext;
}

Options SnapshotOf(const std::string& path)
{
    const std::string ext = ExtensionOf(path);
    for (const char* other : kOtherImageTypes)
        if (ext == other)
            return {Options::Wrong, {},
                    "--snapshot writes PNG files only, not ." + Printable(ext) + " (" + Printable(path) + ")"};
    return {Options::Snapshot, path, {}};
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& args)
{
    Options options;
    bool optionsEnded = false;
    bool autostart = false;
    int files = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            return {Options::Help, {}, {}};
        } else if (!optionsEnded && arg == "--version") {
            return {Options::Version, {}, {}};
        } else if (!optionsEnded && arg == "--snapshot") {
            if (args.size() != 2 || i != 0 || args[1].empty())
                return {Options::Wrong, {}, "--snapshot takes one file name and nothing else"};
            return SnapshotOf(args[1]);
        } else if (!optionsEnded && arg == "--on-top") {
            options.onTop = true;
        } else if (!optionsEnded && arg == "--autostart") {
            if (autostart || i + 1 == args.size() || (args[i + 1] != "on" && args[i + 1] != "off"))
                return {Options::Wrong, {}, "--autostart takes on or off"};
            autostart = true;
            options.autostartOn = args[++i] == "on";
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return {Options::Wrong, {}, "unknown option " + Printable(arg)};
        } else if (++files > 1) {
            return {Options::Wrong, {}, "only one FILE can be opened"};
        }
    }
    if (autostart) {
        if (files > 0)
            return {Options::Wrong, {}, "--autostart opens no FILE"};
        if (options.onTop && !options.autostartOn)
            return {Options::Wrong, {}, "--on-top goes with --autostart on, not off"};
        options.action = Options::Autostart;
    }
    return options;
}
