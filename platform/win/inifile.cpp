// Finding, reading and writing keys in the text of an INI file.
#include "platform/win/inifile.h"

#include <cstring>

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

}  // namespace ini
