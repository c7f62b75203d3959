#include "zeldrv/FolderLock.h"

#include <windows.h>

namespace zel {

FolderLock::~FolderLock() { release(); }

Status FolderLock::acquire(const Path& file) {
    release();
    // No sharing: a second opener gets a sharing violation until this handle closes.
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ? kBusy : kStorage;
    }
    handle_ = h;
    return kOk;
}

void FolderLock::release() {
    if (handle_ != nullptr) {
        CloseHandle(static_cast<HANDLE>(handle_));
        handle_ = nullptr;
    }
}

}  // namespace zel
