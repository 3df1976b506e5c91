// What a screen reader is told of a window that draws its content itself.
// Shared by the framework's classes and the backends, which ask a window for
// it with WM_GETOBJECT.
#pragma once

#include <string>
#include <vector>

#include "platform/win/oleacc.h"

// What a screen reader is told of a window that draws its content itself: its
// name and description, and the parts it shows as its children.
struct AFX_ACCESSIBLE_PART {
    DWORD role;         // ROLE_SYSTEM_* (oleacc.h)
    std::string name;   // UTF-8, as all the framework's text
    std::string value;  // the value as a person would want it read
    double current = 0, minimum = 0, maximum = 0;
};
struct AFX_ACCESSIBLE_INFO {
    std::string name;
    std::string description;
    std::vector<AFX_ACCESSIBLE_PART> parts;  // in display order
};
// Sent WM_GETOBJECT with this object id in lParam and an AFX_ACCESSIBLE_INFO*
// in wParam, a framework window that describes itself fills the structure in
// and returns TRUE (CWnd::GetAccessibleInfo). The system's own object ids
// (OBJID_*) are all negative.
constexpr LPARAM AFX_OBJID_INFO = 0x41465849;
