#include "app/vostreldoc.h"

IMPLEMENT_DYNCREATE(CVostrelDoc, CDocument)

BOOL CVostrelDoc::OnNewDocument()
{
    return CDocument::OnNewDocument() ? TRUE : FALSE;
}

void CVostrelDoc::Serialize(CArchive& ar)
{
    // The document has nothing to store or to load.
    if (ar.IsStoring()) {
    } else {
    }
}
