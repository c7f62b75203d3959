// The access conditions of one MIFARE Classic sector, from trailer bytes 6..8,
// and what each condition lets key A and key B do.
#pragma once

#include <cstdint>

namespace zel {

enum class KeyType { kA, kB };

enum class DataOp { kRead, kWrite, kIncrement, kDecrementTransfer };

enum class TrailerField { kKeyA, kAccessBits, kKeyB };

class AccessConditions {
public:
    // False when the inverted copies do not match (a card would block the sector).
    static bool decode(const uint8_t* bytes, AccessConditions& out);

    // C1C2C3 of block 0..3 of the sector (3 = trailer) as a number 0..7.
    uint8_t bits(int blockInSector) const;

    bool allows(int blockInSector, DataOp op, KeyType key) const;
    bool allowsRead(TrailerField field, KeyType key) const;
    bool allowsWrite(TrailerField field, KeyType key) const;
    // Where key B can be read it is no key: the card refuses everything after it.
    bool keyBReadable() const;

private:
    uint8_t c1_ = 0, c2_ = 0, c3_ = 0;  // one bit per block, bit n for block n
};

}  // namespace zel
