#include "platform/inifile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace ini {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Blanks around names and values. A carriage return counts too, so that a
// line ending in a lone CR reads the same once a line feed follows it.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// One line of the file: its content and the terminator after it ("\r\n", "\n"
// or nothing on the last line).
struct Line {
    size_t begin;
    size_t contentEnd;
    size_t end;
};

// The line that starts at pos. CRLF, LF and a lone CR all end a line, as
// they do for Windows' profile functions.
Line LineAt(std::string_view text, size_t pos)
{
    const char* base = text.data();
    const auto* lf = static_cast<const char*>(std::memchr(base + pos, '\n', text.size() - pos));
    const size_t lfAt = lf ? size_t(lf - base) : text.size();
    const auto* cr = static_cast<const char*>(std::memchr(base + pos, '\r', lfAt - pos));
    if (cr) {
        const size_t crAt = size_t(cr - base);
        return {pos, crAt, (lf && crAt + 1 == lfAt) ? lfAt + 1 : crAt + 1};
    }
    return {pos, lfAt, lf ? lfAt + 1 : lfAt};
}

std::vector<Line> SplitLines(std::string_view text)
{
    std::vector<Line> lines;
    size_t pos = text.substr(0, kBom.size()) == kBom ? kBom.size() : 0;
    while (pos < text.size()) {
        lines.push_back(LineAt(text, pos));
        pos = lines.back().end;
    }
    return lines;
}

std::string_view Content(std::string_view text, const Line& line)
{
    return text.substr(line.begin, line.contentEnd - line.begin);
}

// The section name of a header line "[name]", trimmed; nullopt for other lines.
std::optional<std::string_view> SectionName(std::string_view content)
{
    const std::string_view trimmed = Trim(content);
    if (trimmed.empty() || trimmed.front() != '[')
        return std::nullopt;
    const size_t close = trimmed.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(trimmed.substr(1, close - 1));
}

// A key line: the trimmed name before the first '=' and where the trimmed
// value stands in the whole text. A line with a name and no '=' is a key
// without a value, which a write completes in place.
struct KeyLine {
    std::string_view name;
    size_t valueBegin;
    size_t valueEnd;
    bool hasEquals;
};

std::optional<KeyLine> ParseKeyLine(std::string_view text, const Line& line)
{
    const std::string_view content = Content(text, line);
    const std::string_view trimmed = Trim(content);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[')
        return std::nullopt;
    const size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        const size_t nameEnd = size_t(trimmed.data() + trimmed.size() - text.data());
        return KeyLine{trimmed, nameEnd, nameEnd, false};
    }
    size_t valueBegin = equals + 1;
    size_t valueEnd = content.size();
    while (valueBegin < valueEnd && IsBlank(content[valueBegin]))
        ++valueBegin;
    while (valueEnd > valueBegin && IsBlank(content[valueEnd - 1]))
        --valueEnd;
    return KeyLine{Trim(content.substr(0, equals)), line.begin + valueBegin, line.begin + valueEnd, true};
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Where the section's lines are: the header's index and the index one past its
// last line. nullopt when the file has no such section.
struct SectionSpan {
    size_t header;
    size_t end;
};

std::optional<SectionSpan> FindSection(std::string_view text, const std::vector<Line>& lines,
                                       std::string_view section)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(Content(text, lines[i]));
        if (!name || !SameName(*name, section))
            continue;
        size_t end = i + 1;
        while (end < lines.size() && !SectionName(Content(text, lines[end])))
            ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<KeyLine> FindKey(std::string_view text, const std::vector<Line>& lines, const SectionSpan& span,
                               std::string_view key)
{
    for (size_t i = span.header + 1; i < span.end; ++i) {
        const auto keyLine = ParseKeyLine(text, lines[i]);
        if (keyLine && SameName(keyLine->name, key))
            return keyLine;
    }
    return std::nullopt;
}

// The line ending new lines get: the one of the line they follow, else the
// file's first one, else CRLF as a new file has.
std::string_view LineEnding(std::string_view text, const Line* after)
{
    if (after && after->end > after->contentEnd)
        return text.substr(after->contentEnd, after->end - after->contentEnd);
    const Line first = LineAt(text, 0);
    if (first.end > first.contentEnd)
        return text.substr(first.contentEnd, first.end - first.contentEnd);
    return "\r\n";
}

std::string KeyText(std::string_view key, std::string_view value)
{
    std::string line(key);
    line += '=';
    line += value;
    return line;
}

// Inserts a line after the line `after`, which gets a terminator first when
// it is the last line and has none.
std::string InsertLine(std::string_view text, const Line& after, const std::string& line)
{
    const std::string_view eol = LineEnding(text, &after);
    std::string result(text.substr(0, after.end));
    if (after.end == after.contentEnd)
        result += eol;
    result += line;
    result += eol;
    result += text.substr(after.end);
    return result;
}

std::string AppendSection(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view value)
{
    const std::string_view eol = LineEnding(text, nullptr);
    std::string result(text);
    if (!result.empty() && result.back() != '\n' && result.back() != '\r')
        result += eol;
    result += '[';
    result += section;
    result += ']';
    result += eol;
    result += KeyText(key, value);
    result += eol;
    return result;
}

}  // namespace

