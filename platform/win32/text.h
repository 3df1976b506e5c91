// UTF-8, the framework's text, to and from UTF-16, the system's.
#pragma once

#include <string>

#include "platform/win32/sdk/winsdk.h"

inline std::wstring Widen(const char* utf8, int length = -1, UINT codePage = CP_UTF8)
{
    if (!utf8 || length == 0)
        return {};
    const int n = MultiByteToWideChar(codePage, 0, utf8, length, nullptr, 0);
    std::wstring wide(size_t(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(codePage, 0, utf8, length, wide.data(), n);
    if (length < 0 && !wide.empty())
        wide.pop_back();  // the terminator was counted
    return wide;
}

inline std::string Narrow(const wchar_t* wide)
{
    if (!wide || !*wide)
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size_t(n > 0 ? n : 1), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), n, nullptr, nullptr);
    utf8.pop_back();
    return utf8;
}
