#include "tests/win32/ui/DialogHarness.h"

#include "framework/CWinApp.h"

#include <map>
#include <utility>

namespace {

// The test program's application object: the dialogs' owner comes from it.
class TestApp : public CWinApp {
public:
    BOOL InitInstance() override { return FALSE; }
};
TestApp theTestApp;

std::map<UINT_PTR, std::function<void()>>& Timers() {
    static std::map<UINT_PTR, std::function<void()>> timers;
    return timers;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const auto found = Timers().find(timer);
    if (found == Timers().end()) {
        return;
    }
    const std::function<void()> action = std::move(found->second);
    Timers().erase(found);
    action();
}

}  // namespace

UINT_PTR RunLater(std::function<void()> action, UINT delay) {
    const UINT_PTR timer = SetTimer(nullptr, 0, delay, &OnTimer);
    if (timer == 0) {
        ADD_FAILURE() << "SetTimer failed: " << GetLastError();
        return 0;
    }
    Timers()[timer] = std::move(action);
    return timer;
}

void CancelTimer(UINT_PTR timer) {
    KillTimer(nullptr, timer);
    Timers().erase(timer);
}

void DrainMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::vector<std::wstring> ListLines(HWND list) {
    std::vector<std::wstring> lines;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const WPARAM index = static_cast<WPARAM>(i);
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
        std::wstring line(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&line[0]));
        line.resize(static_cast<size_t>(length > 0 ? length : 0));
        lines.push_back(line);
    }
    return lines;
}

std::wstring WindowTextW(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, &text[0], length + 1);
    text.resize(static_cast<size_t>(got));
    return text;
}

void MainDialogTest::SetUp() {
    ASSERT_TRUE(sim.Create());
    AfxGetApp()->m_pMainWnd = &dlg;
}

void MainDialogTest::TearDown() {
    AfxGetApp()->m_pMainWnd = nullptr;
}

void MainDialogTest::Command(int id) const {
    SendMessageW(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(id)));
}

INT_PTR MainDialogTest::Run(std::function<void()> scenario, Ending ending) {
    UINT_PTR watchdog = 0;
    RunLater([this, scenario, ending, &watchdog] {
        if (dlg.m_hWnd == nullptr || !IsWindowVisible(dlg.m_hWnd)) {
            ADD_FAILURE() << "the dialog is not shown";
        } else {
            scenario();
        }
        if (ending == Ending::AfterScenario) {
            if (dlg.m_hWnd != nullptr) {
                EndDialog(dlg.m_hWnd, kEndedAfterScenario);
            }
        } else {
            watchdog = RunLater(
                [this] {
                    if (dlg.m_hWnd != nullptr) {
                        EndDialog(dlg.m_hWnd, kEndedByWatchdog);
                    }
                },
                5000);
        }
    });
    const INT_PTR result = dlg.DoModal();
    if (watchdog != 0) {
        CancelTimer(watchdog);
    }
    return result;
}
