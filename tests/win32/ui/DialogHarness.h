// Runs the real main dialog modally and drives it from thread timers, whose
// procedures run inside the dialog's modal loop.
#pragma once

#include "tests/win32/ui/SimulatorFolder.h"
#include "ui/CTolvariDlg.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Runs action from a thread timer after delay milliseconds, from whichever
// message loop is running then. Returns the timer, for CancelTimer.
UINT_PTR RunLater(std::function<void()> action, UINT delay = 10);
void CancelTimer(UINT_PTR timer);

// Dispatches every message already pending for this thread.
void DrainMessages();

// The lines of a list box, read through the W messages.
std::vector<std::wstring> ListLines(HWND list);
std::wstring WindowTextW(HWND window);

// DoModal results that only the harness produces.
constexpr INT_PTR kEndedAfterScenario = 0x5C;
constexpr INT_PTR kEndedByWatchdog = 0x5D;

enum class Ending {
    AfterScenario,  // the harness ends the dialog when the scenario returns
    ByDialog,       // the scenario makes the dialog end itself (a watchdog ends it after 5 s)
};

// A fresh main dialog on a fresh simulator folder, made the application's
// main window as the program does.
class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the dialog; scenario runs inside its modal loop once it is shown.
    INT_PTR Run(std::function<void()> scenario, Ending ending = Ending::AfterScenario);

    HWND Dialog() const { return dlg.m_hWnd; }
    HWND Item(int id) const { return GetDlgItem(dlg.m_hWnd, id); }
    // BM_CLICK on a shown button: its click completes and BN_CLICKED reaches the dialog.
    void Click(int id) const { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    // BN_CLICKED from a (hidden) button, as its completed click sends it.
    void Command(int id) const;
    int Checked(int id) const { return static_cast<int>(SendMessageW(Item(id), BM_GETCHECK, 0, 0)); }
    std::vector<std::wstring> LogLines() const { return ListLines(Item(IDC_LOG_LIST)); }

    SimulatorFolder sim;
    CTolvariDlg dlg;
};
