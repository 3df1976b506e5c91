// The user's configuration folder, and what the program keeps there besides
// its settings: the autostart entry.
#pragma once

#include <string>

// $XDG_CONFIG_HOME when it is absolute, else ~/.config, where ~ is HOME or
// else the home folder the password database gives; empty when there is none.
std::string UserConfigFolder(const char* xdgConfigHome, const char* home);

// The autostart entry's place in that folder: autostart/tarvik.desktop;
// empty when there is no home.
std::string AutostartEntryPath(const char* xdgConfigHome, const char* home);

// The entry's text for the executable: its Exec line quotes the path as the
// desktop entry format asks, so that any folder name starts the same file.
// Empty for a path no desktop entry can hold (one with a line break).
std::string AutostartEntry(const std::string& modulePath, bool onTop);
