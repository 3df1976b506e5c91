// The screens as monitors (MonitorFromRect and the rest in winuser.h), and
// the word to the windows when they change.
#pragma once

// From now on every top-level window gets WM_DISPLAYCHANGE when a screen
// comes, goes or changes its size, once Qt has told all of the change.
void WatchScreens();
