// Card dumps and keys the card tests start from, written out independently of
// the library.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace cards {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t kFactoryKey[6] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
constexpr uint32_t kFactorySerial = 0xC35A2E91u;  // UID C3 5A 2E 91, UID0 most significant
constexpr uint8_t kTransportAccess[4] = {0xFF, 0x07, 0x80, 0x69};

inline Bytes block(const Bytes& card, int n) { return Bytes(card.begin() + 16 * n, card.begin() + 16 * n + 16); }

inline void setBlock(Bytes& card, int n, const Bytes& data) {
    for (int i = 0; i < 16; ++i) {
        card[static_cast<std::size_t>(16 * n + i)] = data[static_cast<std::size_t>(i)];
    }
}

inline Bytes trailer(const uint8_t* keyA, const uint8_t* access, const uint8_t* keyB) {
    Bytes t(keyA, keyA + 6);
    t.insert(t.end(), access, access + 4);
    t.insert(t.end(), keyB, keyB + 6);
    return t;
}

// The card a new simulator folder gets.
inline Bytes factoryCard() {
    Bytes card(1024, 0x00);
    setBlock(card, 0, {0xC3, 0x5A, 0x2E, 0x91, 0x26, 0x08, 0x04, 0x00, 'Z', 'E', 'L', 'S', 'I', 'M', '1', '0'});
    for (int sector = 0; sector < 16; ++sector) {
        setBlock(card, 4 * sector + 3, trailer(kFactoryKey, kTransportAccess, kFactoryKey));
    }
    return card;
}

}  // namespace cards

namespace cards {

inline std::string hex(const Bytes& b) {
    std::string s;
    char two[4];
    for (uint8_t v : b) {
        std::snprintf(two, sizeof two, "%02X ", v);
        s += two;
    }
    return s;
}

// Compares two dumps block by block and names the first block that differs.
inline ::testing::AssertionResult sameCard(const Bytes& expected, const Bytes& actual) {
    if (expected.size() != actual.size()) {
        return ::testing::AssertionFailure() << "dump of " << actual.size() << " bytes, expected "
                                             << expected.size();
    }
    for (int n = 0; n < static_cast<int>(expected.size()) / 16; ++n) {
        if (block(expected, n) != block(actual, n)) {
            return ::testing::AssertionFailure() << "block " << n << ": expected " << hex(block(expected, n))
                                                 << "got " << hex(block(actual, n));
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace cards
