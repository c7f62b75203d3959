// A fresh folder for the simulated reader (ZELDRV_SIM_DIR), removed again at
// the end, and the reader's EEPROM reached through the real library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/win32/support/TempFolder.h"

class SimulatorFolder {
public:
    SimulatorFolder() : m_folder(L"vantrel-ui") {}
    ~SimulatorFolder();
    SimulatorFolder(const SimulatorFolder&) = delete;
    SimulatorFolder& operator=(const SimulatorFolder&) = delete;

    // Points ZELDRV_SIM_DIR at the new folder; false if it could not be made.
    bool Create();

    const std::wstring& Path() const { return m_folder.Path(); }

private:
    TempFolder m_folder;
};

// The reader's EEPROM bytes [address, address + length), through a
// connection of the test's own; empty when the reader cannot be read.
std::vector<uint8_t> ReadEeprom(int32_t address, int32_t length);
bool WriteEeprom(int32_t address, const std::vector<uint8_t>& bytes);
