#include "tests/win32/support/TempFolder.h"

#include <windows.h>

namespace {

void RemoveTree(const std::wstring& dir) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((dir + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring full = dir + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(dir.c_str());
}

}  // namespace

TempFolder::TempFolder(const std::wstring& prefix) {
    static unsigned counter = 0;
    wchar_t temp[MAX_PATH] = {};
    const DWORD length = GetTempPathW(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) return;
    std::wstring path = std::wstring(temp) + prefix + L"-" + std::to_wstring(GetCurrentProcessId()) +
                        L"-" + std::to_wstring(++counter);
    RemoveTree(path);  // left over from an earlier run with the same numbers
    if (CreateDirectoryW(path.c_str(), nullptr)) m_path = path;
}

TempFolder::~TempFolder() {
    if (Created()) RemoveTree(m_path);
}
