// A C++ object over one window handle. A control of a dialog template can be
// subclassed onto the object, after which its messages go through the
// object's message map and fall back to the control's own window procedure.
#pragma once

#include "framework/MessageMap.h"

#include <windows.h>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetDlgItem(int id) const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // Sets the window text from GBK.
    BOOL SetWindowText(const char* text);

    BOOL IsIconic() const;
    BOOL GetClientRect(RECT* rect) const;
    HMENU GetSystemMenu(BOOL revert) const;
    HICON SetIcon(HICON icon, BOOL bigIcon);

    // Attaches the control with this identifier in parent to this object.
    BOOL SubclassDlgItem(int id, CWnd* parent);

protected:
    virtual const MessageMap* GetMessageMap() const { return &messageMap; }
    static const MessageMap messageMap;

    // Looks the message up in the maps and runs its handler; false if no
    // entry matches.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The ordinary processing of the message being handled, with its
    // parameters unchanged.
    LRESULT Default();
    // The ordinary processing of a message: the subclassed control's own
    // window procedure.
    virtual LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);

    // Handlers that leave the message to its ordinary processing.
    void OnPaint();
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Unsubclass();

    CurrentMessage m_current{};
    WNDPROC m_superProc = nullptr;
};
