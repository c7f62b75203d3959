// The operations the reader commands need of the main window, addressed by
// control identifier. CTolvariDlg implements them over Win32; tests implement
// them in memory.
#pragma once

class WindowOps {
public:
    virtual ~WindowOps() = default;

    // Nonzero when the control is checked (BM_GETCHECK).
    virtual int GetCheck(int id) = 0;
    // Sets one control's check state, 1 or 0 (BM_SETCHECK).
    virtual void SetCheck(int id, int state) = 0;
    // Number of characters in the control's text.
    virtual int GetTextLength(int id) = 0;
    // Copies at most limit - 1 characters and a terminating zero into text.
    virtual void GetText(int id, char* text, int limit) = 0;
    // Replaces the control's text.
    virtual void SetText(int id, const char* text) = 0;
    // Dialog data exchange: TRUE (nonzero) saves, FALSE loads.
    virtual void UpdateData(int saveAndValidate) = 0;
    // Appends one line to the message list and lets one pending message through.
    virtual void LogLine(const char* text) = 0;
};
