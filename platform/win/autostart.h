// Whether the program starts when the user logs in: an entry in the user's
// XDG autostart folder on Linux (posix/autostart.cpp), a value under the
// per-user Run key on Windows (win32/autostart.cpp).
#pragma once

#include <string>

struct AutostartResult {
    bool ok = false;
    std::string message;  // what was done, or why it could not be, in one line
};

// From the next login on, the executable at modulePath starts with the
// user's session (with --on-top when onTop), or (on false) no longer does.
// Removing an entry that is not there succeeds and says so.
AutostartResult SetAutostart(bool on, const std::string& modulePath, bool onTop);
