// Dev Func and Close Device against the scripted library.
#include <string>
#include <vector>

#include "maintenance/CardTest.h"
#include "maintenance/DeviceTest.h"
#include "tests/native/support/CommandTest.h"

namespace {

using Lines = std::vector<std::string>;

const std::vector<uint8_t> kVersion = {'Z', 'V', ' ', '2', '.', '1', 0, 'x', 'x'};

class DeviceCommandsTest : public CommandTest {
protected:
    void Connect()
    {
        g_hReader = 7;
        Fake().version = kVersion;
    }
};

TEST_F(DeviceCommandsTest, DevFuncWholeRun)
{
    Connect();
    // The read-back fills nothing here, so the last line shows the buffer as
    // the read found it: byte 0 cleared, bytes 1-4 of the pattern.
    DevFunc(window);

    EXPECT_TRUE(SameSequence({"zel_getver(7)", "zel_swr_eeprom(7,24,5,[56 4E 54 52 4C])", "zel_srd_eeprom(7,24,5)",
                              "zel_reset(7,2)", "hex_a(10,[00 4E 54 52 4C])"},
                             Fake().calls));
    EXPECT_TRUE(SameSequence({"zel_getver ok", "ZV 2.1", "zel_swr_eeprom ok", "zel_srd_eeprom ok", "zel_reset ok",
                              "004E54524C"},
                             window.lines));
}

TEST_F(DeviceCommandsTest, DevFuncEnds)
{
    const Lines all = {"zel_getver", "zel_swr_eeprom", "zel_srd_eeprom", "zel_reset", "hex_a"};
    auto first = [&all](long count) { return Lines(all.begin(), all.begin() + count); };
    struct Row {
        const char* label;
        const char* function;
        int32_t result;
        Lines calls;
        Lines lines;
    };
    const Row rows[] = {
        {"every step succeeds", "zel_getver", 0, all,
         {"zel_getver ok", "ZV 2.1", "zel_swr_eeprom ok", "zel_srd_eeprom ok", "zel_reset ok", "4142434445"}},
        {"version fails with -1", "zel_getver", -1, first(1), {"zel_getver error", "-1"}},
        {"EEPROM write fails", "zel_swr_eeprom", -4, first(2),
         {"zel_getver ok", "ZV 2.1", "zel_swr_eeprom error", "-4"}},
        {"read-back fails", "zel_srd_eeprom", 9, first(3),
         {"zel_getver ok", "ZV 2.1", "zel_swr_eeprom ok", "zel_srd_eeprom error", "9"}},
        {"reset gives 0xFFFF", "zel_reset", 0xFFFF, first(4),
         {"zel_getver ok", "ZV 2.1", "zel_swr_eeprom ok", "zel_srd_eeprom ok", "zel_reset error", "-1"}},
        {"reset gives 0x8000", "zel_reset", 0x8000, first(4),
         {"zel_getver ok", "ZV 2.1", "zel_swr_eeprom ok", "zel_srd_eeprom ok", "zel_reset error", "-32768"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reset();
        Connect();
        Fake().Returns(row.function, {row.result});
        Fake().eepromReads.push_back({'A', 'B', 'C', 'D', 'E'});

        DevFunc(window);

        EXPECT_TRUE(SameSequence(row.calls, Fake().CallNames()));
        EXPECT_TRUE(SameSequence(row.lines, window.lines));
    }
}

TEST_F(DeviceCommandsTest, VersionLineEndsAtTheFirstZeroOrAfterSixteenBytes)
{
    struct Row {
        const char* label;
        std::vector<uint8_t> version;
        std::string line;
    };
    const Row rows[] = {
        {"text and zero", kVersion, "ZV 2.1"},
        {"empty", {}, ""},
        {"sixteen bytes, no zero", std::vector<uint8_t>(16, 'V'), std::string(16, 'V')},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reset();
        g_hReader = 7;
        Fake().version = row.version;

        DevFunc(window);

        ASSERT_GE(window.lines.size(), 2u);
        EXPECT_EQ(row.line, window.lines[1]);
    }
}

TEST_F(DeviceCommandsTest, CloseDeviceClosesWhateverTheSlotHolds)
{
    struct Row {
        const char* label;
        int32_t handle;
        int32_t result;
        const char* line;
        int32_t handleAfter;
    };
    const Row rows[] = {
        {"open handle, closed", 7, 0, "Device Has Closed!", -1},
        {"open handle, close fails", 7, -3, "Device Close Error!", 7},
        {"no handle, library says closed", -1, 0, "Device Has Closed!", -1},
        {"no handle, library refuses", -1, -3, "Device Close Error!", -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reset();
        g_hReader = row.handle;
        Fake().Returns("zel_exit", {row.result});

        CloseDevice(window);

        EXPECT_TRUE(SameSequence({"zel_exit(" + std::to_string(row.handle) + ")"}, Fake().calls));
        EXPECT_TRUE(SameSequence({row.line}, window.lines));
        EXPECT_EQ(row.handleAfter, g_hReader);
    }
}

// The line comes first and the slot is cleared after it.
TEST_F(DeviceCommandsTest, CloseDeviceLogsBeforeItForgetsTheHandle)
{
    g_hReader = 7;
    int32_t handleDuringLine = 0;
    window.onLogLine = [&handleDuringLine](const std::string&) { handleDuringLine = g_hReader; };

    CloseDevice(window);

    EXPECT_EQ(7, handleDuringLine);
    EXPECT_EQ(-1, g_hReader);
}

}  // namespace
