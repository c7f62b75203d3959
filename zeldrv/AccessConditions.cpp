#include "zeldrv/AccessConditions.h"

namespace zel {
namespace {

// Who may: key A, key B, both, or neither.
constexpr uint8_t NO = 0, A = 1, B = 2, AB = A | B;

// Data blocks, indexed by C1C2C3: read, write, increment, decrement/transfer/restore.
constexpr uint8_t kDataRights[8][4] = {
    {AB, AB, AB, AB},  // 000
    {AB, NO, NO, AB},  // 001
    {AB, NO, NO, NO},  // 010
    {B, B, NO, NO},    // 011
    {AB, B, NO, NO},   // 100
    {B, NO, NO, NO},   // 101
    {AB, B, B, AB},    // 110
    {NO, NO, NO, NO},  // 111
};

// Trailer, indexed by C1C2C3: {read, write} of key A, access bits, key B.
constexpr uint8_t kTrailerRights[8][3][2] = {
    {{NO, A}, {A, NO}, {A, A}},    // 000
    {{NO, A}, {A, A}, {A, A}},     // 001
    {{NO, NO}, {A, NO}, {A, NO}},  // 010
    {{NO, B}, {AB, B}, {NO, B}},   // 011
    {{NO, B}, {AB, NO}, {NO, B}},  // 100
    {{NO, NO}, {AB, B}, {NO, NO}}, // 101
    {{NO, NO}, {AB, NO}, {NO, NO}},// 110
    {{NO, NO}, {AB, NO}, {NO, NO}},// 111
};

uint8_t keyBit(KeyType key) { return key == KeyType::kA ? A : B; }

}  // namespace

bool AccessConditions::decode(const uint8_t* bytes, AccessConditions& out) {
    const uint8_t notC1 = bytes[0] & 0x0F;
    const uint8_t notC2 = bytes[0] >> 4;
    const uint8_t notC3 = bytes[1] & 0x0F;
    const uint8_t c1 = bytes[1] >> 4;
    const uint8_t c2 = bytes[2] & 0x0F;
    const uint8_t c3 = bytes[2] >> 4;
    if ((c1 ^ notC1) != 0x0F || (c2 ^ notC2) != 0x0F || (c3 ^ notC3) != 0x0F) {
        return false;
    }
    out.c1_ = c1;
    out.c2_ = c2;
    out.c3_ = c3;
    return true;
}

uint8_t AccessConditions::bits(int blockInSector) const {
    const int n = blockInSector & 3;
    return static_cast<uint8_t>(((c1_ >> n) & 1) << 2 | ((c2_ >> n) & 1) << 1 | ((c3_ >> n) & 1));
}

bool AccessConditions::allows(int blockInSector, DataOp op, KeyType key) const {
    return (kDataRights[bits(blockInSector)][static_cast<int>(op)] & keyBit(key)) != 0;
}

bool AccessConditions::allowsRead(TrailerField field, KeyType key) const {
    return (kTrailerRights[bits(3)][static_cast<int>(field)][0] & keyBit(key)) != 0;
}

bool AccessConditions::allowsWrite(TrailerField field, KeyType key) const {
    return (kTrailerRights[bits(3)][static_cast<int>(field)][1] & keyBit(key)) != 0;
}

bool AccessConditions::keyBReadable() const {
    return kTrailerRights[bits(3)][static_cast<int>(TrailerField::kKeyB)][0] != NO;
}

}  // namespace zel
