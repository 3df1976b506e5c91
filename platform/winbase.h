// The private-profile (INI file) functions, and MulDiv.
#pragma once

#include "platform/windef.h"

// The integer value of the key, or nDefault when the key is missing or empty.
UINT GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, int nDefault, LPCSTR lpFileName);

// Copies the key's value (or lpDefault when the key is missing) into the
// buffer, cut to nSize - 1 characters and terminated; returns the characters copied.
DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault, LPSTR lpReturnedString,
                               DWORD nSize, LPCSTR lpFileName);

// Sets the key, creating the section and the file as needed. Fails, changing
// nothing, when the file cannot be written or a name or the value would break
// the file's lines.
BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString, LPCSTR lpFileName);

// (nNumber * nNumerator) / nDenominator, rounded half away from zero; -1 when
// the denominator is 0 or the result does not fit.
int MulDiv(int nNumber, int nNumerator, int nDenominator);
