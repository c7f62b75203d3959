// The reader's EEPROM, held in memory and written through to its file.
#pragma once

#include <array>
#include <cstdint>

#include "zeldrv/FileStore.h"
#include "zeldrv/Status.h"

namespace zel {

class Eeprom {
public:
    static constexpr int32_t kSize = 256;
    using Image = std::array<uint8_t, kSize>;

    // Addresses 1..10 hold the configuration (TypeA, TypeB, 125kID, order
    // Default, format Hex, check code: all 1; key 3A 7C 1E 95); every other byte is FF.
    static Image factoryImage();

    // kOk, kStorage (unreadable or not exactly kSize bytes). A missing file is
    // reported as kStorage too; the caller creates it first.
    Status load(const Path& file);
    Status read(int32_t address, int32_t length, uint8_t* out) const;
    // Writes through; when the file cannot be written nothing changes.
    Status write(int32_t address, int32_t length, const uint8_t* in);

private:
    static bool inRange(int32_t address, int32_t length);

    Path file_;
    Image image_{};
};

}  // namespace zel
