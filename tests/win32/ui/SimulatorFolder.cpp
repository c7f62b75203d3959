#include "tests/win32/ui/SimulatorFolder.h"

#include "reader/zeldrv.h"

#include <windows.h>

namespace {

constexpr int32_t kPort = 100;
constexpr int32_t kBaud = 9600;

void RemoveFolder(const std::wstring& path) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                DeleteFileW((path + L"\\" + found.cFileName).c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

}  // namespace

SimulatorFolder::~SimulatorFolder() {
    if (!m_path.empty()) {
        SetEnvironmentVariableW(L"ZELDRV_SIM_DIR", nullptr);
        RemoveFolder(m_path);
    }
}

bool SimulatorFolder::Create() {
    static unsigned counter = 0;
    wchar_t temp[MAX_PATH] = {};
    const DWORD length = GetTempPathW(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) {
        return false;
    }
    m_path = std::wstring(temp) + L"vantrel-ui-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(++counter);
    RemoveFolder(m_path);  // left over from an earlier run with the same numbers
    if (!CreateDirectoryW(m_path.c_str(), nullptr)) {
        m_path.clear();
        return false;
    }
    return SetEnvironmentVariableW(L"ZELDRV_SIM_DIR", m_path.c_str()) != FALSE;
}

std::vector<uint8_t> ReadEeprom(int32_t address, int32_t length) {
    const int32_t handle = zel_init(kPort, kBaud);
    if (handle <= 0) {
        return {};
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    const int32_t result = zel_srd_eeprom(handle, address, length, bytes.data());
    zel_exit(handle);
    return result == 0 ? bytes : std::vector<uint8_t>{};
}

bool WriteEeprom(int32_t address, const std::vector<uint8_t>& bytes) {
    const int32_t handle = zel_init(kPort, kBaud);
    if (handle <= 0) {
        return false;
    }
    std::vector<uint8_t> data = bytes;
    const int32_t result =
        zel_swr_eeprom(handle, address, static_cast<int32_t>(data.size()), data.data());
    return zel_exit(handle) == 0 && result == 0;
}
