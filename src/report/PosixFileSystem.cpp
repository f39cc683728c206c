#include "PosixFileSystem.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace selen {

namespace {
FileResult systemFailure(const std::string& path)
{
    return FileResult::failure(path + ": " + std::strerror(errno));
}

// Closes on every path out, so an early return never leaks the descriptor.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release()
    {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

// Writes every byte, going on after an interrupted call; false with errno set
// when the system refuses (a full disk, the file-size limit).
bool writeAll(int fd, std::string_view bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// More links than this in a row are taken for a loop, as the system does.
constexpr int kMaxLinkHops = 40;
}  // namespace

void ignoreFileSizeSignal()
{
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, nullptr);
}

bool PosixFileSystem::exists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool PosixFileSystem::isDirectory(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

FileResult PosixFileSystem::remove(const std::string& path)
{
    if (::unlink(path.c_str()) != 0)
        return systemFailure(path);
    return FileResult::success();
}

FileResult PosixFileSystem::rename(const std::string& from, const std::string& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        return systemFailure(to);
    return FileResult::success();
}

FileResult PosixFileSystem::writeFile(const std::string& path, std::string_view bytes)
{
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0)
        return systemFailure(path);
    if (!writeAll(fd.get(), bytes))
        return systemFailure(path);
    if (::fsync(fd.get()) != 0)
        return systemFailure(path);
    if (::close(fd.release()) != 0)
        return systemFailure(path);
    return FileResult::success();
}

FileResult PosixFileSystem::createFile(const std::string& path, std::string_view bytes,
                                       std::optional<unsigned> permissions)
{
    // O_EXCL refuses any existing name, a planted link included, so the bytes
    // can only land in a file made here. A file that is to get given bits
    // stays private to its owner until it has them.
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                         permissions ? 0600 : 0666));
    if (fd.get() < 0)
        return systemFailure(path);
    auto undo = [&] {
        const int cause = errno;
        if (fd.get() >= 0)
            ::close(fd.release());
        ::unlink(path.c_str());
        errno = cause;
        return systemFailure(path);
    };
    if (!writeAll(fd.get(), bytes))
        return undo();
    if (permissions && ::fchmod(fd.get(), static_cast<mode_t>(*permissions & 0777)) != 0)
        return undo();
    if (::fsync(fd.get()) != 0)
        return undo();
    if (::close(fd.release()) != 0)
        return undo();
    return FileResult::success();
}

FileResult PosixFileSystem::permissions(const std::string& path, unsigned& bits)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return systemFailure(path);
    bits = static_cast<unsigned>(info.st_mode & 0777);
    return FileResult::success();
}

FileResult PosixFileSystem::linkTarget(const std::string& path, std::string& target)
{
    std::string current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno != ENOENT)
                return systemFailure(current);
            target = current;  // a file still to be made
            return FileResult::success();
        }
        if (!S_ISLNK(info.st_mode)) {
            target = current;
            return FileResult::success();
        }
        char buffer[4096];
        ssize_t n = ::readlink(current.c_str(), buffer, sizeof buffer);
        if (n < 0)
            return systemFailure(current);
        if (static_cast<std::size_t>(n) == sizeof buffer) {
            errno = ENAMETOOLONG;
            return systemFailure(current);
        }
        std::string next(buffer, static_cast<std::size_t>(n));
        if (!next.starts_with('/')) {
            const std::size_t slash = current.find_last_of('/');
            next.insert(0, slash == std::string::npos ? std::string() : current.substr(0, slash + 1));
        }
        current = std::move(next);
    }
    errno = ELOOP;
    return systemFailure(path);
}

FileResult PosixFileSystem::readFile(const std::string& path, std::string& bytes)
{
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return systemFailure(path);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return systemFailure(path);
    if (S_ISDIR(info.st_mode)) {
        errno = EISDIR;
        return systemFailure(path);
    }
    std::string data;
    data.reserve(std::min(static_cast<std::size_t>(info.st_size), kMaxReadBytes));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return systemFailure(path);
        }
        if (n == 0)
            break;
        if (data.size() + static_cast<std::size_t>(n) > kMaxReadBytes)
            return FileResult::failure(path + ": the file is too large to be a report");
        data.append(buffer, static_cast<std::size_t>(n));
    }
    bytes = std::move(data);
    return FileResult::success();
}

}  // namespace selen
