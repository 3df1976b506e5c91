// Reading and replacing the INI file on disk: encodings, symbolic links,
// atomic rewrites and the folder lock that lets several writers take turns.
#include "platform/posix/inifileio.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>

#include "platform/win/codepage.h"

namespace ini {

namespace {

constexpr std::string_view kUtf16LE = "\xFF\xFE";
constexpr std::string_view kUtf16BE = "\xFE\xFF";

}  // namespace

std::optional<std::string> ReadBytes(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st;
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        close(fd);
        errno = EISDIR;
        return std::nullopt;
    }
    std::string content;
    if (st.st_size > 0)
        content.reserve(size_t(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0) {
            content.append(buffer, size_t(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            const int error = errno;
            close(fd);
            errno = error;
            return std::nullopt;
        }
    }
    close(fd);
    return content;
}

namespace {

std::string Encode(std::string_view text, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf16LE:
        return std::string(kUtf16LE) + Utf8ToUtf16(text, false);
    case Encoding::Utf16BE:
        return std::string(kUtf16BE) + Utf8ToUtf16(text, true);
    default:
        return std::string(text);
    }
}

}  // namespace

std::optional<FileText> ReadFile(const std::string& path)
{
    auto bytes = ReadBytes(path);
    if (!bytes)
        return std::nullopt;
    const std::string_view view(*bytes);
    if (view.substr(0, 2) == kUtf16LE)
        return FileText{Utf16ToUtf8(view.substr(2), false), Encoding::Utf16LE};
    if (view.substr(0, 2) == kUtf16BE)
        return FileText{Utf16ToUtf8(view.substr(2), true), Encoding::Utf16BE};
    return FileText{std::move(*bytes), Encoding::Bytes};
}

namespace {

std::string DirName(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path finally names, following symbolic links (also dangling ones,
// so that a link to a file not yet created makes that file). Empty, with
// errno ELOOP, for a loop of links.
std::string FollowLinks(std::string path)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        char target[PATH_MAX];
        const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
        if (n <= 0)
            return path;
        const std::string link(target, size_t(n));
        path = link.front() == '/' ? link : DirName(path) + "/" + link;
    }
    errno = ELOOP;
    return {};
}

// Whether the process may change what is at the path. The permission bits
// count even for a superuser: a file nobody may write stays as it is.
bool Writable(const std::string& path, const struct stat& st)
{
    if ((st.st_mode & 0222) == 0) {
        errno = EACCES;
        return false;
    }
    return access(path.c_str(), W_OK) == 0;
}

bool WriteAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t n = write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(size_t(n));
    }
    return true;
}

std::string TemporaryName(const std::string& target)
{
    static std::atomic<unsigned> s_counter{0};
    const size_t slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    return dir + "." + base + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(s_counter++);
}

}  // namespace

bool CanReplace(const std::string& path)
{
    const std::string target = FollowLinks(path);
    if (target.empty())
        return false;
    const std::string dir = DirName(target);
    struct stat st;
    if (stat(dir.c_str(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    if (!Writable(dir, st))
        return false;
    if (stat(target.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return false;
        errno = 0;
        return true;
    }
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    return Writable(target, st);
}

FolderLock::FolderLock(const std::string& path)
{
    const std::string target = FollowLinks(path);
    m_fd = open(DirName(target.empty() ? path : target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        return;
    while (flock(m_fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            close(m_fd);
            m_fd = -1;
            return;
        }
    }
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        close(m_fd);  // closing the folder releases the lock
}

bool ReplaceFile(const std::string& path, std::string_view text, Encoding encoding)
{
    if (!CanReplace(path))
        return false;
    const std::string encoded = encoding == Encoding::Bytes ? std::string() : Encode(text, encoding);
    const std::string_view content = encoding == Encoding::Bytes ? text : std::string_view(encoded);
    const std::string target = FollowLinks(path);
    const std::string dir = DirName(target);
    struct stat old;
    const bool exists = stat(target.c_str(), &old) == 0;

    const std::string temporary = TemporaryName(target);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    // The first step that fails says why in errno (a full disk: ENOSPC).
    int error = 0;
    auto step = [&error](bool done) {
        if (!done && error == 0)
            error = errno ? errno : EIO;
    };
    step(WriteAll(fd, content));
    if (error == 0 && exists) {
        step(fchmod(fd, old.st_mode & 07777) == 0);
        if (fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Only a superuser may give the file back to its owner; the
            // content matters more than the ownership.
        }
    }
    if (error == 0)
        step(fsync(fd) == 0);
    step(close(fd) == 0);
    if (error == 0)
        step(rename(temporary.c_str(), target.c_str()) == 0);
    if (error != 0) {
        unlink(temporary.c_str());
        errno = error;
        return false;
    }
    // Make the rename itself durable.
    const int dirFd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return true;
}

}  // namespace ini
