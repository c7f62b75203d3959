// The reader commands from their buttons, against the simulated reader.
#include "tests/win32/ui/DialogHarness.h"

#include "reader/ReaderState.h"

using ReaderCommands = MainDialogTest;

TEST_F(ReaderCommands, SetWritesTheSettingControlsToTheReader) {
    const struct {
        const char* label;
        std::vector<int> clicks;
        std::vector<uint8_t> written;  // EEPROM 1 to 6
    } rows[] = {
        {"initial states", {}, {1, 1, 1, 1, 1, 1}},
        {"TypeB off, Reverse, Decimal",
         {IDC_TYPE_B, IDC_ORDER_REVERSE, IDC_FORMAT_DECIMAL},
         {1, 0, 1, 0, 0, 1}},
        {"hidden Add off, TypeA off", {IDC_CHECK_CODE_ADD, IDC_TYPE_A}, {0, 0, 1, 0, 0, 0}},
    };
    Run([&] {
        const std::vector<uint8_t> key = ReadEeprom(7, 4);
        ASSERT_EQ(4u, key.size());
        for (const auto& row : rows) {
            SCOPED_TRACE(row.label);
            for (const int id : row.clicks) {
                if (id == IDC_CHECK_CODE_ADD) {
                    SendMessageW(Item(id), BM_SETCHECK, BST_UNCHECKED, 0);  // hidden: no clicks
                } else {
                    Click(id);
                }
            }
            SendMessageW(Item(IDC_LOG_LIST), LB_RESETCONTENT, 0, 0);
            Click(IDC_SET_CONFIG);
            EXPECT_EQ((std::vector<std::wstring>{L"Successfully configured the reader!"}),
                      LogLines());
            EXPECT_EQ(row.written, ReadEeprom(1, 6));
            EXPECT_EQ(key, ReadEeprom(7, 4)) << "Set leaves the key alone";
            EXPECT_EQ(-1, g_hReader);
        }
    });
}

TEST_F(ReaderCommands, GetShowsTheReadersConfigurationOnTheControls) {
    ASSERT_TRUE(WriteEeprom(1, {0, 1, 0, 0, 0x80, 0, 0xDE, 0xAD, 0xBE, 0xEF}));
    Run([this] {
        Click(IDC_GET_CONFIG);
        EXPECT_EQ((std::vector<std::wstring>{L"Got configuration!"}), LogLines());
        const struct {
            int id;
            int checked;
        } expected[] = {{IDC_TYPE_A, 0},        {IDC_TYPE_B, 1},         {IDC_TYPE_125K, 0},
                        {IDC_ORDER_DEFAULT, 0}, {IDC_ORDER_REVERSE, 1},  {IDC_FORMAT_HEX, 1},
                        {IDC_FORMAT_DECIMAL, 0}, {IDC_CHECK_CODE_ADD, 0}};
        for (const auto& control : expected) {
            EXPECT_EQ(control.checked, Checked(control.id)) << "control " << control.id;
        }
        EXPECT_EQ(L"DEADBEEF", WindowTextW(Item(IDC_KEY_EDIT)));
        EXPECT_EQ(-1, g_hReader);
    });
}

TEST_F(ReaderCommands, SetKeyWritesTheKeyFieldOrRefusesAShortKey) {
    const struct {
        const wchar_t* key;
        const wchar_t* line;
        std::vector<uint8_t> stored;  // EEPROM 7 to 10 afterwards
    } rows[] = {
        {L"0123ABCD", L"设置密钥成功!", {0x01, 0x23, 0xAB, 0xCD}},
        {L"0123ABC", L"密钥输入位数不足，请输入8位密钥!", {0x01, 0x23, 0xAB, 0xCD}},
        {L"3A7C1E95", L"设置密钥成功!", {0x3A, 0x7C, 0x1E, 0x95}},
    };
    Run([&] {
        const std::vector<uint8_t> settings = ReadEeprom(1, 6);
        for (const auto& row : rows) {
            SetWindowTextW(Item(IDC_KEY_EDIT), row.key);
            SendMessageW(Item(IDC_LOG_LIST), LB_RESETCONTENT, 0, 0);
            Command(IDC_SET_KEY);
            EXPECT_EQ(std::vector<std::wstring>{row.line}, LogLines()) << "key " << testing::PrintToString(std::wstring(row.key));
            EXPECT_EQ(row.stored, ReadEeprom(7, 4));
            EXPECT_EQ(settings, ReadEeprom(1, 6)) << "Set key leaves the settings alone";
        }
    });
}

TEST_F(ReaderCommands, MaintenanceButtonsReachTheirCommandsWhichRefuseWithoutAReader) {
    const struct {
        int id;
        const wchar_t* line;
    } rows[] = {
        {IDC_FIND_CARD, L"设备还没有连接上，请先连接设备!"},
        {IDC_LOAD_KEY, L"设备还没有连接上，请先连接设备!"},
        {IDC_VERIFY_CARD, L"设备还没有连接上，请先连接设备!"},
        {IDC_CARD_FUNC, L"设备还没有连接上，请先连接设备!"},
        {IDC_DEV_FUNC, L"设备还没有连接上，请先连接设备!"},
        {IDC_HALT_CARD, L"Halt Card Error!"},
        {IDC_CLOSE_DEVICE, L"Device Close Error!"},
    };
    Run([&] {
        for (const auto& row : rows) {
            SendMessageW(Item(IDC_LOG_LIST), LB_RESETCONTENT, 0, 0);
            Command(row.id);
            EXPECT_EQ(std::vector<std::wstring>{row.line}, LogLines()) << "button " << row.id;
            EXPECT_EQ(-1, g_hReader);
        }
    });
}
