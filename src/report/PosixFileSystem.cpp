#include "PosixFileSystem.h"

#include <fcntl.h>
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
}  // namespace

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
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd.get(), bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return systemFailure(path);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.get()) != 0)
        return systemFailure(path);
    if (::close(fd.release()) != 0)
        return systemFailure(path);
    return FileResult::success();
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
