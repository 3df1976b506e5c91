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
#include "platform/posix/userconfig.h"

std::string UserConfigFolder(const char* xdgConfigHome, const char* home)
{
    if (xdgConfigHome && xdgConfigHome[0] == '/')
        return xdgConfigHome;
    if (!home || home[0] != '/') {
        const struct passwd* user = getpwuid(getuid());
        home = user && user->pw_dir && user->pw_dir[0] == '/' ? user->pw_dir : nullptr;
    }
    return home ? std::string(home) + "/.config" : std::string();
}

std::string ProfilePathInConfig(std::string_view modulePath, const char* xdgConfigHome, const char* home)
{
    const std::string beside = ProfilePathBeside(modulePath);
    const std::string fileName = beside.substr(beside.rfind('/') + 1);
    const std::string config = UserConfigFolder(xdgConfigHome, home);
    return config.empty() ? config : config + "/tarvik/" + fileName;
}

namespace {

bool Exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// The folder's real path, or the path as given when it does not resolve.
std::string RealFolder(const std::string& folder)
{
    char* real = realpath(folder.c_str(), nullptr);
    const std::string result = real ? real : folder;
    std::free(real);
    return result;
}

// An installed copy lies in the bin folder of the prefix it was built to be
// installed into (cmake --install), or in one of the system's (a package).
// Its settings are the user's own: it never writes into that shared folder,
// even where it could (as root); a file an administrator put there is where
// each user's settings start. A build tree or a copy in a folder of one's own
// is no installed copy.
bool IsInstalledCopy(std::string_view modulePath)
{
    const size_t slash = modulePath.rfind('/');
    if (slash == std::string_view::npos)
        return false;
    const std::string folder = RealFolder(std::string(modulePath.substr(0, slash)));
    for (const char* bin : {TARVIK_INSTALL_BINDIR, "/usr/bin", "/usr/local/bin", "/usr/games"})
        if (folder == RealFolder(bin))
            return true;
    return false;
}

// Whether the settings go beside the executable: it is no installed copy,
// and the file can be written there. When not, errno says why (0 for an
// installed copy).
bool BesideIsTheFile(const std::string& beside, std::string_view modulePath)
{
    if (IsInstalledCopy(modulePath)) {
        errno = 0;
        return false;
    }
    return ini::CanReplace(beside);
}

}  // namespace

std::string ChooseProfilePath(std::string_view modulePath)
{
    const std::string beside = ProfilePathBeside(modulePath);
    if (BesideIsTheFile(beside, modulePath))
        return beside;
    const std::string config = ProfilePathInConfig(modulePath, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    return config.empty() ? beside : config;
}

std::string PrepareProfilePath(std::string_view modulePath, std::string* note)
{
    const std::string beside = ProfilePathBeside(modulePath);
    if (BesideIsTheFile(beside, modulePath))
        return beside;
    const std::string why = std::strerror(errno ? errno : EACCES);
    struct stat st;
    const bool besideExists = Exists(beside);
    const std::string config = ProfilePathInConfig(modulePath, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (config.empty()) {
        if (note)
            *note = beside + " cannot be written (" + why + ") and there is no home folder: settings are not saved";
        return beside;
    }
    if (!besideExists)
        return config;  // nothing to start from: the per-user file, as always
    if (stat(config.c_str(), &st) != 0 && errno == ENOENT) {
        const auto bytes = ini::ReadBytes(beside);
        if (bytes && MakeParentFolders(config))
            ini::ReplaceFile(config, *bytes);
    }
    if (note && !IsInstalledCopy(modulePath))
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
    if (stat(dir.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return true;
        errno = ENOTDIR;  // a file stands where the folder should be
        return false;
    }
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
