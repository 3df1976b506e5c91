// The windows alive, for the parts of the backend that ask about them
// without looking inside one (handle/hwnd.h has the window itself).
#pragma once

#include <vector>

#include "platform/win/winuser.h"

class QWidget;

// The application's main window, as the framework's host names it (null
// while there is none).
HWND MainWindow();

// Every window alive, in creation order.
const std::vector<HWND>& AllWindows();
// The window a widget shows, or null.
HWND WindowOfWidget(const QWidget* widget);
// The widget that shows a live window (null for any other handle), and
// whether the window is a top-level one.
QWidget* WidgetOfWindow(HWND hWnd);
bool IsTopLevel(HWND hWnd);

// Once the display is gone, windows change nothing on it any more: no paint,
// no hiding, no drawing on the screen.
void SetDisplayGone();
bool DisplayGone();
