#include "platform/inifile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/codepage.h"

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

// Where the first line starts: after a UTF-8 byte-order mark.
size_t FirstLine(std::string_view text)
{
    return text.substr(0, kBom.size()) == kBom ? kBom.size() : 0;
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

// Where the section's lines are: its header, and the position where the
// next section (or the text) begins. nullopt when the file has no such
// section. Lines are read one after another, never all at once, so that a
// large file costs no more than a pass over it.
struct SectionSpan {
    Line header;
    size_t end;
};

std::optional<SectionSpan> FindSection(std::string_view text, std::string_view section)
{
    for (size_t pos = FirstLine(text); pos < text.size();) {
        const Line line = LineAt(text, pos);
        pos = line.end;
        const auto name = SectionName(Content(text, line));
        if (!name || !SameName(*name, section))
            continue;
        size_t end = pos;
        while (end < text.size()) {
            const Line next = LineAt(text, end);
            if (SectionName(Content(text, next)))
                break;
            end = next.end;
        }
        return SectionSpan{line, end};
    }
    return std::nullopt;
}

std::optional<KeyLine> FindKey(std::string_view text, const SectionSpan& span, std::string_view key)
{
    for (size_t pos = span.header.end; pos < span.end;) {
        const Line line = LineAt(text, pos);
        pos = line.end;
        const auto keyLine = ParseKeyLine(text, line);
        if (keyLine && SameName(keyLine->name, key))
            return keyLine;
    }
    return std::nullopt;
}

// The section's last line that is not blank (its header when all are).
Line LastLineOf(std::string_view text, const SectionSpan& span)
{
    Line last = span.header;
    for (size_t pos = span.header.end; pos < span.end;) {
        const Line line = LineAt(text, pos);
        pos = line.end;
        if (!Trim(Content(text, line)).empty())
            last = line;
    }
    return last;
}

// The line ending new lines get: the one of the line they follow, else the
// file's first one, else CRLF as a new file has.
std::string_view LineEnding(std::string_view text, const Line* after)
{
    if (after && after->end > after->contentEnd)
        return text.substr(after->contentEnd, after->end - after->contentEnd);
    const Line first = LineAt(text, FirstLine(text));
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
void InsertLine(std::string& text, const Line& after, const std::string& line)
{
    const std::string eol(LineEnding(text, &after));
    std::string inserted;
    if (after.end == after.contentEnd)
        inserted += eol;
    inserted += line;
    inserted += eol;
    text.insert(after.end, inserted);
}

void AppendSection(std::string& text, std::string_view section, std::string_view key, std::string_view value)
{
    const std::string eol(LineEnding(text, nullptr));
    if (!text.empty() && text.back() != '\n' && text.back() != '\r')
        text += eol;
    text += '[';
    text += section;
    text += ']';
    text += eol;
    text += KeyText(key, value);
    text += eol;
}

}  // namespace

std::optional<std::string> FindValue(std::string_view text, std::string_view section, std::string_view key)
{
    const auto span = FindSection(text, section);
    if (!span)
        return std::nullopt;
    const auto keyLine = FindKey(text, *span, key);
    if (!keyLine || !keyLine->hasEquals)
        return std::nullopt;  // a key without a value reads as no key
    return std::string(Unquote(text.substr(keyLine->valueBegin, keyLine->valueEnd - keyLine->valueBegin)));
}

bool SetValue(std::string& text, std::string_view section, std::string_view key, std::string_view value)
{
    const auto span = FindSection(text, section);
    if (!span) {
        AppendSection(text, section, key, value);
        return true;
    }
    if (const auto keyLine = FindKey(text, *span, key)) {
        const std::string_view stored =
            std::string_view(text).substr(keyLine->valueBegin, keyLine->valueEnd - keyLine->valueBegin);
        if (keyLine->hasEquals && Unquote(stored) == value)
            return false;
        std::string replacement(keyLine->hasEquals ? "" : "=");
        replacement += value;
        text.replace(keyLine->valueBegin, keyLine->valueEnd - keyLine->valueBegin, replacement);
        return true;
    }
    InsertLine(text, LastLineOf(text, *span), KeyText(key, value));
    return true;
}

std::optional<std::string> WithValue(std::string_view text, std::string_view section, std::string_view key,
                                     std::string_view value)
{
    std::string result(text);
    if (!SetValue(result, section, key, value))
        return std::nullopt;
    return result;
}

std::string NewFileWith(std::string_view section, std::string_view key, std::string_view value)
{
    std::string text;
    AppendSection(text, section, key, value);
    return text;
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

namespace {

constexpr std::string_view kUtf16LE = "\xFF\xFE";
constexpr std::string_view kUtf16BE = "\xFE\xFF";

}  // namespace

std::optional<std::string> ReadBytes(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st;
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        close(fd);
        errno = EISDIR;
        return std::nullopt;
    }
    std::string content;
    if (st.st_size > 0)
        content.reserve(size_t(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0) {
            content.append(buffer, size_t(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            const int error = errno;
            close(fd);
            errno = error;
            return std::nullopt;
        }
    }
    close(fd);
    return content;
}

namespace {

std::string Encode(std::string_view text, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf16LE:
        return std::string(kUtf16LE) + Utf8ToUtf16(text, false);
    case Encoding::Utf16BE:
        return std::string(kUtf16BE) + Utf8ToUtf16(text, true);
    default:
        return std::string(text);
    }
}

}  // namespace

std::optional<FileText> ReadFile(const std::string& path)
{
    auto bytes = ReadBytes(path);
    if (!bytes)
        return std::nullopt;
    const std::string_view view(*bytes);
    if (view.substr(0, 2) == kUtf16LE)
        return FileText{Utf16ToUtf8(view.substr(2), false), Encoding::Utf16LE};
    if (view.substr(0, 2) == kUtf16BE)
        return FileText{Utf16ToUtf8(view.substr(2), true), Encoding::Utf16BE};
    return FileText{std::move(*bytes), Encoding::Bytes};
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
// so that a link to a file not yet created makes that file). Empty, with
// errno ELOOP, for a loop of links.
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
    errno = ELOOP;
    return {};
}

// Whether the process may change what is at the path. The permission bits
// count even for a superuser: a file nobody may write stays as it is.
bool Writable(const std::string& path, const struct stat& st)
{
    if ((st.st_mode & 0222) == 0) {
        errno = EACCES;
        return false;
    }
    return access(path.c_str(), W_OK) == 0;
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
    if (target.empty())
        return false;
    const std::string dir = DirName(target);
    struct stat st;
    if (stat(dir.c_str(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    if (!Writable(dir, st))
        return false;
    if (stat(target.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return false;
        errno = 0;
        return true;
    }
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    return Writable(target, st);
}

FolderLock::FolderLock(const std::string& path)
{
    const std::string target = FollowLinks(path);
    m_fd = open(DirName(target.empty() ? path : target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        return;
    while (flock(m_fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            close(m_fd);
            m_fd = -1;
            return;
        }
    }
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        close(m_fd);  // closing the folder releases the lock
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

bool ReplaceFile(const std::string& path, std::string_view text, Encoding encoding)
{
    if (!CanReplace(path))
        return false;
    const std::string encoded = encoding == Encoding::Bytes ? std::string() : Encode(text, encoding);
    const std::string_view content = encoding == Encoding::Bytes ? text : std::string_view(encoded);
    const std::string target = FollowLinks(path);
    const std::string dir = DirName(target);
    struct stat old;
    const bool exists = stat(target.c_str(), &old) == 0;

    const std::string temporary = TemporaryName(target);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    // The first step that fails says why in errno (a full disk: ENOSPC).
    int error = 0;
    auto step = [&error](bool done) {
        if (!done && error == 0)
            error = errno ? errno : EIO;
    };
    step(WriteAll(fd, content));
    if (error == 0 && exists) {
        step(fchmod(fd, old.st_mode & 07777) == 0);
        if (fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Only a superuser may give the file back to its owner; the
            // content matters more than the ownership.
        }
    }
    if (error == 0)
        step(fsync(fd) == 0);
    step(close(fd) == 0);
    if (error == 0)
        step(rename(temporary.c_str(), target.c_str()) == 0);
    if (error != 0) {
        unlink(temporary.c_str());
        errno = error;
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
