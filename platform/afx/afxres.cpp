#include "platform/afx/afxres.h"

std::string AfxLoadString(UINT nID)
{
    for (size_t i = 0; i < afxResources.stringCount; ++i)
        if (afxResources.strings[i].nID == nID)
            return afxResources.strings[i].lpszText;
    return {};
}

std::string AfxExtractSubString(const std::string& full, int n)
{
    size_t begin = 0;
    for (int field = 0; field < n; ++field) {
        begin = full.find('\n', begin);
        if (begin == std::string::npos)
            return {};
        ++begin;
    }
    return full.substr(begin, full.find('\n', begin) - begin);
}

const AFX_ACCEL_TABLE* AfxFindAccelerators(UINT nID)
{
    for (size_t i = 0; i < afxResources.acceleratorCount; ++i)
        if (afxResources.accelerators[i].nID == nID)
            return &afxResources.accelerators[i];
    return nullptr;
}

const AFX_DIALOG_TEMPLATE* AfxFindDialogTemplate(UINT nID)
{
    for (size_t i = 0; i < afxResources.dialogCount; ++i)
        if (afxResources.dialogs[i].nID == nID)
            return &afxResources.dialogs[i];
    return nullptr;
}
