// The private-profile functions on Linux: the INI text engine on the file
// on disk, and batches that read the file once and write it once.
#include "platform/win/winbase.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "platform/posix/inifileio.h"
#include "platform/win/inifile.h"

namespace {

// The file of the open profile batch, read once when the batch began.
struct ProfileBatch {
    std::string path;
    std::optional<ini::FileText> file;  // nullopt: no file yet, or none that can be read
    int unreadable = 0;                 // there, but it cannot be read: why (errno)
    bool changed = false;
    int depth = 1;
    std::unique_ptr<ini::FolderLock> lock;  // for a batch that writes
};
std::optional<ProfileBatch> s_batch;

ProfileBatch* BatchFor(LPCSTR file)
{
    return s_batch && file && s_batch->path == file ? &*s_batch : nullptr;
}

bool Exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

std::optional<std::string> ReadValue(LPCSTR section, LPCSTR key, LPCSTR file)
{
    if (!section || !key || !file)
        return std::nullopt;
    if (ProfileBatch* batch = BatchFor(file))
        return batch->file ? ini::FindValue(batch->file->text, section, key) : std::nullopt;
    const auto text = ini::ReadFile(file);
    if (!text)
        return std::nullopt;
    return ini::FindValue(text->text, section, key);
}

// The file's text with the key set: an existing file keeps its encoding and
// everything else in it, a missing one becomes a new CRLF file. nullopt when
// the file is there but cannot be read (what cannot be read cannot be kept),
// and an empty text when it holds the value already.
std::optional<ini::FileText> Written(const std::optional<ini::FileText>& file, bool unreadable,
                                     std::string_view section, std::string_view key, std::string_view value)
{
    if (unreadable)
        return std::nullopt;
    if (!file)
        return ini::FileText{ini::NewFileWith(section, key, value), ini::Encoding::Bytes};
    auto updated = ini::WithValue(file->text, section, key, value);
    return ini::FileText{updated ? std::move(*updated) : std::string(), file->encoding};
}

// The same change made in the batch's copy of the file.
bool WriteInBatch(ProfileBatch& batch, std::string_view section, std::string_view key, std::string_view value)
{
    if (batch.unreadable) {
        errno = batch.unreadable;
        return false;
    }
    if (!batch.file)
        batch.file = ini::FileText{ini::NewFileWith(section, key, value), ini::Encoding::Bytes};
    else if (!ini::SetValue(batch.file->text, section, key, value))
        return true;
    batch.changed = true;
    return true;
}

bool BreaksLines(std::string_view s)
{
    return s.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

UINT GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, int nDefault, LPCSTR lpFileName)
{
    const auto value = ReadValue(lpAppName, lpKeyName, lpFileName);
    if (!value || value->empty())
        return UINT(nDefault);
    return ini::ParseInt(*value);
}

DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault, LPSTR lpReturnedString,
                               DWORD nSize, LPCSTR lpFileName)
{
    if (!lpReturnedString || nSize == 0)
        return 0;
    const auto value = ReadValue(lpAppName, lpKeyName, lpFileName);
    std::string text = value ? *value : std::string(lpDefault ? lpDefault : "");
    if (!value)
        text.erase(text.find_last_not_of(" \t") + 1);  // a default's trailing blanks go
    const size_t n = std::min<size_t>(text.size(), nSize - 1);
    std::memcpy(lpReturnedString, text.data(), n);
    lpReturnedString[n] = '\0';
    return DWORD(n);
}

BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString, LPCSTR lpFileName)
{
    if (!lpAppName || !lpKeyName || !lpString || !lpFileName)
        return FALSE;
    const std::string_view section(lpAppName), key(lpKeyName), value(lpString);
    if (BreaksLines(section) || BreaksLines(key) || BreaksLines(value) || key.find('=') != std::string_view::npos ||
        section.find(']') != std::string_view::npos)
        return FALSE;

    if (ProfileBatch* batch = BatchFor(lpFileName))
        return WriteInBatch(*batch, section, key, value);

    const ini::FolderLock lock(lpFileName);
    const auto file = ini::ReadFile(lpFileName);
    const int readError = errno;
    const auto written = Written(file, !file && Exists(lpFileName), section, key, value);
    if (!written) {
        errno = readError;
        return FALSE;
    }
    if (written->text.empty())
        return TRUE;  // the file holds that value already
    return ini::ReplaceFile(lpFileName, written->text, written->encoding);
}

BOOL AfxBeginProfileBatch(LPCSTR lpFileName, BOOL bForWriting)
{
    if (!lpFileName)
        return FALSE;
    if (ProfileBatch* batch = BatchFor(lpFileName)) {
        ++batch->depth;
        errno = 0;
        return TRUE;
    }
    if (s_batch)
        return FALSE;  // one file at a time
    s_batch.emplace();
    s_batch->path = lpFileName;
    if (bForWriting)
        s_batch->lock = std::make_unique<ini::FolderLock>(lpFileName);
    s_batch->file = ini::ReadFile(lpFileName);
    const int error = errno ? errno : EIO;
    s_batch->unreadable = !s_batch->file && Exists(lpFileName) ? error : 0;
    errno = s_batch->unreadable;
    return TRUE;
}

BOOL AfxEndProfileBatch()
{
    if (!s_batch || --s_batch->depth > 0)
        return TRUE;
    BOOL ok = TRUE;
    if (s_batch->changed && s_batch->file)
        ok = ini::ReplaceFile(s_batch->path, s_batch->file->text, s_batch->file->encoding);
    const int error = errno;
    s_batch.reset();
    errno = ok ? 0 : error;
    return ok;
}
