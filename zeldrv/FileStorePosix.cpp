#include "zeldrv/FileStore.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace zel {
namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool closeChecked() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, const uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be synced is not an error.
void syncFolder(const Path& folder) {
    Fd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
}

}  // namespace

ReadResult readExact(const Path& file, uint8_t* out, std::size_t size) {
    Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        return errno == ENOENT ? ReadResult::kMissing : ReadResult::kError;
    }
    std::size_t total = 0;
    for (;;) {
        uint8_t extra = 0;
        uint8_t* dest = total < size ? out + total : &extra;
        const std::size_t want = total < size ? size - total : 1;
        const ssize_t n = ::read(fd.get(), dest, want);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return ReadResult::kError;
        }
        if (n == 0) {
            break;
        }
        total += static_cast<std::size_t>(n);
        if (total > size) {
            return ReadResult::kWrongSize;
        }
    }
    return total == size ? ReadResult::kOk : ReadResult::kWrongSize;
}

bool writeAtomic(const Path& file, const uint8_t* data, std::size_t size) {
    Path temp = file;
    temp += ".tmp";
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0) {
        return false;
    }
    const bool written = writeAll(fd.get(), data, size) && ::fsync(fd.get()) == 0;
    if (!fd.closeChecked() || !written || ::rename(temp.c_str(), file.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolder(file.parent_path());
    return true;
}

}  // namespace zel
