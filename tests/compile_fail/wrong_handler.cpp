// Must not compile: OnSize is bound to WM_SIZE with a signature that is not
// the framework's (UINT, int, int).
#include "platform/afx/afxwin.h"

class CWrongView : public CWnd {
protected:
    void OnSize(int cx, int cy);
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWrongView, CWnd)
    ON_WM_SIZE()
END_MESSAGE_MAP()
