// The message log: LogLine, Clear Display, and the one pending message that
// each logged line lets through, with the reader commands kept one at a time.
#include "tests/win32/ui/DialogHarness.h"

#include "reader/ReaderState.h"
#include "reader/zeldrv.h"

namespace {

// A window that records the messages dispatched to it.
class MessageRecorder {
public:
    MessageRecorder() {
        WNDCLASSW cls{};
        cls.lpfnWndProc = &Proc;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = L"VantrelTestRecorder";
        RegisterClassW(&cls);  // fails harmlessly when already registered
        m_window = CreateWindowW(L"VantrelTestRecorder", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                 nullptr, cls.hInstance, nullptr);
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~MessageRecorder() { DestroyWindow(m_window); }

    HWND Window() const { return m_window; }
    const std::vector<UINT>& Received() const { return m_received; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<MessageRecorder*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && message >= WM_APP) {
            self->m_received.push_back(message);
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND m_window = nullptr;
    std::vector<UINT> m_received;
};

LRESULT Selected(HWND list) {
    return SendMessageW(list, LB_GETCURSEL, 0, 0);
}

}  // namespace

using MessageLog = MainDialogTest;

TEST_F(MessageLog, LinesAreAddedInOrderTheLastSelectedAndClearDisplayEmptiesTheList) {
    Run([this] {
        const HWND list = Item(IDC_LOG_LIST);
        dlg.LogLine("first");
        EXPECT_EQ(0, Selected(list));
        dlg.LogLine("first");
        dlg.LogLine("");
        EXPECT_EQ((std::vector<std::wstring>{L"first", L"first", L""}), LogLines());
        EXPECT_EQ(2, Selected(list));

        Click(IDC_CLEAR_DISPLAY);
        EXPECT_TRUE(LogLines().empty());
        EXPECT_EQ(LB_ERR, Selected(list));

        dlg.LogLine("after clearing");
        EXPECT_EQ((std::vector<std::wstring>{L"after clearing"}), LogLines());
        EXPECT_EQ(0, Selected(list));
    });
}

TEST_F(MessageLog, EachLineLetsExactlyOnePendingMessageThrough) {
    Run([this] {
        MessageRecorder recorder;
        DrainMessages();
        PostMessageW(recorder.Window(), WM_APP + 1, 0, 0);
        PostMessageW(recorder.Window(), WM_APP + 2, 0, 0);

        dlg.LogLine("one");
        EXPECT_EQ((std::vector<UINT>{WM_APP + 1}), recorder.Received());
        dlg.LogLine("two");
        EXPECT_EQ((std::vector<UINT>{WM_APP + 1, WM_APP + 2}), recorder.Received());
        dlg.LogLine("nothing pending");
        EXPECT_EQ(2u, recorder.Received().size());
    });
}

TEST_F(MessageLog, ReaderCommandsClickedDuringACommandRunAfterItInClickOrder) {
    Run([this] {
        DrainMessages();
        // Two clicks on Get that complete while Set logs its outcome. Nested,
        // the first would find the reader still open and fail to connect.
        PostMessageW(Item(IDC_GET_CONFIG), BM_CLICK, 0, 0);
        PostMessageW(Item(IDC_GET_CONFIG), BM_CLICK, 0, 0);
        Click(IDC_SET_CONFIG);
        EXPECT_EQ((std::vector<std::wstring>{L"Successfully configured the reader!",
                                             L"Got configuration!", L"Got configuration!"}),
                  LogLines())
            << "both deferred Gets have run when the Set click returns";
        EXPECT_EQ(-1, g_hReader);
        EXPECT_EQ((std::vector<uint8_t>{1, 1, 1, 1, 1, 1}), ReadEeprom(1, 6))
            << "the reader is closed again and holds what Set wrote";
    });
}

TEST_F(MessageLog, ClearDisplayClickedDuringACommandRunsAtOnce) {
    Run([this] {
        // Dev Func logs six lines on a connection that the test opens.
        const int32_t handle = zel_init(100, 9600);
        ASSERT_GT(handle, 0);
        g_hReader = handle;
        DrainMessages();
        PostMessageW(Item(IDC_CLEAR_DISPLAY), BM_CLICK, 0, 0);
        Command(IDC_DEV_FUNC);
        const std::vector<std::wstring> lines = LogLines();
        ASSERT_EQ(5u, lines.size()) << "the list was emptied after the first line";
        EXPECT_NE(L"zel_getver ok", lines[0]);
        EXPECT_EQ(L"zel_swr_eeprom ok", lines[1]);
        EXPECT_EQ(L"zel_srd_eeprom ok", lines[2]);
        EXPECT_EQ(L"zel_reset ok", lines[3]);
        EXPECT_EQ(0, zel_exit(handle));
        g_hReader = -1;
    });
}
