// Where the main window may stand, worked out from plain values: the
// screens, the stored rectangle and the window's least size. Nothing here
// asks the system, so every rule can be tried on any desktop one can write.
#pragma once

#include <vector>

#include "platform/afx/atltypes.h"
#include "platform/win/winuser.h"

// A screen as the window's placement sees it: its rectangle in the
// desktop's pixels and its dots per inch (96 at 100 %).
struct Screen {
    CRect rect;
    UINT dpi = USER_DEFAULT_SCREEN_DPI;
};

// The screens of the desktop, the primary one first; none without a display.
using Screens = std::vector<Screen>;

// The part of the window that must lie on one screen for a person to grab
// it, at 96 dpi: about a fingertip's width of the face and a bar's height.
constexpr int kGrabWidth96 = 48;
constexpr int kGrabHeight96 = 24;

// Without a display, the largest window the face is drawn for.
constexpr int kStandInDesktopExtent = 8192;

// The stored rectangle is in 96-dpi units, what the window measures at
// 100 %: on a monitor of another DPI the window is that rectangle scaled
// (its place and its size each), and its rectangle is stored scaled back.
// Edges that would leave int are held at its ends.
CRect WindowRectForDpi(const CRect& stored, UINT dpi);
CRect StoredWindowRect(const CRect& window, UINT dpi);

// Where the main window opens, for any four stored numbers:
// - scaled to the DPI of the screen that shows most of it, and grown to the
//   least size (given at 96 dpi) from its top-left corner;
// - kept where one screen wholly shows it;
// - larger than the desktop: shrunk to it and moved wholly onto it;
// - kept where a screen shows a grabbable part of it (kGrabWidth96 x
//   kGrabHeight96 at that screen's DPI, or all of the screen or of the
//   window where that is smaller);
// - else moved wholly onto the screen that shows most of it, shrunk only as
//   far as that screen needs;
// - with no size, or shown by no screen: the default rectangle, at the
//   primary screen's top-left corner and DPI, wholly on it.
// Without screens (no display) a rectangle up to kStandInDesktopExtent each
// way is kept, anything else gives the default.
CRect PlacedWindowRect(const CRect& stored, const CRect& byDefault, CSize least96, const Screens& screens);

// Where a window stands once the screens have changed (one removed, one
// smaller): where one screen wholly shows it, where it was; else moved
// wholly onto the screen that shows most of it, or the nearest, keeping its
// size unless that screen is smaller.
CRect KeptOnScreens(const CRect& window, const Screens& screens);

// The screen that shows the most of the rectangle (the first of equals), or
// -1 where none shows any of it.
int MostShowing(const CRect& rc, const Screens& screens);
