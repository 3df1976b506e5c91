// Basic Windows types, with the sizes and values the program relies on;
// where the system is Windows, its own headers give them.
#pragma once

#include <cstdint>

#ifdef _WIN32
#include "platform/win32/sdk/winsdk.h"
#else

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using COLORREF = DWORD;
using LPCSTR = const char*;
using LPSTR = char*;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

constexpr WORD LOWORD(std::uintptr_t l) { return WORD(l & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t l) { return WORD((l >> 16) & 0xFFFF); }
constexpr LONG MAKELONG(int low, int high) { return LONG(DWORD(WORD(low)) | (DWORD(WORD(high)) << 16)); }
constexpr LPARAM MAKELPARAM(int low, int high) { return LPARAM(MAKELONG(low, high)); }
constexpr WPARAM MAKEWPARAM(int low, int high) { return WPARAM(DWORD(MAKELONG(low, high))); }

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// A result of the system's COM-style functions: S_OK, or negative for an error.
using HRESULT = std::int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057);

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
using LPRECT = RECT*;
using LPCRECT = const RECT*;

struct POINT {
    LONG x;
    LONG y;
};

struct SIZE {
    LONG cx;
    LONG cy;
};

// A colour reference is laid out 0x00BBGGRR: red in the low byte.
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b)
{
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF rgb) { return BYTE(rgb); }
constexpr BYTE GetGValue(COLORREF rgb) { return BYTE(rgb >> 8); }
constexpr BYTE GetBValue(COLORREF rgb) { return BYTE(rgb >> 16); }

// Raster operation of BitBlt: copy the source as it is.
constexpr DWORD SRCCOPY = 0x00CC0020;

#endif  // _WIN32
