// Keeps the simulated reader to one connection across processes, as a serial
// port is: an exclusive lock on a file in the simulator's folder, released on
// close or when the process ends.
#pragma once

#include "zeldrv/FileStore.h"
#include "zeldrv/Status.h"

namespace zel {

class FolderLock {
public:
    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // kOk, kBusy when another holder has it, kStorage when the file cannot be opened.
    Status acquire(const Path& file);
    void release();

private:
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

}  // namespace zel
