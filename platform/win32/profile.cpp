// Where the INI file lives on Windows, and the batches of profile calls. The
// system's private-profile functions read and write the file itself.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/win/profilepath.h"
#include "platform/win/winbase.h"
#include "platform/win32/text.h"

namespace {

std::filesystem::path FsPath(const std::string& utf8)
{
    return std::filesystem::path(Widen(utf8.c_str()));
}

bool Exists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(FsPath(path), error);
}

// The file can be written, or made in its folder. A read-only file cannot,
// whoever runs the program (Wine run by root would write through it).
bool CanWrite(const std::string& path)
{
    const std::wstring wide = Widen(path.c_str());
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    HANDLE h = Exists(path) ? CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
                            : CreateFileW((wide + L".tarvik-probe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(h);
    return true;
}

// One lock per file for the whole session, shared by every copy of the program.
struct Batch {
    int depth = 0;
    HANDLE mutex = nullptr;
    std::string path;
};
Batch s_batch;

}  // namespace

std::string ModulePath()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
        if (n == 0)
            return {};
        if (n < buffer.size()) {
            buffer.resize(n);
            return Narrow(buffer.c_str());
        }
        buffer.resize(buffer.size() * 2);
    }
}

// On Windows the user's configuration folder is the roaming application
// data folder; the XDG variables mean nothing there.
std::string ProfilePathInConfig(std::string_view modulePath, const char*, const char*)
{
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (!appData || !*appData)
        return {};
    const std::string beside = ProfilePathBeside(modulePath);
    return Narrow(appData) + "\\tarvik\\" + beside.substr(beside.find_last_of("\\/") + 1);
}

std::string ChooseProfilePath(std::string_view modulePath)
{
    const std::string beside = ProfilePathBeside(modulePath);
    if (CanWrite(beside))
        return beside;
    const std::string config = ProfilePathInConfig(modulePath, nullptr, nullptr);
    return config.empty() ? beside : config;
}

std::string PrepareProfilePath(std::string_view modulePath, std::string* note)
{
    const std::string beside = ProfilePathBeside(modulePath);
    if (CanWrite(beside))
        return beside;
    const std::string config = ProfilePathInConfig(modulePath, nullptr, nullptr);
    if (config.empty()) {
        if (note)
            *note = beside + " cannot be written and there is no application data folder: settings are not saved";
        return beside;
    }
    if (!Exists(beside))
        return config;  // installed in a protected folder: the per-user file, as always
    std::error_code error;
    if (!Exists(config) && MakeParentFolders(config))
        std::filesystem::copy_file(FsPath(beside), FsPath(config), error);
    // The copy takes the read-only attribute along, which would stop every
    // save into it; an earlier copy may have kept it too. The user's copy
    // is there to be written.
    const std::wstring wide = Widen(config.c_str());
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesW(wide.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
    if (note)
        *note = beside + " cannot be written; the settings are kept in " + config;
    return config;
}

bool MakeParentFolders(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path parent = FsPath(path).parent_path();
    if (parent.empty() || std::filesystem::is_directory(parent, error) ||
        std::filesystem::create_directories(parent, error))
        return true;
    errno = error.default_error_condition().value();  // the system's error as errno has it, where it can
    return false;
}

BOOL AfxBeginProfileBatch(LPCSTR lpFileName, BOOL bForWriting)
{
    errno = 0;
    if (!lpFileName || (s_batch.depth > 0 && s_batch.path != lpFileName))
        return FALSE;
    if (s_batch.depth++ == 0)
        s_batch.path = lpFileName;
    if (bForWriting && !s_batch.mutex) {
        // Two copies of the program closing together take turns, so that the
        // file ends up with one complete set of settings.
        std::wstring lower = FsPath(lpFileName).lexically_normal().wstring();
        CharLowerW(lower.data());
        const std::wstring name = L"Local\\tarvik-profile-" + std::to_wstring(std::hash<std::wstring>{}(lower));
        s_batch.mutex = CreateMutexW(nullptr, FALSE, name.c_str());
        if (s_batch.mutex)
            WaitForSingleObject(s_batch.mutex, 10000);
    }
    // errno says only whether a file that is there cannot be read; looking
    // for it may leave its own errno behind.
    int error = 0;
    if (Exists(lpFileName)) {
        if (std::FILE* file = _wfopen(Widen(lpFileName).c_str(), L"rb"))
            std::fclose(file);
        else
            error = EACCES;
    }
    errno = error;
    return TRUE;
}

BOOL AfxEndProfileBatch()
{
    if (s_batch.depth == 0 || --s_batch.depth > 0)
        return TRUE;
    BOOL ok = TRUE;
    int error = 0;
    if (s_batch.mutex) {
        // The system wrote each key as it was set; a file it could not write
        // is one that cannot be opened for writing now.
        if (Exists(s_batch.path) && !CanWrite(s_batch.path)) {
            error = EACCES;
            ok = FALSE;
        }
        ReleaseMutex(s_batch.mutex);
        CloseHandle(s_batch.mutex);
        s_batch.mutex = nullptr;
    }
    errno = error;
    return ok;
}
