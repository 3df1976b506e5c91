// The desktop's hold on the main window, as the system tells it now: the
// screens, and where a drag may take the window. (Its sizing border stops at
// the desktop's size by the system's own rule, SM_CXMAXTRACK.)
#pragma once

#include "frame/placement.h"
#include "platform/afx/afxwin.h"

// The desktop over every screen, in screen coordinates; empty where no
// display is there to measure (a snapshot).
CRect DesktopRect();

// Every screen with its DPI, the primary first; none without a display.
Screens CurrentScreens();

// Where a window dragged by the offset has its top-left corner: neither edge
// goes past the desktop's left or top, each on its own (0 on a single
// screen, less where a monitor lies left of or above the primary).
CPoint DraggedTo(const CRect& window, CSize offset, const CRect& desktop);
