// A modal dialog from a template in the program's resources.
#pragma once

#include "framework/CWnd.h"
#include "framework/DataExchange.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog until EndDialog; returns the end code, or -1 when the
    // window cannot be created. The owner is the parent, else the
    // application's main window, which stays disabled while the dialog runs.
    INT_PTR DoModal();
    void EndDialog(int result);

    // Runs DoDataExchange; FALSE when an exchange step failed.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    virtual BOOL OnInitDialog();  // the first UpdateData(FALSE)
    virtual void OnOK();          // UpdateData(TRUE), then EndDialog(IDOK)
    virtual void OnCancel();      // EndDialog(IDCANCEL)

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageMap messageMap;

    // The dialog manager's own processing of the message.
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static const MessageMapEntry messageEntries[];

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL HandleInitDialog();
    void CenterWindow();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    // Set while DefaultProcessing hands a message to the dialog manager,
    // whose first step is to offer it to DialogProc again.
    bool m_passToDialogManager = false;
    UINT m_passedMessage = 0;
};
