// The text of a number field as the dialogs' data exchange reads it.
#pragma once

#include <algorithm>
#include <string_view>

#include "platform/win/windef.h"

namespace afx {

inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// An unsigned decimal number with blanks around it and an optional '+';
// digits beyond 32 bits saturate.
inline bool ParseUnsigned(const std::string_view text, UINT& value)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i < text.size() && text[i] == '+')
        ++i;
    const size_t digitsStart = i;
    unsigned long long number = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        number = std::min<unsigned long long>(number * 10 + unsigned(text[i] - '0'), 0xFFFFFFFFull);
    if (i == digitsStart)
        return false;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i != text.size())
        return false;
    value = UINT(number);
    return true;
}

}  // namespace afx
