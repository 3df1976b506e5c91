// Fuzz target for the command line: any arguments through ParseOptions, and
// any executable path through the autostart entry, whose Exec line a desktop
// must split back into the very arguments the clock was given.
//
// Input: byte 0 says whether the entry asks for --on-top; the rest is the
// arguments, separated by NUL bytes, the first of them also the path.
#include <cstring>
#include <vector>

#include "app/options.h"
#include "fuzzinput.h"
#include "platform/posix/userconfig.h"

namespace {

// A desktop entry's string value as a desktop reads it: \s, \n, \t, \r, \\.
std::string EntryValueRead(std::string_view value)
{
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char c = value[++i];
        out += c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
    }
    return out;
}

// The Exec line split as a desktop splits it (freedesktop.org desktop entries): arguments
// apart by spaces; in double quotes ", `, $ and \ are escaped by a
// backslash; outside them no reserved character may stand; %% is a %.
std::vector<std::string> SplitExec(std::string_view line)
{
    static const char kReserved[] = " \t\n\"'\\><~|&;$*?#()`";
    std::vector<std::string> args;
    std::string arg;
    bool quoted = false, started = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '%') {
            Check(i + 1 < line.size() && line[i + 1] == '%', "a lone % is a field code");
            arg += '%';
            ++i;
            started = true;
        } else if (quoted) {
            if (c == '\\') {
                Check(i + 1 < line.size() && std::strchr("\"`$\\", line[i + 1]), "a backslash escapes nothing");
                arg += line[++i];
            } else if (c == '"') {
                quoted = false;
            } else {
                Check(c != '`' && c != '$', "an unescaped ` or $ inside quotes");
                arg += c;
            }
        } else if (c == ' ') {
            if (started)
                args.push_back(arg);
            arg.clear();
            started = false;
        } else if (c == '"') {
            Check(!started, "a quote inside an argument");
            quoted = started = true;
        } else {
            Check(!std::strchr(kReserved, c), "a reserved character outside quotes");
            arg += c;
            started = true;
        }
    }
    Check(!quoted, "an unclosed quote");
    if (started)
        args.push_back(arg);
    return args;
}

std::string LineOf(const std::string& entry, const char* key)
{
    const size_t at = entry.find(std::string("\n") + key + "=");
    Check(at != std::string::npos, "the entry lacks a key");
    const size_t start = at + std::strlen(key) + 2;
    return entry.substr(start, entry.find('\n', start) - start);
}

void CheckAutostart(const std::string& path, bool onTop)
{
    const std::string entry = AutostartEntry(path, onTop);
    if (path.find_first_of("\r\n") != std::string::npos) {
        Check(entry.empty(), "an entry for a path that would break its lines");
        return;
    }
    std::vector<std::string> expected{path};
    if (onTop)
        expected.push_back("--on-top");
    Check(SplitExec(EntryValueRead(LineOf(entry, "Exec"))) == expected, "Exec does not give back the arguments");
    Check(EntryValueRead(LineOf(entry, "TryExec")) == path, "TryExec does not give back the path");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const bool onTop = in.Byte() & 1;
    std::vector<std::string> args;
    while (!in.AtEnd())
        args.emplace_back(in.Until('\0'));

    const Options options = ParseOptions(args);
    switch (options.action) {
    case Options::Wrong:
        Check(!options.problem.empty(), "wrong options without a word of why");
        Check(options.problem.find('\n') == std::string::npos, "the problem takes more than one line");
        break;
    case Options::Snapshot:
        Check(!options.snapshotPath.empty(), "a snapshot without a file");
        break;
    default:
        break;
    }
    if (!args.empty() && !args.front().empty())
        CheckAutostart(args.front(), onTop);
    return 0;
}
