// Where the program keeps its INI file. ProfilePathBeside is the same
// everywhere; the rest asks the system (posix/profilepath.cpp on Linux,
// win32/profile.cpp on Windows).
#pragma once

#include <string>
#include <string_view>

// The INI file beside an executable: its path with the extension of the file
// name replaced by ".ini", or ".ini" appended when the name has none. Only a
// '.' inside the last path component, and not as its first character, starts
// an extension: /opt/my.apps/desk.new.exe gives /opt/my.apps/desk.new.ini,
// ~/.local/bin/tarvik gives ~/.local/bin/tarvik.ini.
// On Windows a '\' separates the components too.
inline std::string ProfilePathBeside(std::string_view modulePath)
{
#ifdef _WIN32
    const size_t slash = modulePath.find_last_of("\\/");
#else
    const size_t slash = modulePath.rfind('/');
#endif
    const size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const size_t dot = modulePath.rfind('.');
    std::string path(modulePath);
    if (dot != std::string_view::npos && dot > nameStart)
        path.resize(dot);
    return path + ".ini";
}

// The same file name in the user's configuration folder:
// $XDG_CONFIG_HOME/tarvik/, or ~/.config/tarvik/ when XDG_CONFIG_HOME is unset
// or not absolute, where ~ is HOME or else the home folder the password
// database gives; empty when there is none. On Windows it is
// %APPDATA%\tarvik\ whatever the two variables say.
std::string ProfilePathInConfig(std::string_view modulePath, const char* xdgConfigHome, const char* home);

// The INI file the program uses: the one beside the executable when it can be
// written or created there, otherwise the one in the configuration folder.
std::string ChooseProfilePath(std::string_view modulePath);

// The same file, made ready for use: when the file beside the executable is
// there but cannot be written, the per-user file starts as a byte-for-byte
// copy of it (unless it exists already), as Windows redirects a program's
// writes under a protected folder; the file beside the executable is never
// changed. *note then gets one line for the user.
std::string PrepareProfilePath(std::string_view modulePath, std::string* note);

// Creates the folders leading to the file (on Linux with mode 0700, as for
// a user's configuration); false when one cannot be made.
bool MakeParentFolders(const std::string& path);

// The running program's own executable (/proc/self/exe; on Windows the
// module's file name).
std::string ModulePath();
