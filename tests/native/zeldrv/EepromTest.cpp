// The reader's EEPROM: persistence, bounds, and files that cannot be written.
#include <climits>

#include "SimFixture.h"

namespace {

using Eeprom = SimFixture;

TEST_F(Eeprom, WritesPersistAcrossConnections) {
    int32_t h = open();
    Bytes expected = bytes("eeprom.bin");
    uint8_t pattern[5] = {'Z', 'E', 'L', '2', '4'};
    ASSERT_EQ(0, zel_swr_eeprom(h, 24, 5, pattern));
    std::copy(pattern, pattern + 5, expected.begin() + 24);
    EXPECT_EQ(expected, bytes("eeprom.bin")) << "written through at once, nothing else changed";
    EXPECT_FALSE(std::filesystem::exists(file("eeprom.bin.tmp")));
    close();

    h = open();
    uint8_t back[6] = {0, 0, 0, 0, 0, 0xEE};
    ASSERT_EQ(0, zel_srd_eeprom(h, 24, 5, back));
    EXPECT_EQ(Bytes(pattern, pattern + 5), Bytes(back, back + 5));
    EXPECT_EQ(0xEE, back[5]) << "read exactly 5 bytes";
}

TEST_F(Eeprom, TransfersOutsideTheEepromFailAndChangeNothing) {
    const int32_t h = open();
    const Bytes before = bytes("eeprom.bin");
    const struct {
        const char* label;
        int32_t address, length;
    } rows[] = {
        {"negative address", -1, 1},    {"negative length", 0, -1},         {"start at the end", 256, 1},
        {"runs past the end", 255, 2},  {"longer than the EEPROM", 0, 257}, {"huge address", INT_MAX, 1},
        {"huge length", 1, INT_MAX},    {"both negative", INT_MIN, INT_MIN},
    };
    for (const auto& row : rows) {
        Bytes buffer(300, 0xAB);
        EXPECT_NE(0, zel_srd_eeprom(h, row.address, row.length, buffer.data())) << "read: " << row.label;
        EXPECT_EQ(Bytes(300, 0xAB), buffer) << "read wrote into the buffer: " << row.label;
        EXPECT_NE(0, zel_swr_eeprom(h, row.address, row.length, buffer.data())) << "write: " << row.label;
        EXPECT_EQ(before, bytes("eeprom.bin")) << "write changed the EEPROM: " << row.label;
    }
    EXPECT_NE(0, zel_srd_eeprom(h, 0, 1, nullptr));
    EXPECT_NE(0, zel_swr_eeprom(h, 0, 1, nullptr));

    Bytes whole(256);
    EXPECT_EQ(0, zel_srd_eeprom(h, 0, 256, whole.data())) << "the whole EEPROM";
    EXPECT_EQ(before, whole);
    uint8_t last = 0x42;
    EXPECT_EQ(0, zel_swr_eeprom(h, 255, 1, &last)) << "the last byte";
    EXPECT_EQ(0x42, bytes("eeprom.bin").at(255));
    EXPECT_EQ(0, zel_srd_eeprom(h, 256, 0, &last)) << "nothing, at the end";
}

TEST_F(Eeprom, UnwritableFileFailsAndKeepsTheOldContent) {
    const int32_t h = open();
    const Bytes before = bytes("eeprom.bin");
    // Tests run as root, so block the temporary file with a folder instead.
    std::filesystem::create_directory(file("eeprom.bin.tmp"));
    uint8_t data[4] = {1, 2, 3, 4};
    EXPECT_EQ(-5, zel_swr_eeprom(h, 7, 4, data));
    EXPECT_EQ(before, bytes("eeprom.bin"));
    uint8_t back[4] = {};
    ASSERT_EQ(0, zel_srd_eeprom(h, 7, 4, back));
    EXPECT_EQ(Bytes(before.begin() + 7, before.begin() + 11), Bytes(back, back + 4)) << "memory as the file is";

    std::filesystem::remove(file("eeprom.bin.tmp"));
    EXPECT_EQ(0, zel_swr_eeprom(h, 7, 4, data));
    const Bytes after = bytes("eeprom.bin");
    EXPECT_EQ(Bytes(data, data + 4), Bytes(after.begin() + 7, after.begin() + 11));
}

TEST_F(Eeprom, UnusableEepromFileFailsTheOpen) {
    const Bytes truncated(10, 0x01);
    put("eeprom.bin", truncated);
    EXPECT_LE(zel_init(100, 9600), 0) << "an EEPROM file of the wrong size";
    EXPECT_EQ(truncated, bytes("eeprom.bin")) << "and it is not replaced";

    std::filesystem::remove(file("eeprom.bin"));
    std::filesystem::create_directory(file("eeprom.bin"));
    EXPECT_LE(zel_init(100, 9600), 0) << "a folder where the EEPROM should be";
}

TEST_F(Eeprom, FolderThatCannotBeCreatedFailsTheOpen) {
    std::filesystem::create_directories(root_);
    std::ofstream(root_ / "plain-file").put('x');
    ::setenv("ZELDRV_SIM_DIR", (root_ / "plain-file" / "sim").c_str(), 1);
    EXPECT_EQ(-5, zel_init(100, 9600));
}

}  // namespace
