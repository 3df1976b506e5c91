// The private-profile (INI file) functions, and MulDiv. On Linux the profile
// functions work on the INI file through posix/profile.cpp; on Windows they
// are the system's, and the batches are the backend's (win32/profile.cpp).
#pragma once

#include "platform/win/windef.h"

#ifndef _WIN32

// The integer value of the key, or nDefault when the key is missing or empty.
UINT GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, int nDefault, LPCSTR lpFileName);

// Copies the key's value (or lpDefault when the key is missing) into the
// buffer, cut to nSize - 1 characters and terminated; returns the characters copied.
DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault, LPSTR lpReturnedString,
                               DWORD nSize, LPCSTR lpFileName);

// Sets the key, creating the section and the file as needed, under an
// advisory lock of the file's folder, so that programs writing the same file
// take turns and lose nothing. Fails, changing nothing, when the file cannot
// be written (errno says why) or a name or the value would break the file's lines.
BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString, LPCSTR lpFileName);

// (nNumber * nNumerator) / nDenominator, rounded half away from zero; -1 when
// the denominator is 0 or the result does not fit.
int MulDiv(int nNumber, int nNumerator, int nDenominator);

#endif  // !_WIN32

// A profile batch: from AfxBeginProfileBatch to AfxEndProfileBatch the file is
// read once, and the profile functions on it read and change that copy; the
// end writes it back once, atomically, when anything changed, byte for byte
// as the calls one by one would have. A batch for writing holds the folder's
// lock from its beginning to its end, so its reads and its write are one step
// for other programs. Batches nest; one file at a time. The beginning says
// whether a batch began (it must then be ended), with errno non-zero when the
// file is there but cannot be read; the end fails when the file cannot be
// written, with errno saying why.
BOOL AfxBeginProfileBatch(LPCSTR lpFileName, BOOL bForWriting);
BOOL AfxEndProfileBatch();
