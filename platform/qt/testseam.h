// What tests may learn of the Qt backend about a window, without reaching
// into its structures.
#pragma once

#include <QImage>
#include <QRegion>
#include <optional>
#include <vector>

#include "platform/qt/handle/timers.h"
#include "platform/win/winuser.h"

class QWidget;

// The Qt widget that shows the window, or null.
QWidget* WidgetOf(HWND hWnd);
// The period of the window's timer, after the platform's limits; nullopt
// when the window has no timer of that id.
std::optional<UINT> TimerPeriodOf(HWND hWnd, UINT_PTR nIDEvent);
// Whether a system timer runs for the window's timer of that id now.
bool TimerRunning(HWND hWnd, UINT_PTR nIDEvent);
// The window's client area as its last paint left it, the region that
// paint put on the screen (client coordinates), and how many paints have
// put pixels on the screen.
QImage PictureOf(HWND hWnd);
QRegion LastRegionShown(HWND hWnd);
int PaintsShown(HWND hWnd);
// The dialogs the screen shows now, oldest first.
std::vector<HWND> ShownDialogs();
