#include "surprise/sendmci.h"

#include "platform/afx/afxwin.h"

namespace {

// One buffer serves the return text, then the error text.
constexpr UINT kTextCapacity = 255;

}  // namespace

MCIERROR SendMciCommand(LPCSTR lpszCommand, std::string& strReturn, std::string& strError)
{
    char buffer[kTextCapacity] = "";
    CWnd* pMain = AfxGetThread()->GetMainWnd();
    const MCIERROR result = ::mciSendStringA(lpszCommand, buffer, kTextCapacity, pMain ? pMain->m_hWnd : nullptr);
    strReturn = buffer;
    ::mciGetErrorStringA(result, buffer, kTextCapacity);
    strError = buffer;
    return result;
}
