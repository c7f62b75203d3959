// Get's mapping of the image onto the controls, and what Set and Set key
// write back after it.
#include <array>
#include <string>
#include <vector>

#include "config/ConfigCommands.h"
#include "res/resource.h"
#include "tests/native/support/CommandTest.h"

namespace {

// The eight controls Get sets, in a fixed order for the table.
const std::array<int, 8> kSettingControls = {IDC_TYPE_A,        IDC_TYPE_B,          IDC_TYPE_125K,
                                             IDC_ORDER_DEFAULT, IDC_ORDER_REVERSE,   IDC_FORMAT_HEX,
                                             IDC_FORMAT_DECIMAL, IDC_CHECK_CODE_ADD};

std::string Describe(const FakeWindow& window)
{
    std::string text;
    for (int id : kSettingControls)
        text += ControlName(id) + "=" + std::to_string(window.CheckOf(id)) + " ";
    return text + "key=" + (window.texts.count(IDC_KEY_EDIT) ? window.texts.at(IDC_KEY_EDIT) : "");
}

class GetConfigTest : public CommandTest {};

TEST_F(GetConfigTest, ImageBytesSetEveryControlAndTheKeyText)
{
    struct Row {
        const char* label;
        std::vector<uint8_t> image;
        // TypeA, TypeB, 125kID, Default, Reverse, Hexadecimal, Decimal, Add
        std::array<int, 8> checks;
        const char* keyText;
    };
    const Row rows[] = {
        {"all zero", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 1, 0, 1, 0}, "00000000"},
        {"all one", {1, 1, 1, 1, 1, 1, 0x3A, 0x7C, 0x1E, 0x95}, {1, 1, 1, 1, 0, 1, 0, 1}, "3A7C1E95"},
        {"2, 0x80 and 0xFF read as on", {2, 0x80, 0xFF, 2, 0x80, 0xFF, 0x00, 0x01, 0xFE, 0xFF},
         {1, 1, 1, 1, 0, 1, 0, 1}, "0001FEFF"},
        {"order and format only", {0, 0, 0, 0x80, 0xFF, 0, 0xAB, 0xCD, 0xEF, 0x10}, {0, 0, 0, 1, 0, 1, 0, 0},
         "ABCDEF10"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reset();
        // Start every control in the opposite state, so a control Get leaves
        // alone shows.
        for (std::size_t i = 0; i < kSettingControls.size(); ++i)
            window.checks[kSettingControls[i]] = 1 - row.checks[i];
        window.texts[IDC_KEY_EDIT] = "FFFFFFFF";
        Fake().eepromReads.push_back(row.image);

        GetConfig(window);

        FakeWindow expected;
        for (std::size_t i = 0; i < kSettingControls.size(); ++i)
            expected.checks[kSettingControls[i]] = row.checks[i];
        expected.texts[IDC_KEY_EDIT] = row.keyText;
        EXPECT_EQ(Describe(expected), Describe(window));
        EXPECT_EQ(std::vector<std::string>{"Got configuration!"}, window.lines);
    }
}

TEST_F(GetConfigTest, SetAfterGetWritesOnlyZeroOrOneAndNoKeyBytes)
{
    Fake().eepromReads.push_back({2, 0x80, 0xFF, 0, 0x80, 0xFF, 0x11, 0x22, 0x33, 0x44});
    GetConfig(window);
    SetConfig(window);

    EXPECT_EQ("zel_swr_eeprom(7,1,6,[01 01 01 00 01 01])", Fake().calls[Fake().calls.size() - 2]);
}

TEST_F(GetConfigTest, SetKeyAfterGetWritesBackTheKeyGetRead)
{
    SetStartStates();
    Fake().eepromReads.push_back({1, 1, 1, 1, 1, 1, 0x0A, 0xB1, 0xC2, 0xFF});
    GetConfig(window);
    SetKey(window);

    EXPECT_EQ("0AB1C2FF", window.texts[IDC_KEY_EDIT]);
    EXPECT_EQ("zel_swr_eeprom(7,7,4,[0A B1 C2 FF])", Fake().calls[Fake().calls.size() - 2]);
}

}  // namespace
