// The built vantrel.exe with the real zeldrv.dll, worked with the mouse from
// another process, against a simulator folder that each test prepares.
#include <gtest/gtest.h>

#include <cstdio>

#include "res/resource.h"
#include "tests/win32/e2e/OperatorSession.h"
#include "tests/win32/support/TempFolder.h"

namespace {

std::wstring g_exePath;

struct Setting {
    const char* name;
    int id;
    int address;   // EEPROM address of the byte that holds it
    bool onWhenNonzero;
};

// How each control shows the configuration bytes at EEPROM addresses 1 to 6.
const Setting kSettings[] = {
    {"TypeA", IDC_TYPE_A, 1, true},
    {"TypeB", IDC_TYPE_B, 2, true},
    {"125kID", IDC_TYPE_125K, 3, true},
    {"Default", IDC_ORDER_DEFAULT, 4, true},
    {"Reverse", IDC_ORDER_REVERSE, 4, false},
    {"Hexadecimal", IDC_FORMAT_HEX, 5, true},
    {"Decimal", IDC_FORMAT_DECIMAL, 5, false},
    {"Add", IDC_CHECK_CODE_ADD, 6, true},
};

std::wstring HexOf(const std::vector<unsigned char>& bytes, size_t from, size_t count) {
    std::wstring text;
    for (size_t i = from; i < from + count; ++i) {
        wchar_t pair[3];
        swprintf(pair, 3, L"%02X", bytes[i]);
        text += pair;
    }
    return text;
}

void ExpectWindowShows(const OperatorSession& app, const std::vector<unsigned char>& eeprom) {
    for (const Setting& s : kSettings) {
        const bool on = (eeprom[s.address] != 0) == s.onWhenNonzero;
        EXPECT_EQ(on, app.IsChecked(s.id)) << s.name << " for EEPROM byte " << int(eeprom[s.address]);
    }
    EXPECT_EQ(HexOf(eeprom, 7, 4), app.Text(IDC_KEY_EDIT));
}

TEST(Operator, GetShowsTheReaderSettingsAndSetWritesTheChangesBack) {
    TempFolder sim(L"vantrel-e2e");
    ASSERT_TRUE(sim.Created());
    OperatorSession app(g_exePath, sim.Path());
    ASSERT_TRUE(app.Started());

    app.Click(IDC_GET_CONFIG);
    ASSERT_TRUE(app.WaitForLines(1));
    EXPECT_EQ(std::vector<std::wstring>{L"Got configuration!"}, app.Lines());
    const std::vector<unsigned char> before = ReadFileBytes(sim.File(L"eeprom.bin"));
    ASSERT_GE(before.size(), 11u);
    ExpectWindowShows(app, before);

    // The operator changes two settings and writes them.
    const bool typeB = app.IsChecked(IDC_TYPE_B);
    const bool reverse = app.IsChecked(IDC_ORDER_REVERSE);
    app.Click(IDC_TYPE_B);
    app.Click(reverse ? IDC_ORDER_DEFAULT : IDC_ORDER_REVERSE);
    app.Click(IDC_SET_CONFIG);
    ASSERT_TRUE(app.WaitForLines(2));
    EXPECT_EQ(L"Successfully configured the reader!", app.Lines().at(1));

    const std::vector<unsigned char> after = ReadFileBytes(sim.File(L"eeprom.bin"));
    ASSERT_EQ(before.size(), after.size());
    std::vector<unsigned char> expected = before;
    for (int address = 1; address <= 6; ++address) expected[address] = before[address] ? 1 : 0;
    expected[2] = typeB ? 0 : 1;
    expected[4] = reverse ? 1 : 0;
    EXPECT_EQ(expected, after) << "Set rewrites addresses 1 to 6 only, with 0 or 1";
    ExpectWindowShows(app, after);

    EXPECT_TRUE(app.Close());
    EXPECT_EQ(after, ReadFileBytes(sim.File(L"eeprom.bin"))) << "closing writes nothing";
}

TEST(Operator, UnpluggedReaderIsReportedAndClearDisplayEmptiesTheList) {
    TempFolder sim(L"vantrel-e2e");
    ASSERT_TRUE(sim.Created());
    ASSERT_TRUE(WriteFileBytes(sim.File(L"unplugged"), {}));
    OperatorSession app(g_exePath, sim.Path());
    ASSERT_TRUE(app.Started());
    const bool typeA = app.IsChecked(IDC_TYPE_A);

    app.Click(IDC_GET_CONFIG);
    app.Click(IDC_SET_CONFIG);
    ASSERT_TRUE(app.WaitForLines(2));
    EXPECT_EQ((std::vector<std::wstring>{L"Connection to Reader failed!",
                                         L"Connection to Reader failed!"}),
              app.Lines());
    EXPECT_EQ(typeA, app.IsChecked(IDC_TYPE_A));
    EXPECT_EQ(L"3A7C1E95", app.Text(IDC_KEY_EDIT));

    app.Click(IDC_CLEAR_DISPLAY);
    EXPECT_TRUE(app.WaitForEmptyList());
    EXPECT_TRUE(app.Close());
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: operator_test <path of vantrel.exe>\n");
        return 2;
    }
    g_exePath = WindowsPath(argv[1]);
    return RUN_ALL_TESTS();
}
