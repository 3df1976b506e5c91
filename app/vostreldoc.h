// The document: empty. The clock keeps its state in the view and the INI file.
#pragma once

#include "platform/afx/afxwin.h"

class CVostrelDoc : public CDocument {
    DECLARE_DYNCREATE(CVostrelDoc)

public:
    BOOL OnNewDocument() override;
    void Serialize(CArchive& ar) override;
};
