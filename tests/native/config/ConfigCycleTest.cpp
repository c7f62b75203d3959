// Open, transfer, result line and close of the three configuration commands.
#include <string>
#include <vector>

#include "config/ConfigCommands.h"
#include "config/ReaderConnection.h"
#include "tests/native/support/CommandTest.h"

namespace {

using Lines = std::vector<std::string>;

const std::string kInit = "zel_init(100,9600)";

struct Command {
    const char* name;
    void (*run)(WindowOps&);
};

const Command kCommands[] = {
    {"Get", GetConfig},
    {"Set", SetConfig},
    {"Set key", SetKey},
};

class ConfigCycleTest : public CommandTest {};

TEST_F(ConfigCycleTest, OpenReaderMakesAtMostTwoAttemptsAndStoresEachResult)
{
    struct Row {
        const char* label;
        std::vector<int32_t> results;
        bool opened;
        int32_t handle;
        int attempts;
    };
    const Row rows[] = {
        {"first attempt succeeds", {5}, true, 5, 1},
        {"first gives 0, second succeeds", {0, 9}, true, 9, 2},
        {"first negative, second succeeds", {-3, 9}, true, 9, 2},
        {"both fail, second negative", {0, -5}, false, -5, 2},
        {"both fail, second 0", {-2, 0}, false, 0, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reset();
        Fake().Returns("zel_init", row.results);

        EXPECT_EQ(row.opened, OpenReader());
        EXPECT_EQ(row.handle, g_hReader);
        EXPECT_TRUE(SameSequence(Lines(static_cast<std::size_t>(row.attempts), kInit), Fake().calls));
    }
}

TEST_F(ConfigCycleTest, FailedOpenLogsOneLineAndReadsNoControl)
{
    struct Row {
        Command command;
        Lines journal;
    };
    const Row rows[] = {
        {kCommands[0], {kInit, kInit, "LogLine(Connection to Reader failed!)"}},
        {kCommands[1], {"UpdateData(1)", kInit, kInit, "LogLine(Connection to Reader failed!)"}},
        {kCommands[2], {"UpdateData(1)", "GetTextLength(IDC_KEY_EDIT)", "GetText(IDC_KEY_EDIT,9)", kInit, kInit,
                        "LogLine(连接设备失败!)"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command.name);
        Reset();
        SetStartStates();
        const auto checksBefore = window.checks;
        const auto textsBefore = window.texts;
        Fake().Returns("zel_init", {0, -4});

        row.command.run(window);

        EXPECT_TRUE(SameSequence(row.journal, JournalEntries()));
        EXPECT_EQ(-4, g_hReader);
        EXPECT_EQ(checksBefore, window.checks);
        EXPECT_EQ(textsBefore, window.texts);
    }
}

// Each command's whole run, with its transfer succeeding and failing: the
// library calls, window operations and lines in their interleaved order.
TEST_F(ConfigCycleTest, WholeRunWithTransferSucceedingOrFailing)
{
    const Lines setChecks = {"GetCheck(IDC_TYPE_A)", "GetCheck(IDC_TYPE_B)", "GetCheck(IDC_TYPE_125K)",
                             "GetCheck(IDC_ORDER_DEFAULT)", "GetCheck(IDC_FORMAT_HEX)",
                             "GetCheck(IDC_CHECK_CODE_ADD)"};
    auto join = [](std::initializer_list<Lines> parts) {
        Lines all;
        for (const Lines& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    };
    struct Row {
        const char* label;
        Command command;
        const char* transfer;
        int32_t transferResult;
        Lines journal;
    };
    const Row rows[] = {
        {"Get reads", kCommands[0], "zel_srd_eeprom", 0,
         {kInit, "zel_srd_eeprom(7,1,10)", "LogLine(Got configuration!)", "SetCheck(IDC_TYPE_A,1)",
          "SetCheck(IDC_TYPE_B,0)", "SetCheck(IDC_TYPE_125K,1)", "SetCheck(IDC_ORDER_DEFAULT,0)",
          "SetCheck(IDC_ORDER_REVERSE,1)", "SetCheck(IDC_FORMAT_HEX,1)", "SetCheck(IDC_FORMAT_DECIMAL,0)",
          "SetCheck(IDC_CHECK_CODE_ADD,1)", "hex_a(8,[DE AD BE EF])", "SetText(IDC_KEY_EDIT,DEADBEEF)",
          "zel_exit(7)", "UpdateData(0)"}},
        {"Get read fails", kCommands[0], "zel_srd_eeprom", -1,
         {kInit, "zel_srd_eeprom(7,1,10)", "LogLine(Failed to get configuration!!)", "zel_exit(7)"}},
        {"Set writes", kCommands[1], "zel_swr_eeprom", 0,
         join({{"UpdateData(1)", kInit}, setChecks,
               {"zel_swr_eeprom(7,1,6,[01 01 01 01 01 01])", "LogLine(Successfully configured the reader!)",
                "zel_exit(7)"}})},
        {"Set write fails", kCommands[1], "zel_swr_eeprom", 3,
         join({{"UpdateData(1)", kInit}, setChecks,
               {"zel_swr_eeprom(7,1,6,[01 01 01 01 01 01])", "LogLine(Failed to configure Reader!)",
                "zel_exit(7)"}})},
        {"Set key writes", kCommands[2], "zel_swr_eeprom", 0,
         {"UpdateData(1)", "GetTextLength(IDC_KEY_EDIT)", "GetText(IDC_KEY_EDIT,9)", kInit,
          "a_hex(4,\"3A7C1E95\")", "zel_swr_eeprom(7,7,4,[3A 7C 1E 95])", "LogLine(设置密钥成功!)",
          "zel_exit(7)"}},
        {"Set key write fails", kCommands[2], "zel_swr_eeprom", -2,
         {"UpdateData(1)", "GetTextLength(IDC_KEY_EDIT)", "GetText(IDC_KEY_EDIT,9)", kInit,
          "a_hex(4,\"3A7C1E95\")", "zel_swr_eeprom(7,7,4,[3A 7C 1E 95])", "LogLine(设置密钥失败!)",
          "zel_exit(7)"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reset();
        SetStartStates();
        Fake().Returns(row.transfer, {row.transferResult});
        Fake().eepromReads.push_back({0x01, 0x00, 0x02, 0x00, 0x80, 0xFF, 0xDE, 0xAD, 0xBE, 0xEF});

        row.command.run(window);

        EXPECT_TRUE(SameSequence(row.journal, JournalEntries()));
        EXPECT_EQ(-1, g_hReader);
    }
}

TEST_F(ConfigCycleTest, FailedReadInGetChangesNoControl)
{
    SetStartStates();
    const auto checksBefore = window.checks;
    Fake().Returns("zel_srd_eeprom", {-1});
    Fake().eepromReads.push_back(std::vector<uint8_t>(10, 0));

    GetConfig(window);

    EXPECT_EQ(checksBefore, window.checks);
    EXPECT_EQ("3A7C1E95", window.texts[IDC_KEY_EDIT]);
}

// The close passes the command's own handle. A successful close leaves -1; a
// failed one leaves g_hReader as it is, here also when a command run inside
// the result line has changed it.
TEST_F(ConfigCycleTest, CloseUsesOwnHandleAndSetsSlotByResult)
{
    struct Row {
        const char* label;
        int32_t changedInLogLine;  // 0: unchanged
        int32_t exitResult;
        int32_t handleAfter;
    };
    const Row rows[] = {
        {"close succeeds", 0, 0, -1},
        {"close fails", 0, -6, 7},
        {"slot changed during the line, close succeeds", 99, 0, -1},
        {"slot changed during the line, close fails", 99, -6, 99},
    };
    for (const Command& command : kCommands) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(command.name) + ": " + row.label);
            Reset();
            SetStartStates();
            if (row.changedInLogLine != 0)
                window.onLogLine = [&row](const std::string&) { g_hReader = row.changedInLogLine; };
            Fake().Returns("zel_exit", {row.exitResult});

            command.run(window);

            ASSERT_FALSE(Fake().calls.empty());
            EXPECT_EQ("zel_exit(7)", Fake().calls.back());
            EXPECT_EQ(row.handleAfter, g_hReader);
        }
    }
}

}  // namespace
