// The desktop's hold on the main window: how large the stored rectangle may
// make it, and where a drag may take it. (Its sizing border stops at the
// desktop's size by the system's own rule, SM_CXMAXTRACK.)
#pragma once

#include "platform/afx/afxwin.h"

// The desktop over every screen, in screen coordinates; empty where no
// display is there to measure (a snapshot).
CRect DesktopRect();

// Without a display, the largest window the face is drawn for.
constexpr int kStandInDesktopExtent = 8192;

// A rectangle of the given one's size where the desktop is as large, else
// the desktop's: at its place, moved in only as far as its new size needs
// to lie on the desktop.
CRect ShrunkOnto(const CRect& rc, const CRect& desktop);

// Where a window dragged by the offset has its top-left corner: neither edge
// goes past the desktop's left or top, each on its own (0 on a single
// screen, less where a monitor lies left of or above the primary).
CPoint DraggedTo(const CRect& window, CSize offset, const CRect& desktop);

