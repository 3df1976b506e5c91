// Fuzz target for the code-page conversions the INI engine and the drawing
// of text use: Shift-JIS and Windows-1252 bytes become valid UTF-8; UTF-16
// (either byte order) and UTF-8 each go to the other and back unchanged
// wherever the text is valid, and to valid text where it is not.
//
// Input: byte 0 picks the conversion, the rest is the text.
#include "fuzzinput.h"
#include "platform/win/codepage.h"

namespace {

// The length of the valid UTF-8 sequence at i (no overlong forms, no
// surrogates, nothing past U+10FFFF), or 0.
size_t Utf8SequenceAt(std::string_view s, size_t i)
{
    const auto b = [&](size_t k) { return i + k < s.size() ? uint8_t(s[i + k]) : 0u; };
    const auto cont = [&](size_t k) { return (b(k) & 0xC0) == 0x80; };
    const unsigned c = b(0);
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return cont(1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        const unsigned lo = c == 0xE0 ? 0xA0 : 0x80, hi = c == 0xED ? 0x9F : 0xBF;
        return b(1) >= lo && b(1) <= hi && cont(2) ? 3 : 0;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        const unsigned lo = c == 0xF0 ? 0x90 : 0x80, hi = c == 0xF4 ? 0x8F : 0xBF;
        return b(1) >= lo && b(1) <= hi && cont(2) && cont(3) ? 4 : 0;
    }
    return 0;
}

bool ValidUtf8(std::string_view s)
{
    for (size_t i = 0; i < s.size();) {
        const size_t n = Utf8SequenceAt(s, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

bool ValidUtf16(std::string_view s, bool bigEndian)
{
    if (s.size() % 2)
        return false;
    const auto unit = [&](size_t i) {
        const unsigned a = uint8_t(s[i]), b = uint8_t(s[i + 1]);
        return bigEndian ? a << 8 | b : b << 8 | a;
    };
    for (size_t i = 0; i < s.size(); i += 2) {
        const unsigned u = unit(i);
        if (u >= 0xDC00 && u <= 0xDFFF)
            return false;
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 2 >= s.size() || unit(i + 2) < 0xDC00 || unit(i + 2) > 0xDFFF)
                return false;
            i += 2;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t which = in.Byte();
    const std::string_view text = in.Rest();
    const bool bigEndian = which & 8;
    switch (which % 4) {
    case 0:
        Check(ValidUtf8(CodePageToUtf8((which & 4) ? CP_SHIFTJIS : 1252, text)), "a code page gave invalid UTF-8");
        break;
    case 1:
    case 3: {
        const std::string utf8 = Utf16ToUtf8(text, bigEndian);
        Check(ValidUtf8(utf8), "UTF-16 gave invalid UTF-8");
        if (ValidUtf16(text, bigEndian))
            Check(Utf8ToUtf16(utf8, bigEndian) == text, "valid UTF-16 did not come back");
        break;
    }
    case 2: {
        const std::string utf16 = Utf8ToUtf16(text, bigEndian);
        Check(ValidUtf16(utf16, bigEndian), "UTF-8 gave invalid UTF-16");
        if (ValidUtf8(text))
            Check(Utf16ToUtf8(utf16, bigEndian) == text, "valid UTF-8 did not come back");
        break;
    }
    }
    return 0;
}
