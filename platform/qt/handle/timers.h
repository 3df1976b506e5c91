// Window timers: Qt timers, each WM_TIMER with its id.
#pragma once

#include "platform/win/winuser.h"

// Once a top-level window has been shown, its timers and those of the
// windows in it are held while the display shows it nowhere (unmapped,
// minimised): no wake-up at all. When it shows again, each held timer fires
// at once and then at its period.
void WatchExposure(HWND hWnd);
void StopTimers(HWND hWnd);
// Whether the window's timers rest because the display shows it nowhere.
bool TimersHeld(HWND hWnd);
