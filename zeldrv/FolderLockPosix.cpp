#include "zeldrv/FolderLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zel {

FolderLock::~FolderLock() { release(); }

Status FolderLock::acquire(const Path& file) {
    release();
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return kStorage;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? kBusy : kStorage;
    }
    fd_ = fd;
    return kOk;
}

void FolderLock::release() {
    if (fd_ >= 0) {
        ::close(fd_);  // drops the lock; the file stays, harmless
        fd_ = -1;
    }
}

}  // namespace zel
