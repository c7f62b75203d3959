#include "zeldrv/FileStore.h"

#include <windows.h>

namespace zel {
namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle() {
        if (h_ != INVALID_HANDLE_VALUE) {
            CloseHandle(h_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return h_; }
    bool closeChecked() {
        const HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        return CloseHandle(h) != 0;
    }

private:
    HANDLE h_;
};

}  // namespace

ReadResult readExact(const Path& file, uint8_t* out, std::size_t size) {
    FileHandle h(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (h.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ReadResult::kMissing
                                                                               : ReadResult::kError;
    }
    std::size_t total = 0;
    for (;;) {
        uint8_t extra = 0;
        uint8_t* dest = total < size ? out + total : &extra;
        const DWORD want = static_cast<DWORD>(total < size ? size - total : 1);
        DWORD got = 0;
        if (!ReadFile(h.get(), dest, want, &got, nullptr)) {
            return ReadResult::kError;
        }
        if (got == 0) {
            break;
        }
        total += got;
        if (total > size) {
            return ReadResult::kWrongSize;
        }
    }
    return total == size ? ReadResult::kOk : ReadResult::kWrongSize;
}

bool writeAtomic(const Path& file, const uint8_t* data, std::size_t size) {
    Path temp = file;
    temp += L".tmp";
    FileHandle h(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (h.get() == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool written = true;
    while (written && size > 0) {
        DWORD put = 0;
        written = WriteFile(h.get(), data, static_cast<DWORD>(size), &put, nullptr) && put > 0;
        data += put;
        size -= put;
    }
    written = written && FlushFileBuffers(h.get());
    if (!h.closeChecked() || !written ||
        !MoveFileExW(temp.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace zel
