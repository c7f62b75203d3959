// Chinese text through the W functions, in a process whose ANSI code page is
// not 936: GBK texts of the program are converted explicitly.
#include "tests/win32/ui/DialogHarness.h"

#include <string>

using Text = MainDialogTest;

TEST_F(Text, ChineseLabelsAndLogLinesReadBackAsTheirText) {
    ASSERT_NE(936u, GetACP()) << "run this program with a non-Chinese locale (LC_ALL=C.UTF-8)";
    Run([this] {
        EXPECT_EQ(L"设置密钥", WindowTextW(Item(IDC_SET_KEY)));
        // The key field's label has no identifier; it comes right before Clear Display.
        EXPECT_EQ(L"特征码密钥(8位)：", WindowTextW(GetWindow(Item(IDC_CLEAR_DISPLAY), GW_HWNDPREV)));

        dlg.LogLine("设备还没有连接上，请先连接设备!");
        EXPECT_EQ((std::vector<std::wstring>{L"设备还没有连接上，请先连接设备!"}), LogLines());
    });
}

TEST_F(Text, WindowTextReadsAsGbkWithoutSplittingACharacter) {
    // "设置密钥" in GBK, two bytes a character.
    const std::string label = "\xC9\xE8\xD6\xC3\xC3\xDC\xD4\xBF";
    const struct {
        int limit;
        std::string text;
    } rows[] = {{9, label}, {8, label.substr(0, 6)}, {3, label.substr(0, 2)}, {2, ""}, {1, ""}};
    Run([&] {
        EXPECT_EQ(8, dlg.GetTextLength(IDC_SET_KEY));
        for (const auto& row : rows) {
            char buffer[16];
            memset(buffer, 'x', sizeof buffer);
            dlg.GetText(IDC_SET_KEY, buffer, row.limit);
            EXPECT_EQ(testing::PrintToString(row.text), testing::PrintToString(std::string(buffer)))
                << "limit " << row.limit;
        }
        dlg.SetText(IDC_SET_KEY, label.c_str());
        EXPECT_EQ(L"设置密钥", WindowTextW(Item(IDC_SET_KEY)));
    });
}
