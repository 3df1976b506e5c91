#include "platform/codepage.h"

#include <iconv.h>

#include <cerrno>

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

}  // namespace

std::string CodePageToUtf8(UINT codePage, std::string_view bytes)
{
    if (codePage == CP_UTF8)
        return std::string(bytes);
    iconv_t cd = iconv_open("UTF-8", codePage == CP_SHIFTJIS ? "CP932" : "CP1252");
    if (cd == iconv_t(-1))
        return std::string(bytes);
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* to = buffer;
        size_t toLeft = sizeof buffer;
        const size_t result = iconv(cd, &in, &inLeft, &to, &toLeft);
        out.append(buffer, size_t(to - buffer));
        if (result == size_t(-1) && errno != E2BIG) {
            // An invalid or cut-off sequence: mark it and go on after its first byte.
            out += kReplacement;
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return out;
}
