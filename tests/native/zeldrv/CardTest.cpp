// The simulated MIFARE Classic 1K card through the library's card operations,
// checked against card.mfd itself.
#include <climits>
#include <cstring>
#include <functional>

#include "CardImages.h"
#include "SimFixture.h"

namespace {

using cards::kFactoryKey;
using cards::kTransportAccess;
using cards::sameCard;

class Card : public SimFixture {
public:  // reached from the lambdas of table rows too
    void SetUp() override {
        SimFixture::SetUp();
        h_ = open();
    }

    // Starts a new connection on a factory card.
    void restart() {
        close();
        put("card.mfd", cards::factoryCard());
        h_ = open();
    }

    void findAndAuthenticate(uint8_t sector, const uint8_t* key = kFactoryKey, uint8_t keyMode = 0) {
        uint32_t serial = 0;
        ASSERT_EQ(0, zel_card(h_, 1, &serial));
        ASSERT_EQ(0, zel_load_key(h_, keyMode, sector, key));
        ASSERT_EQ(0, zel_authentication(h_, keyMode, sector));
    }

    int32_t h_ = 0;
};

TEST_F(Card, CardTestSequenceEndsInTransportConfiguration) {
    uint32_t serial = 0;
    ASSERT_EQ(0, zel_card(h_, 0, &serial));
    EXPECT_EQ(cards::kFactorySerial, serial);
    ASSERT_EQ(0, zel_load_key(h_, 0, 3, kFactoryKey));
    ASSERT_EQ(0, zel_authentication(h_, 0, 3));

    uint8_t block[17];
    std::memset(block, 0x4D, 16);
    block[16] = 0;
    ASSERT_EQ(0, zel_write(h_, 12, block));
    std::memset(block, 0, 16);
    ASSERT_EQ(0, zel_read(h_, 12, block));
    EXPECT_EQ(Bytes(16, 0x4D), Bytes(block, block + 16));

    const char text[] = "汉字样例";
    static_assert(sizeof text == 9, "four GBK characters and a NUL");
    std::memcpy(block, text, sizeof text);
    ASSERT_EQ(0, zel_write(h_, 12, block));
    std::memset(block, 0, 16);
    ASSERT_EQ(0, zel_read(h_, 12, block));
    EXPECT_STREQ(text, reinterpret_cast<const char*>(block));
    EXPECT_EQ(Bytes(7, 0x4D), Bytes(block + 9, block + 16));

    ASSERT_EQ(0, zel_initval(h_, 12, 1000));
    ASSERT_EQ(0, zel_increment(h_, 12, 300));
    ASSERT_EQ(0, zel_transfer(h_, 12));
    ASSERT_EQ(0, zel_decrement(h_, 12, 200));
    ASSERT_EQ(0, zel_transfer(h_, 12));
    int32_t value = 0;
    ASSERT_EQ(0, zel_readval(h_, 12, &value));
    EXPECT_EQ(1100, value);
    ASSERT_EQ(0, zel_changeb3(h_, 3, kFactoryKey, kTransportAccess, 0, kFactoryKey));
    ASSERT_EQ(0, zel_halt(h_));

    Bytes expected = cards::factoryCard();
    cards::setBlock(expected, 12, {0x4C, 0x04, 0x00, 0x00, 0xB3, 0xFB, 0xFF, 0xFF, 0x4C, 0x04, 0x00, 0x00, 0x0C,
                                   0xF3, 0x0C, 0xF3});
    EXPECT_TRUE(sameCard(expected, bytes("card.mfd")));
    EXPECT_NE(0, zel_card(h_, 0, &serial)) << "the card is halted";
    EXPECT_EQ(0, zel_card(h_, 1, &serial)) << "and wakes up with mode 1";
}

// Each row fails one operation; the card file must be exactly as before it.
TEST_F(Card, FailedOperationsLeaveTheCardUnchanged) {
    static const uint8_t wrongKey[6] = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66};
    static const uint8_t brokenAccess[4] = {0xFF, 0x07, 0x81, 0x69};
    static uint8_t data[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    static uint8_t brokenTrailer[16] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00,
                                        0x00, 0x69, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    using Step = std::function<void(Card&, int32_t)>;
    using Call = std::function<int32_t(int32_t)>;
    const Step find = [](Card&, int32_t h) {
        uint32_t serial;
        ASSERT_EQ(0, zel_card(h, 0, &serial));
    };
    const Step auth3 = [](Card& t, int32_t) { t.findAndAuthenticate(3); };
    const Step auth3Value = [](Card& t, int32_t h) {
        t.findAndAuthenticate(3);
        ASSERT_EQ(0, zel_initval(h, 12, 5));
    };
    const struct {
        const char* label;
        Step prepare;
        Call fail;
    } rows[] = {
        {"wrong key",
         [](Card&, int32_t h) {
             uint32_t serial;
             ASSERT_EQ(0, zel_card(h, 0, &serial));
             ASSERT_EQ(0, zel_load_key(h, 0, 3, wrongKey));
         },
         [](int32_t h) { return zel_authentication(h, 0, 3); }},
        {"no key loaded", find, [](int32_t h) { return zel_authentication(h, 0, 3); }},
        {"authentication without a card found", [](Card&, int32_t h) { ASSERT_EQ(0, zel_load_key(h, 0, 3, kFactoryKey)); },
         [](int32_t h) { return zel_authentication(h, 0, 3); }},
        {"write without authentication", find, [](int32_t h) { return zel_write(h, 12, data); }},
        {"read without a card found", [](Card&, int32_t) {}, [](int32_t h) { return zel_read(h, 12, data); }},
        {"write in another sector", auth3, [](int32_t h) { return zel_write(h, 16, data); }},
        {"initval in another sector", auth3, [](int32_t h) { return zel_initval(h, 8, 5); }},
        {"write to block 0", [](Card& t, int32_t) { t.findAndAuthenticate(0); },
         [](int32_t h) { return zel_write(h, 0, data); }},
        {"block 64", auth3, [](int32_t h) { return zel_write(h, 64, data); }},
        {"increment of a non-value block", auth3, [](int32_t h) { return zel_increment(h, 12, 1); }},
        {"decrement of a non-value block",
         [](Card& t, int32_t h) {
             t.findAndAuthenticate(3);
             ASSERT_EQ(0, zel_write(h, 13, data));
         },
         [](int32_t h) { return zel_decrement(h, 13, 1); }},
        {"readval of a non-value block", auth3,
         [](int32_t h) {
             int32_t value = 0;
             return zel_readval(h, 12, &value);
         }},
        {"value block with one broken copy",
         [](Card& t, int32_t h) {
             t.findAndAuthenticate(3);
             uint8_t v[16] = {5, 0, 0, 0, 0xFA, 0xFF, 0xFF, 0xFF, 6, 0, 0, 0, 12, 0xF3, 12, 0xF3};
             ASSERT_EQ(0, zel_write(h, 12, v));
         },
         [](int32_t h) { return zel_increment(h, 12, 1); }},
        {"increment of the trailer", auth3, [](int32_t h) { return zel_increment(h, 15, 1); }},
        {"transfer without increment", auth3Value, [](int32_t h) { return zel_transfer(h, 12); }},
        {"transfer to another sector",
         [](Card& t, int32_t h) {
             t.findAndAuthenticate(3);
             ASSERT_EQ(0, zel_initval(h, 12, 5));
             ASSERT_EQ(0, zel_increment(h, 12, 1));
         },
         [](int32_t h) { return zel_transfer(h, 16); }},
        {"transfer to the trailer",
         [](Card& t, int32_t h) {
             t.findAndAuthenticate(3);
             ASSERT_EQ(0, zel_initval(h, 12, 5));
             ASSERT_EQ(0, zel_increment(h, 12, 1));
         },
         [](int32_t h) { return zel_transfer(h, 15); }},
        {"malformed access bytes", auth3,
         [](int32_t h) { return zel_changeb3(h, 3, kFactoryKey, brokenAccess, 0, kFactoryKey); }},
        {"malformed trailer written as a block", auth3, [](int32_t h) { return zel_write(h, 15, brokenTrailer); }},
        {"zero argument not 0", auth3,
         [](int32_t h) { return zel_changeb3(h, 3, wrongKey, kTransportAccess, 1, wrongKey); }},
        {"trailer of another sector", auth3,
         [](int32_t h) { return zel_changeb3(h, 4, wrongKey, kTransportAccess, 0, wrongKey); }},
        {"sector 16", auth3,
         [](int32_t h) { return zel_changeb3(h, 16, wrongKey, kTransportAccess, 0, wrongKey); }},
        {"halted card",
         [](Card& t, int32_t h) {
             t.findAndAuthenticate(3);
             ASSERT_EQ(0, zel_halt(h));
         },
         [](int32_t h) { return zel_write(h, 12, data); }},
        {"key B where it is readable",
         [](Card& t, int32_t) { t.findAndAuthenticate(3, kFactoryKey, 4); },
         [](int32_t h) { return zel_write(h, 12, data); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        restart();
        row.prepare(*this, h_);
        if (HasFatalFailure()) {
            return;
        }
        const Bytes before = bytes("card.mfd");
        EXPECT_NE(0, row.fail(h_));
        EXPECT_TRUE(sameCard(before, bytes("card.mfd")));
    }
}

TEST_F(Card, InvalidKeyModesAndSectorsFail) {
    uint32_t serial = 0;
    ASSERT_EQ(0, zel_card(h_, 0, &serial));
    const struct {
        const char* label;
        uint8_t mode, sector;
    } rows[] = {{"mode 1", 1, 3}, {"mode 2", 2, 3}, {"mode 5", 5, 3}, {"sector 16", 0, 16}, {"sector 255", 4, 255}};
    for (const auto& row : rows) {
        EXPECT_NE(0, zel_load_key(h_, row.mode, row.sector, kFactoryKey)) << row.label;
        EXPECT_NE(0, zel_authentication(h_, row.mode, row.sector)) << row.label;
    }
    EXPECT_NE(0, zel_card(h_, 2, &serial)) << "find mode 2";
    EXPECT_NE(0, zel_card(h_, 0, nullptr));
    EXPECT_NE(0, zel_load_key(h_, 0, 3, nullptr));
}

TEST_F(Card, NoCardOnTheField) {
    std::filesystem::remove(file("card.mfd"));
    uint32_t serial = 0xDEADBEEF;
    EXPECT_EQ(-6, zel_card(h_, 1, &serial));
    EXPECT_EQ(0xDEADBEEFu, serial) << "serial untouched";
    EXPECT_FALSE(std::filesystem::exists(file("card.mfd")));

    for (const size_t size : {1000, 1025, 4096}) {
        Bytes dump = cards::factoryCard();
        dump.resize(size, 0);
        put("card.mfd", dump);
        EXPECT_EQ(-6, zel_card(h_, 1, &serial)) << "a dump of " << size << " bytes is no 1K card";
        EXPECT_EQ(dump, bytes("card.mfd"));
    }
}

// After each event the sector is no longer authenticated; a new find and
// authentication bring it back.
TEST_F(Card, AuthenticationEnds) {
    static const uint8_t wrongKey[6] = {1, 2, 3, 4, 5, 6};
    const struct {
        const char* label;
        std::function<void(Card&, int32_t)> event;
    } rows[] = {
        {"halt", [](Card&, int32_t h) { ASSERT_EQ(0, zel_halt(h)); }},
        {"failed authentication",
         [](Card&, int32_t h) {
             ASSERT_EQ(0, zel_load_key(h, 0, 3, wrongKey));
             ASSERT_NE(0, zel_authentication(h, 0, 3));
             ASSERT_EQ(0, zel_load_key(h, 0, 3, kFactoryKey));
             EXPECT_NE(0, zel_authentication(h, 0, 3)) << "the card dropped out: find it first";
         }},
        {"authentication of another sector",
         [](Card&, int32_t h) {
             ASSERT_EQ(0, zel_load_key(h, 0, 4, kFactoryKey));
             ASSERT_EQ(0, zel_authentication(h, 0, 4));
             uint8_t data[16];
             EXPECT_EQ(0, zel_read(h, 16, data)) << "sector 4 is readable now";
         }},
        {"card removed and put back",
         [](Card& t, int32_t h) {
             std::filesystem::rename(t.file("card.mfd"), t.file("card.away"));
             uint8_t data[16];
             EXPECT_EQ(-6, zel_read(h, 12, data)) << "no card";
             std::filesystem::rename(t.file("card.away"), t.file("card.mfd"));
         }},
        {"another card presented",
         [](Card& t, int32_t) {
             Bytes other = t.bytes("card.mfd");
             other[20] = 0x77;
             t.put("card.mfd", other);
         }},
        {"field reset", [](Card&, int32_t h) { ASSERT_EQ(0, zel_reset(h, 2)); }},
        {"new find", [](Card&, int32_t h) {
             uint32_t serial;
             ASSERT_EQ(0, zel_card(h, 0, &serial));
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        restart();
        findAndAuthenticate(3);
        row.event(*this, h_);
        uint8_t data[16];
        EXPECT_NE(0, zel_read(h_, 12, data)) << "still authenticated";
        findAndAuthenticate(3);
        EXPECT_EQ(0, zel_read(h_, 12, data)) << "found and authenticated again";
    }
}

TEST_F(Card, HaltedCardAnswersOnlyAWakeUp) {
    uint32_t serial = 0;
    EXPECT_NE(0, zel_halt(h_)) << "no card selected";
    ASSERT_EQ(0, zel_card(h_, 0, &serial));
    ASSERT_EQ(0, zel_halt(h_));
    EXPECT_EQ(-6, zel_card(h_, 0, &serial)) << "idle request";
    EXPECT_NE(0, zel_halt(h_)) << "halted twice";
    ASSERT_EQ(0, zel_card(h_, 1, &serial)) << "wake-up request";
    EXPECT_EQ(cards::kFactorySerial, serial);

    ASSERT_EQ(0, zel_halt(h_));
    ASSERT_EQ(0, zel_reset(h_, 2));
    EXPECT_EQ(0, zel_card(h_, 0, &serial)) << "a field reset powers the card up idle";

    ASSERT_EQ(0, zel_halt(h_));
    close();
    h_ = open();
    EXPECT_EQ(0, zel_card(h_, 0, &serial)) << "a new connection starts with the field off";
}

TEST_F(Card, TransferBufferLastsOnlyForTheSession) {
    findAndAuthenticate(3);
    ASSERT_EQ(0, zel_initval(h_, 12, 10));
    ASSERT_EQ(0, zel_increment(h_, 12, 5));
    ASSERT_EQ(0, zel_transfer(h_, 12));
    EXPECT_EQ(0, zel_transfer(h_, 13)) << "the buffer can be transferred again";
    ASSERT_EQ(0, zel_increment(h_, 12, 5));
    ASSERT_EQ(0, zel_halt(h_));
    findAndAuthenticate(3);
    EXPECT_EQ(-12, zel_transfer(h_, 12)) << "halt lost the buffer";
    int32_t value = 0;
    ASSERT_EQ(0, zel_readval(h_, 12, &value));
    EXPECT_EQ(15, value) << "the increment before halt was never transferred";
}

TEST_F(Card, ValueArithmetic) {
    findAndAuthenticate(3);
    const struct {
        const char* label;
        int32_t start, operand;
        bool increment;
        int32_t result;
    } rows[] = {
        {"increment", 1000, 300, true, 1300},
        {"decrement below zero", 100, 250, false, -150},
        {"increment wraps", INT32_MAX, 1, true, INT32_MIN},
        {"decrement wraps", INT32_MIN, 1, false, INT32_MAX},
        {"negative operand", 10, -3, true, 7},
    };
    for (const auto& row : rows) {
        ASSERT_EQ(0, zel_initval(h_, 12, row.start)) << row.label;
        const int32_t r = row.increment ? zel_increment(h_, 12, row.operand) : zel_decrement(h_, 12, row.operand);
        ASSERT_EQ(0, r) << row.label;
        ASSERT_EQ(0, zel_transfer(h_, 14)) << row.label;
        int32_t value = 0;
        ASSERT_EQ(0, zel_readval(h_, 14, &value)) << row.label;
        EXPECT_EQ(row.result, value) << row.label;
        const Bytes b14 = cards::block(bytes("card.mfd"), 14);
        EXPECT_EQ(12, b14[12]) << row.label << ": the source block's address is kept";
        EXPECT_EQ(0xF3, b14[13]) << row.label;
        ASSERT_EQ(0, zel_readval(h_, 12, &value));
        EXPECT_EQ(row.start, value) << row.label << ": the source block is unchanged";
    }
}

TEST_F(Card, UnwritableCardFileFailsAndKeepsTheCard) {
    findAndAuthenticate(3);
    const Bytes before = bytes("card.mfd");
    std::filesystem::create_directory(file("card.mfd.tmp"));
    uint8_t data[16] = {9, 9, 9};
    EXPECT_EQ(-5, zel_write(h_, 12, data));
    EXPECT_EQ(-5, zel_initval(h_, 12, 1));
    EXPECT_TRUE(sameCard(before, bytes("card.mfd")));
    uint8_t back[16] = {1};
    ASSERT_EQ(0, zel_read(h_, 12, back)) << "the session goes on";
    EXPECT_EQ(cards::block(before, 12), Bytes(back, back + 16));
    std::filesystem::remove(file("card.mfd.tmp"));
    EXPECT_EQ(0, zel_write(h_, 12, data));
}

// A dump with distinct keys and data in every sector reads back byte for
// byte, and a write changes exactly its block in the file.
TEST_F(Card, DumpRoundTripsByteForByte) {
    Bytes dump(1024);
    for (size_t i = 0; i < dump.size(); ++i) {
        dump[i] = static_cast<uint8_t>(i * 7 + 3);
    }
    cards::setBlock(dump, 0, {0x04, 0xA1, 0xB2, 0xC3, 0x04 ^ 0xA1 ^ 0xB2 ^ 0xC3, 0x08, 0x04, 0x00, 1, 2, 3, 4, 5,
                              6, 7, 8});
    for (int s = 0; s < 16; ++s) {
        const uint8_t keyA[6] = {0xA0, static_cast<uint8_t>(s), 1, 2, 3, 4};
        const uint8_t keyB[6] = {0xB0, static_cast<uint8_t>(s), 5, 6, 7, 8};
        const uint8_t access[4] = {0xFF, 0x07, 0x80, static_cast<uint8_t>(s)};
        cards::setBlock(dump, 4 * s + 3, cards::trailer(keyA, access, keyB));
    }
    put("card.mfd", dump);

    uint32_t serial = 0;
    ASSERT_EQ(0, zel_card(h_, 0, &serial));
    EXPECT_EQ(0x04A1B2C3u, serial);
    for (int s = 0; s < 16; ++s) {
        SCOPED_TRACE("sector " + std::to_string(s));
        const uint8_t keyA[6] = {0xA0, static_cast<uint8_t>(s), 1, 2, 3, 4};
        ASSERT_EQ(0, zel_load_key(h_, 0, static_cast<uint8_t>(s), keyA));
        ASSERT_EQ(0, zel_authentication(h_, 0, static_cast<uint8_t>(s)));
        for (int b = 4 * s; b < 4 * s + 4; ++b) {
            uint8_t data[16];
            ASSERT_EQ(0, zel_read(h_, static_cast<uint8_t>(b), data)) << "block " << b;
            Bytes expected = cards::block(dump, b);
            if (b % 4 == 3) {
                std::fill(expected.begin(), expected.begin() + 6, 0);  // key A reads as zeros
            }
            EXPECT_EQ(cards::hex(expected), cards::hex(Bytes(data, data + 16))) << "block " << b;
        }
    }
    EXPECT_TRUE(sameCard(dump, bytes("card.mfd"))) << "reading changes nothing";

    uint8_t data[16] = {0xCA, 0xFE};
    ASSERT_EQ(0, zel_write(h_, 61, data));
    cards::setBlock(dump, 61, Bytes(data, data + 16));
    EXPECT_TRUE(sameCard(dump, bytes("card.mfd")));
}

}  // namespace
