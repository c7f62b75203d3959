// Opening and closing the simulated reader: the folder, the factory state,
// one connection at a time, handles, the unplugged reader, version and reset.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstring>
#include <functional>

#include "CardImages.h"
#include "SimFixture.h"

namespace {

Bytes factoryEeprom() {
    Bytes image(256, 0xFF);
    const Bytes config = {1, 1, 1, 1, 1, 1, 0x3A, 0x7C, 0x1E, 0x95};
    std::copy(config.begin(), config.end(), image.begin() + 1);
    return image;
}

using Connection = SimFixture;

TEST_F(Connection, NewFolderGetsFactoryEepromAndCard) {
    ASSERT_FALSE(std::filesystem::exists(folder_));
    open();
    EXPECT_EQ(factoryEeprom(), bytes("eeprom.bin"));
    EXPECT_EQ(cards::factoryCard(), bytes("card.mfd"));
}

TEST_F(Connection, ExistingFilesAreKept) {
    Bytes dump = cards::factoryCard();
    dump[100] = 0x5A;
    put("card.mfd", dump);
    open();
    EXPECT_EQ(dump, bytes("card.mfd")) << "a card put into a new folder is not replaced";
    EXPECT_EQ(factoryEeprom(), bytes("eeprom.bin"));
    close();

    std::filesystem::remove(file("card.mfd"));
    open();
    EXPECT_FALSE(std::filesystem::exists(file("card.mfd"))) << "a folder with an EEPROM is not new";
    uint32_t serial = 0;
    EXPECT_NE(0, zel_card(handle_, 0, &serial));
}

TEST_F(Connection, OnlyPort100At9600Opens) {
    const struct {
        const char* label;
        int32_t port, baud;
    } rejected[] = {{"port 99", 99, 9600}, {"port 1", 1, 9600}, {"baud 19200", 100, 19200},
                    {"baud 0", 100, 0},    {"negative", -100, -9600}};
    for (const auto& row : rejected) {
        const int32_t h = zel_init(row.port, row.baud);
        EXPECT_LE(h, 0) << row.label;
        if (h > 0) {
            zel_exit(h);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(folder_)) << "a refused open creates nothing";
    open();
}

TEST_F(Connection, OneConnectionAtATime) {
    const int32_t first = open();
    EXPECT_LE(zel_init(100, 9600), 0) << "second open while the first is open";
    char version[16] = {};
    EXPECT_EQ(0, zel_getver(first, version)) << "the first connection still works";
    ASSERT_EQ(0, zel_exit(first));
    EXPECT_NE(0, zel_exit(first)) << "closing twice";

    const int32_t second = open();
    EXPECT_NE(first, second) << "a closed handle is not handed out again";
    EXPECT_NE(0, zel_getver(first, version)) << "the closed handle stays invalid";
}

TEST_F(Connection, ReaderHeldByAnotherProcessIsBusy) {
    std::filesystem::create_directories(folder_);
    const int fd = ::open(file("reader.lock").c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(0, ::flock(fd, LOCK_EX | LOCK_NB));
    EXPECT_EQ(-4, zel_init(100, 9600)) << "busy";
    ::close(fd);
    open();
}

TEST_F(Connection, UnpluggedReader) {
    put("unplugged", {});
    EXPECT_LE(zel_init(100, 9600), 0) << "opening an unplugged reader";
    std::filesystem::remove(file("unplugged"));

    const int32_t h = open();
    put("unplugged", {});
    uint8_t buffer[16] = {};
    uint32_t serial = 0;
    EXPECT_EQ(-3, zel_srd_eeprom(h, 1, 10, buffer));
    EXPECT_EQ(-3, zel_swr_eeprom(h, 1, 10, buffer));
    EXPECT_EQ(-3, zel_card(h, 0, &serial));
    EXPECT_EQ(-3, zel_reset(h, 2));

    std::filesystem::remove(file("unplugged"));
    EXPECT_EQ(-3, zel_getver(h, reinterpret_cast<char*>(buffer))) << "a lost connection stays lost";
    EXPECT_EQ(0, zel_exit(h)) << "a lost connection can still be closed";
    handle_ = 0;
    open();
    EXPECT_EQ(0, zel_srd_eeprom(handle_, 1, 10, buffer)) << "plugged in and opened again";
}

// Every operation that takes a handle, called with valid arguments.
struct HandleCall {
    const char* name;
    std::function<int32_t(int32_t)> call;
};

std::vector<HandleCall> handleCalls() {
    static uint8_t buffer[16];
    static const uint8_t key[6] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    static const uint8_t access[4] = {0xFF, 0x07, 0x80, 0x69};
    static uint32_t serial;
    static int32_t value;
    return {
        {"zel_exit", [](int32_t h) { return zel_exit(h); }},
        {"zel_srd_eeprom", [](int32_t h) { return zel_srd_eeprom(h, 0, 16, buffer); }},
        {"zel_swr_eeprom", [](int32_t h) { return zel_swr_eeprom(h, 0, 16, buffer); }},
        {"zel_getver", [](int32_t h) { return zel_getver(h, reinterpret_cast<char*>(buffer)); }},
        {"zel_reset", [](int32_t h) { return int32_t{zel_reset(h, 2)}; }},
        {"zel_card", [](int32_t h) { return zel_card(h, 1, &serial); }},
        {"zel_load_key", [](int32_t h) { return zel_load_key(h, 0, 3, buffer); }},
        {"zel_authentication", [](int32_t h) { return zel_authentication(h, 0, 3); }},
        {"zel_write", [](int32_t h) { return zel_write(h, 12, buffer); }},
        {"zel_read", [](int32_t h) { return zel_read(h, 12, buffer); }},
        {"zel_initval", [](int32_t h) { return zel_initval(h, 12, 5); }},
        {"zel_increment", [](int32_t h) { return zel_increment(h, 12, 1); }},
        {"zel_decrement", [](int32_t h) { return zel_decrement(h, 12, 1); }},
        {"zel_transfer", [](int32_t h) { return zel_transfer(h, 12); }},
        {"zel_readval", [](int32_t h) { return zel_readval(h, 12, &value); }},
        {"zel_changeb3", [](int32_t h) { return zel_changeb3(h, 3, key, access, 0, key); }},
        {"zel_halt", [](int32_t h) { return zel_halt(h); }},
    };
}

TEST_F(Connection, InvalidHandlesFailAndTouchNothing) {
    const int32_t closed = open();
    close();
    const int32_t h = open();
    // An authenticated card with a value in the transfer buffer: any call that
    // slipped through would show in the files or in this state.
    uint32_t serial = 0;
    ASSERT_EQ(0, zel_card(h, 0, &serial));
    ASSERT_EQ(0, zel_load_key(h, 0, 3, cards::kFactoryKey));
    ASSERT_EQ(0, zel_authentication(h, 0, 3));
    ASSERT_EQ(0, zel_initval(h, 12, 7));
    ASSERT_EQ(0, zel_increment(h, 12, 1));
    const Bytes eeprom = bytes("eeprom.bin");
    const Bytes card = bytes("card.mfd");

    for (const int32_t bad : {-1, 0, closed, h + 1000}) {
        for (const HandleCall& op : handleCalls()) {
            EXPECT_NE(0, op.call(bad)) << op.name << " with handle " << bad;
        }
    }
    EXPECT_EQ(eeprom, bytes("eeprom.bin"));
    EXPECT_EQ(card, bytes("card.mfd"));
    EXPECT_EQ(0, zel_transfer(h, 12)) << "the open connection's card session is intact";
    int32_t value = 0;
    EXPECT_EQ(0, zel_readval(h, 12, &value));
    EXPECT_EQ(8, value);
}

TEST_F(Connection, VersionTextFitsSixteenBytes) {
    const int32_t h = open();
    char buffer[32];
    std::memset(buffer, 0x55, sizeof buffer);
    ASSERT_EQ(0, zel_getver(h, buffer));
    const size_t length = strnlen(buffer, 16);
    EXPECT_GT(length, 0u);
    EXPECT_LE(length, 15u) << "a NUL within the 16 bytes";
    for (size_t i = 16; i < sizeof buffer; ++i) {
        EXPECT_EQ(0x55, buffer[i]) << "byte " << i << " written";
    }
    EXPECT_NE(0, zel_getver(h, nullptr));
}

TEST_F(Connection, ResetTakesTheFieldOffTime) {
    const int32_t h = open();
    const struct {
        uint16_t arg;
        bool ok;
    } rows[] = {{2, true}, {1, true}, {1000, true}, {0, false}, {1001, false}, {0xFFFF, false}};
    for (const auto& row : rows) {
        const int16_t result = zel_reset(h, row.arg);
        EXPECT_EQ(row.ok, result == 0) << "zel_reset(" << row.arg << ") returned " << result;
    }
}

}  // namespace
