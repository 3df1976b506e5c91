#include "platform/win/profilepath.h"

#include <pwd.h>
#include <unistd.h>

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/posix/inifileio.h"

std::string ProfilePathInConfig(std::string_view modulePath, const char* xdgConfigHome, const char* home)
{
    const std::string beside = ProfilePathBeside(modulePath);
    const std::string fileName = beside.substr(beside.rfind('/') + 1);
    std::string config;
    if (xdgConfigHome && xdgConfigHome[0] == '/') {
        config = xdgConfigHome;
    } else {
        if (!home || home[0] != '/') {
            const struct passwd* user = getpwuid(getuid());
            home = user && user->pw_dir && user->pw_dir[0] == '/' ? user->pw_dir : nullptr;
        }
        if (!home)
            return {};
        config = std::string(home) + "/.config";
    }
    return config + "/tarvik/" + fileName;
}

std::string ChooseProfilePath(std::string_view modulePath)
{
    const std::string beside = ProfilePathBeside(modulePath);
    if (ini::CanReplace(beside))
        return beside;
    const std::string config = ProfilePathInConfig(modulePath, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    return config.empty() ? beside : config;
}

std::string PrepareProfilePath(std::string_view modulePath, std::string* note)
{
    const std::string beside = ProfilePathBeside(modulePath);
    if (ini::CanReplace(beside))
        return beside;
    const std::string why = std::strerror(errno ? errno : EACCES);
    struct stat st;
    const bool besideExists = stat(beside.c_str(), &st) == 0;
    const std::string config = ProfilePathInConfig(modulePath, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (config.empty()) {
        if (note)
            *note = beside + " cannot be written (" + why + ") and there is no home folder: settings are not saved";
        return beside;
    }
    if (!besideExists)
        return config;  // an install in a system folder: the per-user file, as always
    if (stat(config.c_str(), &st) != 0 && errno == ENOENT) {
        const auto bytes = ini::ReadBytes(beside);
        if (bytes && MakeParentFolders(config))
            ini::ReplaceFile(config, *bytes);
    }
    if (note)
        *note = beside + " cannot be written (" + why + "); the settings are kept in " + config;
    return config;
}

bool MakeParentFolders(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return true;  // in the current folder, or in the root
    const std::string dir = path.substr(0, slash);
    struct stat st;
    if (stat(dir.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    return MakeParentFolders(dir) && (mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST);
}

std::string ModulePath()
{
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0)
            return {};
        if (size_t(n) < buffer.size())
            return std::string(buffer.data(), size_t(n));
        buffer.resize(buffer.size() * 2);
    }
}
