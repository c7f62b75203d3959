// One open connection to the simulated reader: its EEPROM, the keys loaded
// into it, and the card on its field. Every operation first checks that the
// reader is still plugged in; once it was found unplugged the connection
// stays lost and only closing it is left.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "zeldrv/Eeprom.h"
#include "zeldrv/FolderLock.h"
#include "zeldrv/MifareCard.h"
#include "zeldrv/SimFolder.h"
#include "zeldrv/Status.h"

namespace zel {

class SimReader {
public:
    static constexpr uint8_t kKeyModeA = 0;
    static constexpr uint8_t kKeyModeB = 4;
    static constexpr uint16_t kResetMaxMs = 1000;

    // Finds the folder, takes the reader's lock, creates the factory state in
    // a new folder and loads the EEPROM.
    Status open();
    void close();

    Status readEeprom(int32_t address, int32_t length, uint8_t* out);
    Status writeEeprom(int32_t address, int32_t length, const uint8_t* in);
    // Writes the version text and its NUL, at most 16 bytes.
    Status version(char* out16);
    // Switches the field off for arg milliseconds (1..kResetMaxMs; not waited for).
    Status reset(uint16_t arg);

    Status findCard(uint8_t mode, uint32_t& serial);
    Status loadKey(uint8_t mode, uint8_t sector, const uint8_t* key6);
    Status authenticate(uint8_t mode, uint8_t sector);
    // The card itself, after the connection check.
    Status card(MifareCard*& out);

private:
    Status online();
    static bool keyType(uint8_t mode, KeyType& out);

    SimFolder folder_;
    FolderLock lock_;
    Eeprom eeprom_;
    MifareCard card_;
    std::array<std::optional<CardKey>, kSectorCount> keysA_{}, keysB_{};
    bool lost_ = false;
};

}  // namespace zel
