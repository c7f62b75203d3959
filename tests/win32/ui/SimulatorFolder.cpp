#include "tests/win32/ui/SimulatorFolder.h"

#include "reader/zeldrv.h"

#include <windows.h>

namespace {

constexpr int32_t kPort = 100;
constexpr int32_t kBaud = 9600;

}  // namespace

SimulatorFolder::~SimulatorFolder() {
    if (m_folder.Created()) {
        SetEnvironmentVariableW(L"ZELDRV_SIM_DIR", nullptr);
    }
}

bool SimulatorFolder::Create() {
    return m_folder.Created() &&
           SetEnvironmentVariableW(L"ZELDRV_SIM_DIR", m_folder.Path().c_str()) != FALSE;
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
