#pragma once

#include "platform/afxres.h"

extern const AFX_ICON_IMAGE g_icons[];
extern const size_t g_iconCount;
