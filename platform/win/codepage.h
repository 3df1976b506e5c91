// Text in the code pages the program meets: its own text is UTF-8; text in
// the Japanese code page (932, Shift-JIS) comes with fonts of that charset.
// The conversions are the system's: iconv on Linux (posix/codepage.cpp); on
// Windows the backend converts with MultiByteToWideChar instead.
#pragma once

#include <string>
#include <string_view>

#include "platform/win/windef.h"

constexpr UINT CP_UTF8 = 65001;
constexpr UINT CP_SHIFTJIS = 932;

// The bytes in the code page as UTF-8. A byte sequence the code page does
// not know becomes U+FFFD; nothing is dropped silently.
std::string CodePageToUtf8(UINT codePage, std::string_view bytes);

// UTF-16 text without its byte-order mark as UTF-8, and back; what is not
// valid UTF-16 (or UTF-8) becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);
std::string Utf8ToUtf16(std::string_view text, bool bigEndian);
