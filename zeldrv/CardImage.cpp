#include "zeldrv/CardImage.h"

#include <algorithm>

namespace zel {

CardImage factoryCard() {
    CardImage card{};
    const uint8_t uid[4] = {0xC3, 0x5A, 0x2E, 0x91};
    const uint8_t manufacturer[] = {
        uid[0], uid[1], uid[2], uid[3],
        static_cast<uint8_t>(uid[0] ^ uid[1] ^ uid[2] ^ uid[3]),  // BCC
        0x08,                                                     // SAK: Classic 1K
        0x04, 0x00,                                               // ATQA, low byte first
        'Z', 'E', 'L', 'S', 'I', 'M', '1', '0'};
    std::copy(std::begin(manufacturer), std::end(manufacturer), card.begin());
    const uint8_t trailer[kBlockSize] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x07,
                                         0x80, 0x69, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (int sector = 0; sector < kSectorCount; ++sector) {
        std::copy(std::begin(trailer), std::end(trailer), card.begin() + trailerOf(sector) * kBlockSize);
    }
    return card;
}

}  // namespace zel
