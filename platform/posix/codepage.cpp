#include "platform/win/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace {

// Converts with iconv; a sequence the source encoding does not know becomes
// the replacement character, and conversion goes on one unit after it.
std::string Convert(const char* to, const char* from, std::string_view bytes, std::string_view replacement,
                    size_t unit)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1))
        return std::string(bytes);
    std::string out;
    char buffer[16384];
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* to = buffer;
        size_t toLeft = sizeof buffer;
        const size_t result = iconv(cd, &in, &inLeft, &to, &toLeft);
        out.append(buffer, size_t(to - buffer));
        if (result == size_t(-1) && errno != E2BIG) {
            out += replacement;
            const size_t skip = std::min(unit, inLeft);
            in += skip;
            inLeft -= skip;
        }
    }
    iconv_close(cd);
    return out;
}

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

}  // namespace

std::string CodePageToUtf8(UINT codePage, std::string_view bytes)
{
    if (codePage == CP_UTF8)
        return std::string(bytes);
    return Convert("UTF-8", codePage == CP_SHIFTJIS ? "CP932" : "CP1252", bytes, kReplacement, 1);
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    return Convert("UTF-8", bigEndian ? "UTF-16BE" : "UTF-16LE", bytes, kReplacement, 2);
}

std::string Utf8ToUtf16(std::string_view text, bool bigEndian)
{
    return Convert(bigEndian ? "UTF-16BE" : "UTF-16LE", "UTF-8", text, bigEndian ? "\xFF\xFD" : "\xFD\xFF", 1);
}