std::optional<std::string> FindValue(std::string_view text, std::string_view section, std::string_view key)
{
    const std::vector<Line> lines = SplitLines(text);
    const auto span = FindSection(text, lines, section);
    if (!span)
        return std::nullopt;
    const auto keyLine = FindKey(text, lines, *span, key);
    if (!keyLine || !keyLine->hasEquals)
        return std::nullopt;  // a key without a value reads as no key
    return std::string(Unquote(text.substr(keyLine->valueBegin, keyLine->valueEnd - keyLine->valueBegin)));
}

std::optional<std::string> WithValue(std::string_view text, std::string_view section, std::string_view key,
                                     std::string_view value)
{
    const std::vector<Line> lines = SplitLines(text);
    const auto span = FindSection(text, lines, section);
    if (!span)
        return AppendSection(text, section, key, value);

    if (const auto keyLine = FindKey(text, lines, *span, key)) {
        const std::string_view stored = text.substr(keyLine->valueBegin, keyLine->valueEnd - keyLine->valueBegin);
        if (keyLine->hasEquals && Unquote(stored) == value)
            return std::nullopt;
        std::string result(text.substr(0, keyLine->valueBegin));
        if (!keyLine->hasEquals)
            result += '=';
        result += value;
        result += text.substr(keyLine->valueEnd);
        return result;
    }

    size_t last = span->header;
    for (size_t i = span->header + 1; i < span->end; ++i)
        if (!Trim(Content(text, lines[i])).empty())
            last = i;
    return InsertLine(text, lines[last], KeyText(key, value));
}

std::string NewFileWith(std::string_view section, std::string_view key, std::string_view value)
{
    return AppendSection("", section, key, value);
}

unsigned ParseInt(std::string_view value)
{
    size_t i = 0;
    while (i < value.size() && IsBlank(value[i]))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-'))
        negative = value[i++] == '-';

    unsigned base = 10;
    if (i + 1 < value.size() && value[i] == '0') {
        const char prefix = value[i + 1];
        base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
        if (base != 10)
            i += 2;
    }

    unsigned result = 0;
    for (; i < value.size(); ++i) {
        const char c = value[i];
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = unsigned(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = unsigned(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = unsigned(c - 'A' + 10);
        else
            break;
        if (digit >= base)
            break;
        result = result * base + digit;  // unsigned arithmetic wraps modulo 2^32
    }
    return negative ? 0u - result : result;
}

std::optional<std::string> ReadFile(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0) {
            content.append(buffer, size_t(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            close(fd);
            return std::nullopt;
        }
    }
    close(fd);
    return content;
}

namespace {

std::string DirName(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path finally names, following symbolic links (also dangling ones,
// so that a link to a file not yet created makes that file).
std::string FollowLinks(std::string path)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        char target[PATH_MAX];
        const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
        if (n <= 0)
            return path;
        const std::string link(target, size_t(n));
        path = link.front() == '/' ? link : DirName(path) + "/" + link;
    }
    return path;
}

// Whether the process may change what is at the path. The permission bits
// count even for a superuser: a file nobody may write stays as it is.
bool Writable(const std::string& path, const struct stat& st)
{
    return (st.st_mode & 0222) != 0 && access(path.c_str(), W_OK) == 0;
}

bool WriteAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t n = write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(size_t(n));
    }
    return true;
}

std::string TemporaryName(const std::string& target)
{
    static std::atomic<unsigned> s_counter{0};
    const size_t slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    return dir + "." + base + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(s_counter++);
}

}  // namespace

bool CanReplace(const std::string& path)
{
    const std::string target = FollowLinks(path);
    const std::string dir = DirName(target);
    struct stat st;
    if (stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || !Writable(dir, st))
        return false;
    if (stat(target.c_str(), &st) != 0)
        return errno == ENOENT;
    return S_ISREG(st.st_mode) && Writable(target, st);
}

bool MakeParentFolders(const std::string& path)
{
    const std::string dir = DirName(path);
    struct stat st;
    if (stat(dir.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    if (dir == path || !MakeParentFolders(dir))
        return false;
    return mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST;
}

bool ReplaceFile(const std::string& path, std::string_view content)
{
    if (!CanReplace(path))
        return false;
    const std::string target = FollowLinks(path);
    const std::string dir = DirName(target);
    struct stat old;
    const bool exists = stat(target.c_str(), &old) == 0;

    const std::string temporary = TemporaryName(target);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, content);
    if (ok && exists) {
        ok = fchmod(fd, old.st_mode & 07777) == 0;
        if (fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Only a superuser may give the file back to its owner; the
            // content matters more than the ownership.
        }
    }
    ok = ok && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int dirFd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return true;
}

}  // namespace ini
