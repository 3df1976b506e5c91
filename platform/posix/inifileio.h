// The INI file on disk: its encodings, atomic rewrites and the folder lock
// that lets several programs writing the same file take turns.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ini {

// How a file's text is stored: as bytes (UTF-8, or any 8-bit text; a UTF-8
// byte-order mark stays part of the text), or as UTF-16 with a byte-order
// mark, little- or big-endian, as Notepad saves "Unicode".
enum class Encoding { Bytes, Utf16LE, Utf16BE };

struct FileText {
    std::string text;  // UTF-16 is decoded to UTF-8, without its byte-order mark
    Encoding encoding = Encoding::Bytes;
};

// The whole file, or nullopt (with errno saying why) when it cannot be read;
// ReadBytes gives it as it is stored.
std::optional<FileText> ReadFile(const std::string& path);
std::optional<std::string> ReadBytes(const std::string& path);

// Replaces the file's content atomically, in the given encoding (UTF-16 with
// its byte-order mark): a temporary file in the same folder is written,
// flushed and renamed over it, keeping the old file's permissions. A symbolic
// link is followed, so the file it names is replaced. A file or folder that
// is read-only (no write permission bit, or not writable by this process) is
// left alone. False when nothing was changed, with errno saying why.
bool ReplaceFile(const std::string& path, std::string_view content, Encoding encoding = Encoding::Bytes);

// Whether ReplaceFile could write the file: its folder exists and is writable,
// and the file is writable or missing. When not, errno says why.
bool CanReplace(const std::string& path);

// An advisory lock (flock) of the folder the file lies in, held while it
// lives: two programs changing the same file take turns. Where the folder
// cannot be locked, nothing is held and nothing waits.
class FolderLock {
public:
    explicit FolderLock(const std::string& path);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int m_fd;
};

}  // namespace ini
