#include "platform/afxwin.h"

#include <cstdlib>

#include "platform/inifile.h"

namespace {
CWinApp* s_pApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return s_pApp;
}

CWinApp::CWinApp(LPCSTR lpszAppName) : m_pszAppName(lpszAppName)
{
    s_pApp = this;
}

CWinApp::~CWinApp()
{
    std::free(const_cast<char*>(m_pszProfileName));
    if (s_pApp == this)
        s_pApp = nullptr;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
}

std::string CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    char value[4096];
    ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, value, sizeof value, m_pszProfileName);
    return value;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    return WriteProfileString(lpszSection, lpszEntry, std::to_string(nValue).c_str());
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (!m_pszProfileName || !ini::MakeParentFolders(m_pszProfileName))
        return FALSE;
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
}
