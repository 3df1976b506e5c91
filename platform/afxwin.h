// The framework's application class and the functions that reach it.
#pragma once

#include <string>

#include "platform/afxgdi.h"
#include "platform/winbase.h"

class CWinApp {
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // The profile functions work on the INI file named by m_pszProfileName.
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    std::string GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // The writes create the file's folder when it is missing.
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);

    LPCSTR m_pszAppName = nullptr;
    // Allocated with malloc (strdup) and released with free by the destructor.
    LPCSTR m_pszProfileName = nullptr;
};

// The one application object, or null before it is constructed.
CWinApp* AfxGetApp();
