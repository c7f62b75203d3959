// The memory of a MIFARE Classic 1K card, as its raw dump: 16 sectors of
// 4 blocks of 16 bytes, block 0 first; block 3 of each sector is its trailer.
#pragma once

#include <array>
#include <cstdint>

namespace zel {

constexpr int kBlockSize = 16;
constexpr int kBlockCount = 64;
constexpr int kSectorCount = 16;
constexpr int kCardSize = kBlockSize * kBlockCount;

// Trailer layout.
constexpr int kKeySize = 6;
constexpr int kKeyAOffset = 0;
constexpr int kAccessOffset = 6;  // 3 access bytes and the user byte
constexpr int kAccessSize = 4;
constexpr int kKeyBOffset = 10;

using CardImage = std::array<uint8_t, kCardSize>;

inline int sectorOf(int block) { return block / 4; }
inline int trailerOf(int sector) { return sector * 4 + 3; }
inline bool isTrailer(int block) { return block % 4 == 3; }

// A factory-fresh card of the simulator: UID C3 5A 2E 91, keys FF x 6,
// access bytes FF 07 80 69, data blocks zero.
CardImage factoryCard();

}  // namespace zel
