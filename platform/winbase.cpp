#include "platform/winbase.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "platform/inifile.h"

namespace {

std::optional<std::string> ReadValue(LPCSTR section, LPCSTR key, LPCSTR file)
{
    if (!section || !key || !file)
        return std::nullopt;
    const auto text = ini::ReadFile(file);
    if (!text)
        return std::nullopt;
    return ini::FindValue(*text, section, key);
}

bool BreaksLines(std::string_view s)
{
    return s.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

UINT GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, int nDefault, LPCSTR lpFileName)
{
    const auto value = ReadValue(lpAppName, lpKeyName, lpFileName);
    if (!value || value->empty())
        return UINT(nDefault);
    return ini::ParseInt(*value);
}

DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault, LPSTR lpReturnedString,
                               DWORD nSize, LPCSTR lpFileName)
{
    if (!lpReturnedString || nSize == 0)
        return 0;
    const auto value = ReadValue(lpAppName, lpKeyName, lpFileName);
    std::string text = value ? *value : std::string(lpDefault ? lpDefault : "");
    if (!value)
        text.erase(text.find_last_not_of(" \t") + 1);  // a default's trailing blanks go
    const size_t n = std::min<size_t>(text.size(), nSize - 1);
    std::memcpy(lpReturnedString, text.data(), n);
    lpReturnedString[n] = '\0';
    return DWORD(n);
}

BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString, LPCSTR lpFileName)
{
    if (!lpAppName || !lpKeyName || !lpString || !lpFileName)
        return FALSE;
    const std::string_view section(lpAppName), key(lpKeyName), value(lpString);
    if (BreaksLines(section) || BreaksLines(key) || BreaksLines(value) || key.find('=') != std::string_view::npos ||
        section.find(']') != std::string_view::npos)
        return FALSE;

    const auto text = ini::ReadFile(lpFileName);
    struct stat st;
    if (!text && stat(lpFileName, &st) == 0)
        return FALSE;  // there but unreadable: never overwrite what cannot be kept
    if (!text)
        return ini::ReplaceFile(lpFileName, ini::NewFileWith(section, key, value));
    const auto updated = ini::WithValue(*text, section, key, value);
    if (!updated)
        return TRUE;  // the file holds that value already
    return ini::ReplaceFile(lpFileName, *updated);
}

int MulDiv(int nNumber, int nNumerator, int nDenominator)
{
    if (nDenominator == 0)
        return -1;
    long long num = static_cast<long long>(nNumber) * nNumerator;
    long long den = nDenominator;
    if (den < 0)
        num = -num, den = -den;
    const long long q = num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den);
    return q > INT32_MAX || q < INT32_MIN ? -1 : int(q);
}
