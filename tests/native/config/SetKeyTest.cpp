// Set key's check of the key text and the bytes it writes.
#include <string>
#include <vector>

#include "config/ConfigCommands.h"
#include "res/resource.h"
#include "tests/native/support/CommandTest.h"

namespace {

using Lines = std::vector<std::string>;

class SetKeyTest : public CommandTest {};

TEST_F(SetKeyTest, RefusesAnythingButEightHexDigitsWithoutCallingTheLibrary)
{
    const Lines readLength = {"UpdateData(1)", "GetTextLength(IDC_KEY_EDIT)"};
    const Lines readText = {"UpdateData(1)", "GetTextLength(IDC_KEY_EDIT)", "GetText(IDC_KEY_EDIT,9)"};
    struct Row {
        const char* label;
        const char* text;
        const Lines& reads;
    };
    const Row rows[] = {
        {"empty", "", readLength},
        {"7 characters", "3A7C1E9", readLength},
        {"9 characters", "3A7C1E95A", readLength},
        {"8 with a space", "3A7C 1E9", readText},
        {"8 ending in a space", "3A7C1E9 ", readText},
        {"8 with a G", "3A7C1G95", readText},
        {"8 with a g", "3a7c1g95", readText},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reset();
        g_hReader = 5;
        window.texts[IDC_KEY_EDIT] = row.text;

        SetKey(window);

        Lines ops = row.reads;
        ops.push_back("LogLine(密钥输入位数不足，请输入8位密钥!)");
        EXPECT_TRUE(SameSequence(ops, window.ops));
        EXPECT_TRUE(Fake().calls.empty());
        EXPECT_EQ(5, g_hReader);
    }
}

TEST_F(SetKeyTest, WritesTheFourBytesOfTheKeyText)
{
    struct Row {
        const char* text;
        const char* bytes;
    };
    const Row rows[] = {
        {"3A7C1E95", "[3A 7C 1E 95]"},
        {"00000000", "[00 00 00 00]"},
        {"ffFF0a9B", "[FF FF 0A 9B]"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Reset();
        window.texts[IDC_KEY_EDIT] = row.text;

        SetKey(window);

        EXPECT_TRUE(SameSequence({"zel_init(100,9600)", std::string("a_hex(4,\"") + row.text + "\")",
                                  std::string("zel_swr_eeprom(7,7,4,") + row.bytes + ")", "zel_exit(7)"},
                                 Fake().calls));
        EXPECT_EQ(Lines{"设置密钥成功!"}, window.lines);
    }
}

// The Chinese lines reach the window as GBK bytes.
TEST_F(SetKeyTest, SuccessLineIsGbk)
{
    window.texts[IDC_KEY_EDIT] = "3A7C1E95";
    SetKey(window);

    ASSERT_EQ(1u, window.lines.size());
    EXPECT_EQ(std::string("\xC9\xE8\xD6\xC3\xC3\xDC\xD4\xBF\xB3\xC9\xB9\xA6!"), window.lines[0]);
}

}  // namespace
