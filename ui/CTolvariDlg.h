// The main window: the setting controls, the message list, the hidden key
// field and maintenance buttons, and the commands behind the buttons.
#pragma once

#include "framework/CDialog.h"
#include "framework/CListBox.h"
#include "res/resource.h"
#include "ui/CHexEdit.h"
#include "ui/ReaderCommandQueue.h"
#include "ui/WindowOps.h"

class CTolvariDlg : public CDialog, public WindowOps {
public:
    enum { IDD = IDD_MAIN_DIALOG };

    explicit CTolvariDlg(CWnd* pParent = nullptr);

    // WindowOps over the real controls; texts are GBK.
    int GetCheck(int id) override;
    void SetCheck(int id, int state) override;
    int GetTextLength(int id) override;
    void GetText(int id, char* text, int limit) override;
    void SetText(int id, const char* text) override;
    void UpdateData(int saveAndValidate) override;
    // Appends a line, selects it, and handles one pending message.
    void LogLine(const char* text) override;

    CListBox m_listLog;
    CHexEdit m_editKey;
    HICON m_hIcon;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageMap messageMap;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();

    void OnSetKey();
    void OnFindCard();
    void OnLoadKey();
    void OnVerifyCard();
    void OnCardFunc();
    void OnDevFunc();
    void OnHaltCard();
    void OnCloseDevice();
    void OnClearDisplay();
    void OnGetConfig();
    void OnSetConfig();

private:
    static const MessageMapEntry messageEntries[];

    HWND TextControl(int id) const;

    ReaderCommandQueue m_readerCommands;
};
