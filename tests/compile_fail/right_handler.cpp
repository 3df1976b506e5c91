// The same map with the framework's signature compiles; this keeps the
// wrong-handler test honest about why it fails.
#include "platform/afx/afxwin.h"

class CRightView : public CWnd {
protected:
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRightView, CWnd)
    ON_WM_SIZE()
END_MESSAGE_MAP()
