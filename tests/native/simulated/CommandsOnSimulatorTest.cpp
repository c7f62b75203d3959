// The commands as the window runs them, against the real simulated reader in
// a fresh folder: the lines they log and what they leave in eeprom.bin and
// card.mfd.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/ConfigCommands.h"
#include "maintenance/CardTest.h"
#include "maintenance/DeviceTest.h"
#include "reader/ReaderState.h"
#include "reader/zeldrv.h"
#include "res/resource.h"
#include "tests/native/support/FakeWindow.h"
#include "tests/native/zeldrv/SimFixture.h"

namespace {

using Lines = std::vector<std::string>;

class CommandsOnSimulator : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        g_hReader = -1;
        g_bySector = 3;
        g_byBlock = 12;
    }

    void TearDown() override
    {
        if (g_hReader > 0)
            zel_exit(g_hReader);
        SimFixture::TearDown();
    }

    // The lines logged since the last call.
    Lines NewLines()
    {
        Lines fresh(window.lines.begin() + static_cast<std::ptrdiff_t>(seen_), window.lines.end());
        seen_ = window.lines.size();
        return fresh;
    }

    FakeWindow window;
    std::size_t seen_ = 0;
};

Bytes BlockOf(const Bytes& card, int block)
{
    return Bytes(card.begin() + 16 * block, card.begin() + 16 * block + 16);
}

TEST_F(CommandsOnSimulator, SetKeySetAndGetCarryTheImageThroughTheEeprom)
{
    // Start states, then the operator's changes: TypeB off, Reverse, no check code.
    for (int id : {IDC_TYPE_A, IDC_TYPE_125K, IDC_ORDER_REVERSE, IDC_FORMAT_HEX})
        window.checks[id] = 1;
    for (int id : {IDC_TYPE_B, IDC_ORDER_DEFAULT, IDC_FORMAT_DECIMAL, IDC_CHECK_CODE_ADD})
        window.checks[id] = 0;
    window.texts[IDC_KEY_EDIT] = "0123abCD";

    SetKey(window);
    EXPECT_EQ(Lines{"设置密钥成功!"}, NewLines());
    EXPECT_EQ(-1, g_hReader);
    const Bytes factory = bytes("eeprom.bin");
    ASSERT_GT(factory.size(), 10u);

    SetConfig(window);
    EXPECT_EQ(Lines{"Successfully configured the reader!"}, NewLines());
    EXPECT_EQ(-1, g_hReader);

    Bytes expected = factory;
    const Bytes settings = {1, 0, 1, 0, 1, 0};
    std::copy(settings.begin(), settings.end(), expected.begin() + 1);
    EXPECT_EQ(expected, bytes("eeprom.bin")) << "Set writes addresses 1 to 6 only";
    EXPECT_EQ((Bytes{0x01, 0x23, 0xAB, 0xCD}), Bytes(expected.begin() + 7, expected.begin() + 11));

    // A fresh window shows what the reader now holds.
    window.checks.clear();
    window.texts.clear();
    GetConfig(window);
    EXPECT_EQ(Lines{"Got configuration!"}, NewLines());
    EXPECT_EQ(-1, g_hReader);
    const std::pair<int, int> shown[] = {
        {IDC_TYPE_A, 1},        {IDC_TYPE_B, 0},    {IDC_TYPE_125K, 1},      {IDC_ORDER_DEFAULT, 0},
        {IDC_ORDER_REVERSE, 1}, {IDC_FORMAT_HEX, 1}, {IDC_FORMAT_DECIMAL, 0}, {IDC_CHECK_CODE_ADD, 0},
    };
    for (const auto& [id, state] : shown)
        EXPECT_EQ(state, window.CheckOf(id)) << ControlName(id);
    EXPECT_EQ("0123ABCD", window.texts[IDC_KEY_EDIT]);
}

TEST_F(CommandsOnSimulator, CardAndDeviceTestsOnAFreshCard)
{
    g_hReader = zel_init(100, 9600);  // the maintenance commands open no connection
    ASSERT_GT(g_hReader, 0);

    FindCard(window);
    const Bytes card = bytes("card.mfd");
    ASSERT_EQ(1024u, card.size());
    const uint32_t serial = uint32_t(card[0]) << 24 | uint32_t(card[1]) << 16 | uint32_t(card[2]) << 8 | card[3];
    EXPECT_EQ((Lines{"Find Card Ok!", std::to_string(serial)}), NewLines());

    LoadKey(window);
    VerifyCard(window);
    CardFunc(window);
    std::string fillHex;
    for (int i = 0; i < 16; ++i)
        fillHex += "4D";
    EXPECT_EQ((Lines{"Load Key Ok!", "Auth Card Ok!", "Write Card Ok!", fillHex, "Read Card Ok!", fillHex,
                     "汉字写入成功!", "汉字样例", "汉字读取成功!", "汉字样例", "zel_initval ok",
                     "zel_increment ok", "zel_decrement ok", "zel_readval ok", "1100", "zel_changeb3 ok"}),
              NewLines());

    const Bytes after = bytes("card.mfd");
    ASSERT_EQ(1024u, after.size());
    EXPECT_EQ((Bytes{0x4C, 0x04, 0x00, 0x00, 0xB3, 0xFB, 0xFF, 0xFF, 0x4C, 0x04, 0x00, 0x00, 0x0C, 0xF3, 0x0C, 0xF3}),
              BlockOf(after, 12));
    EXPECT_EQ((Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x07, 0x80, 0x69, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
              BlockOf(after, 15));
    for (int block = 0; block < 64; ++block) {
        if (block != 12 && block != 15) {
            EXPECT_EQ(BlockOf(card, block), BlockOf(after, block)) << "block " << block;
        }
    }

    // The run ended with the card halted: it has to be found again.
    VerifyCard(window);
    EXPECT_EQ(Lines{"Auth Card Error!"}, NewLines());

    DevFunc(window);
    EXPECT_EQ((Lines{"zel_getver ok", "ZELSIM 1.0", "zel_swr_eeprom ok", "zel_srd_eeprom ok", "zel_reset ok",
                     "564E54524C"}),
              NewLines());
    const Bytes eeprom = bytes("eeprom.bin");
    ASSERT_GT(eeprom.size(), 28u);
    EXPECT_EQ(std::string("VNTRL"), std::string(eeprom.begin() + 24, eeprom.begin() + 29));

    CloseDevice(window);
    FindCard(window);
    EXPECT_EQ((Lines{"Device Has Closed!", "设备还没有连接上，请先连接设备!"}), NewLines());
    EXPECT_EQ(-1, g_hReader);
}

}  // namespace
