// The INI text engine behind the private-profile functions.
//
// Section and key names match without regard to ASCII letter case; the first of
// duplicate sections, and the first of duplicate keys in it, is the one read and
// written. Everything a write does not touch is kept byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ini {

// Lines end with CRLF, LF or a lone CR.
//
// The value of the key, with blanks trimmed and one pair of matching quotes
// around it removed; nullopt when the section or the key does not exist, or
// when the key's line has no '=' (no value).
std::optional<std::string> FindValue(std::string_view text, std::string_view section, std::string_view key);

// The text with the key set to the value: replaced in place when it exists
// (a key line without '=' gets "=value"), appended after the last non-blank
// line of its section otherwise, and the section appended to the end when it
// is missing. nullopt when the key already
// holds the value, so that nothing needs writing.
std::optional<std::string> WithValue(std::string_view text, std::string_view section, std::string_view key,
                                     std::string_view value);
// The same change made in the text itself; false when nothing changed.
bool SetValue(std::string& text, std::string_view section, std::string_view key, std::string_view value);

// The text of a new file holding only the key, with CRLF line endings.
std::string NewFileWith(std::string_view section, std::string_view key, std::string_view value);

// An integer as the profile reader takes it: blanks, one optional sign, an
// optional 0x, 0o or 0b prefix, then the leading digits, wrapping modulo 2^32.
// No digits gives 0.
unsigned ParseInt(std::string_view value);

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

// Creates the folders leading to the file (mode 0700, as for a user's
// configuration); false when one cannot be made.
bool MakeParentFolders(const std::string& path);

}  // namespace ini
