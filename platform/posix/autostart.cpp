#include "platform/win/autostart.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/posix/inifileio.h"
#include "platform/posix/userconfig.h"
#include "platform/win/profilepath.h"

std::string AutostartEntryPath(const char* xdgConfigHome, const char* home)
{
    const std::string config = UserConfigFolder(xdgConfigHome, home);
    return config.empty() ? config : config + "/autostart/tarvik.desktop";
}

namespace {

// One argument of an Exec line: in double quotes when it holds a character
// the format reserves, with ", `, $ and \ escaped inside them; a % is doubled
// so that it is no field code.
std::string ExecArgument(std::string_view arg)
{
    const bool quoted = arg.find_first_of(" \t\"'\\><~|&;$*?#()`") != std::string_view::npos;
    std::string out = quoted ? "\"" : "";
    for (char c : arg) {
        if (quoted && (c == '"' || c == '`' || c == '$' || c == '\\'))
            out += '\\';
        out += c == '%' ? "%%" : std::string(1, c);
    }
    return quoted ? out + "\"" : out;
}

// A desktop entry's string value: a backslash is written as two.
std::string EntryValue(std::string_view text)
{
    std::string out;
    for (char c : text)
        out += c == '\\' ? "\\\\" : std::string(1, c);
    return out;
}

}  // namespace

std::string AutostartEntry(const std::string& modulePath, bool onTop)
{
    if (modulePath.find_first_of("\r\n") != std::string::npos)
        return {};
    const std::string exec = ExecArgument(modulePath) + (onTop ? " --on-top" : "");
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=tarvik\n"
           "GenericName=Bar clock\n"
           "GenericName[ja]=棒グラフ時計\n"
           "Comment=Shows the local time as bars\n"
           "Comment[ja]=現在の時刻を棒グラフで表示します\n"
           // A desktop skips the entry once the program is gone.
           "TryExec=" + EntryValue(modulePath) + "\n"
           "Exec=" + EntryValue(exec) + "\n"
           "Icon=tarvik\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

AutostartResult SetAutostart(bool on, const std::string& modulePath, bool onTop)
{
    const std::string path = AutostartEntryPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (path.empty())
        return {false, "there is no home folder to keep an autostart entry in"};
    if (!on) {
        if (unlink(path.c_str()) == 0)
            return {true, "no longer starts at login (removed " + path + ")"};
        if (errno == ENOENT)
            return {true, "was not set to start at login (" + path + " is not there)"};
        return {false, "cannot remove " + path + ": " + std::strerror(errno)};
    }
    const std::string entry = AutostartEntry(modulePath, onTop);
    if (entry.empty())
        return {false, "an autostart entry cannot start " + modulePath + " (a line break in its path)"};
    if (!MakeParentFolders(path) || !ini::ReplaceFile(path, entry))
        return {false, "cannot write " + path + ": " + std::strerror(errno)};
    return {true, std::string("starts at login") + (onTop ? ", on top," : "") + " from now on (" + path + ")"};
}
