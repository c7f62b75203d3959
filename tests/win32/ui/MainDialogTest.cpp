// The main window from the real template, driven with real messages.
#include "tests/win32/ui/DialogHarness.h"

#include "reader/ReaderState.h"

#include <cstring>
#include <cwchar>

namespace {

// The nine setting controls, in the order the state rows list them.
constexpr int kSettings[] = {IDC_TYPE_A,        IDC_TYPE_B,         IDC_TYPE_125K,
                             IDC_CHECK_CODE_ADD, IDC_ORDER_DEFAULT, IDC_ORDER_REVERSE,
                             IDC_FORMAT_DECIMAL, IDC_FORMAT_HEX};
using SettingStates = std::vector<int>;

LONG CentreX(const RECT& r) {
    return (r.left + r.right) / 2;
}

LONG CentreY(const RECT& r) {
    return (r.top + r.bottom) / 2;
}

struct DialogSearch {
    HWND main;
    HWND found;
};

BOOL CALLBACK FindDialogProc(HWND window, LPARAM param) {
    DialogSearch& search = *reinterpret_cast<DialogSearch*>(param);
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    if (window != search.main && std::wstring(cls) == L"#32770") {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// Another dialog box of this thread: the About box.
HWND FindOtherDialog(HWND mainDialog) {
    DialogSearch search{mainDialog, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &FindDialogProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

class MainDialog : public MainDialogTest {
protected:
    SettingStates States() const {
        SettingStates states;
        for (const int id : kSettings) {
            states.push_back(Checked(id));
        }
        return states;
    }
};

TEST_F(MainDialog, OpensInItsInitialStateCentredInTheWorkArea) {
    g_hReader = 77;
    g_bySector = 0;
    g_byBlock = 0;
    Run([this] {
        EXPECT_EQ((SettingStates{1, 1, 1, 1, 1, 0, 0, 1}), States())
            << "TypeA TypeB 125kID Add Default Reverse Decimal Hexadecimal";
        EXPECT_TRUE(LogLines().empty());
        EXPECT_EQ(L"3A7C1E95", WindowTextW(Item(IDC_KEY_EDIT)));
        EXPECT_FALSE(IsWindowVisible(Item(IDC_KEY_EDIT)));
        EXPECT_EQ(-1, g_hReader);
        EXPECT_EQ(3, g_bySector);
        EXPECT_EQ(12, g_byBlock);
        EXPECT_EQ(Item(IDC_LOG_LIST), GetFocus());

        ASSERT_NE(nullptr, dlg.m_hIcon);
        EXPECT_EQ(reinterpret_cast<LRESULT>(dlg.m_hIcon),
                  SendMessageW(Dialog(), WM_GETICON, ICON_BIG, 0));
        EXPECT_EQ(reinterpret_cast<LRESULT>(dlg.m_hIcon),
                  SendMessageW(Dialog(), WM_GETICON, ICON_SMALL, 0));
        EXPECT_EQ(reinterpret_cast<LRESULT>(dlg.m_hIcon),
                  SendMessageW(Dialog(), WM_QUERYDRAGICON, 0, 0));

        RECT window{};
        GetWindowRect(Dialog(), &window);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(Dialog(), MONITOR_DEFAULTTONEAREST), &monitor);
        EXPECT_NEAR(CentreX(monitor.rcWork), CentreX(window), 1);
        EXPECT_NEAR(CentreY(monitor.rcWork), CentreY(window), 1);
    });
}

TEST_F(MainDialog, TabVisitsTheShownTabStopsAndTheCheckedRadioButtons) {
    // The template gives no radio button a tab stop; Windows adds one to a
    // radio button when it is checked, so the checked one of each pair is
    // visited too.
    const struct {
        const char* label;
        std::vector<int> clicks;
        std::vector<int> order;
    } rows[] = {
        {"at start", {},
         {IDC_LOG_LIST, IDC_CLEAR_DISPLAY, IDC_ORDER_DEFAULT, IDC_TYPE_A, IDC_TYPE_B,
          IDC_TYPE_125K, IDC_FORMAT_HEX, IDC_GET_CONFIG, IDC_SET_CONFIG}},
        {"after Reverse and Decimal", {IDC_ORDER_REVERSE, IDC_FORMAT_DECIMAL},
         {IDC_LOG_LIST, IDC_CLEAR_DISPLAY, IDC_ORDER_REVERSE, IDC_TYPE_A, IDC_TYPE_B,
          IDC_TYPE_125K, IDC_FORMAT_DECIMAL, IDC_GET_CONFIG, IDC_SET_CONFIG}},
    };
    Run([&] {
        for (const auto& row : rows) {
            SCOPED_TRACE(row.label);
            for (const int id : row.clicks) {
                Click(id);
            }
            std::vector<int> order;
            HWND control = Item(IDC_LOG_LIST);
            do {
                order.push_back(GetDlgCtrlID(control));
                control = GetNextDlgTabItem(Dialog(), control, FALSE);
            } while (control != nullptr && control != Item(IDC_LOG_LIST) && order.size() < 30);
            EXPECT_EQ(row.order, order);
        }
    });
}

TEST_F(MainDialog, RadioButtonsClearTheirPartnerAndCheckBoxesToggleAlone) {
    const struct {
        const char* label;
        int click;
        SettingStates after;  // TypeA TypeB 125kID Add Default Reverse Decimal Hexadecimal
    } rows[] = {
        {"Reverse", IDC_ORDER_REVERSE, {1, 1, 1, 1, 0, 1, 0, 1}},
        {"Decimal", IDC_FORMAT_DECIMAL, {1, 1, 1, 1, 0, 1, 1, 0}},
        {"Default", IDC_ORDER_DEFAULT, {1, 1, 1, 1, 1, 0, 1, 0}},
        {"Hexadecimal", IDC_FORMAT_HEX, {1, 1, 1, 1, 1, 0, 0, 1}},
        {"TypeB", IDC_TYPE_B, {1, 0, 1, 1, 1, 0, 0, 1}},
        {"TypeB again", IDC_TYPE_B, {1, 1, 1, 1, 1, 0, 0, 1}},
        {"125kID", IDC_TYPE_125K, {1, 1, 0, 1, 1, 0, 0, 1}},
    };
    Run([&] {
        for (const auto& row : rows) {
            Click(row.click);
            EXPECT_EQ(row.after, States()) << "after clicking " << row.label;
        }
    });
}

TEST_F(MainDialog, KeyFieldTakesHexDigitsBackspaceAndSpaceUpToEightCharacters) {
    const struct {
        const char* label;
        const wchar_t* before;
        const wchar_t* typed;
        const wchar_t* after;
    } rows[] = {
        {"small letter becomes a capital", L"", L"a", L"A"},
        {"digits and letters a-f, A-F", L"", L"09afCE", L"09AFCE"},
        {"other characters dropped", L"12", L"gGxz-:~", L"12"},
        {"control characters dropped (Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z)", L"12", L"\x03\x16\x18\x1a",
         L"12"},
        {"ninth character refused", L"3A7C1E95", L"1", L"3A7C1E95"},
        {"backspace deletes before the caret", L"3A7C", L"\b", L"3A7"},
        {"space inserts a space", L"3A", L" 7", L"3A 7"},
    };
    Run([&] {
        // Ctrl+V would paste this if it got through.
        if (OpenClipboard(Dialog())) {
            EmptyClipboard();
            const HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, sizeof L"EE");
            if (text != nullptr) {
                memcpy(GlobalLock(text), L"EE", sizeof L"EE");
                GlobalUnlock(text);
                SetClipboardData(CF_UNICODETEXT, text);
            }
            CloseClipboard();
        }
        const HWND edit = Item(IDC_KEY_EDIT);
        for (const auto& row : rows) {
            SetWindowTextW(edit, row.before);
            const WPARAM end = wcslen(row.before);
            SendMessageW(edit, EM_SETSEL, end, static_cast<LPARAM>(end));
            for (const wchar_t* c = row.typed; *c != L'\0'; ++c) {
                SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(*c), 1);
            }
            EXPECT_EQ(std::wstring(row.after), WindowTextW(edit)) << row.label;
        }
    });
}

TEST_F(MainDialog, SystemMenuEndsWithASeparatorAndTheAboutItem) {
    Run([this] {
        const HMENU menu = GetSystemMenu(Dialog(), FALSE);
        ASSERT_NE(nullptr, menu);
        wchar_t text[64] = {};
        GetMenuStringW(menu, IDM_ABOUTBOX, text, 64, MF_BYCOMMAND);
        EXPECT_EQ(std::wstring(L"About Vantrel V1.0(&A)..."), text);
        // Wine adds items of its own, so the item is found by its command.
        int position = -1;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            if (GetMenuItemID(menu, i) == IDM_ABOUTBOX) {
                position = i;
            }
        }
        ASSERT_GT(position, 0);
        EXPECT_TRUE(GetMenuState(menu, static_cast<UINT>(position - 1), MF_BYPOSITION) &
                    MF_SEPARATOR);
    });
}

TEST_F(MainDialog, SystemCommandsOfTheAboutItemOpenTheAboutBoxCentredOverTheWindow) {
    const struct {
        UINT id;
        bool opensAbout;
    } rows[] = {{0x0010, true}, {0x0013, true}, {0x001F, true}, {0x10010, true},
                {0x000F, false}, {0x0020, false}};
    Run([&] {
        for (const auto& row : rows) {
            SCOPED_TRACE(testing::Message() << "system command 0x" << std::hex << row.id);
            bool seen = false;
            // The box shows itself once its loop first finds no message, so
            // the check waits until it is shown.
            UINT_PTR timer = 0;
            int polls = 0;
            std::function<void()> check = [&] {
                const HWND about = FindOtherDialog(Dialog());
                if (about != nullptr && !IsWindowVisible(about) && ++polls > 300) {
                    ADD_FAILURE() << "the About box is never shown";
                    EndDialog(about, IDCANCEL);
                    return;
                }
                if (about == nullptr || !IsWindowVisible(about)) {
                    timer = RunLater(check);
                    return;
                }
                seen = true;
                EXPECT_FALSE(IsWindowEnabled(Dialog())) << "the main window takes no input";
                EXPECT_EQ(Dialog(), GetWindow(about, GW_OWNER));
                RECT box{}, main{};
                GetWindowRect(about, &box);
                GetWindowRect(Dialog(), &main);
                EXPECT_NEAR(CentreX(main), CentreX(box), 1);
                EXPECT_NEAR(CentreY(main), CentreY(box), 1);
                EXPECT_EQ(GetDlgItem(about, IDOK), GetFocus());
                SendMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
            };
            timer = RunLater(check);
            SendMessageW(Dialog(), WM_SYSCOMMAND, row.id, 0);
            CancelTimer(timer);
            EXPECT_EQ(row.opensAbout, seen);
            EXPECT_EQ(nullptr, FindOtherDialog(Dialog())) << "the About box is closed";
            EXPECT_TRUE(IsWindowEnabled(Dialog()));
        }
    });
}

TEST_F(MainDialog, EnterAndEscapeOnTheMessageListEndTheDialog) {
    const struct {
        const char* label;
        WPARAM key;
        INT_PTR result;
    } rows[] = {{"Enter", VK_RETURN, IDOK}, {"Escape", VK_ESCAPE, IDCANCEL}};
    for (const auto& row : rows) {
        const INT_PTR result = Run(
            [&] {
                const HWND list = Item(IDC_LOG_LIST);
                EXPECT_EQ(list, GetFocus()) << row.label;
                // Real key messages, for the modal loop to take.
                PostMessageW(list, WM_KEYDOWN, row.key, 1);
                PostMessageW(list, WM_KEYUP, row.key, static_cast<LPARAM>(0xC0000001u));
            },
            Ending::ByDialog);
        EXPECT_EQ(row.result, result) << row.label;
    }
}
