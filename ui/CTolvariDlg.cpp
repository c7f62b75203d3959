#include "ui/CTolvariDlg.h"

#include "config/ConfigCommands.h"
#include "framework/CPaintDC.h"
#include "framework/Module.h"
#include "framework/WindowText.h"
#include "maintenance/CardTest.h"
#include "maintenance/DeviceTest.h"
#include "reader/ReaderState.h"
#include "ui/CAboutDlg.h"

#include <iterator>
#include <string>

namespace {

// Checked when the window opens; Reverse and Decimal stay clear.
constexpr int kCheckedAtStart[] = {
    IDC_TYPE_A, IDC_TYPE_B, IDC_TYPE_125K, IDC_CHECK_CODE_ADD, IDC_ORDER_DEFAULT, IDC_FORMAT_HEX,
};

constexpr int kKeyLength = 8;
constexpr char kDefaultKey[] = "3A7C1E95";

}  // namespace

const MessageMapEntry CTolvariDlg::messageEntries[] = {
    MapSysCommand<&CTolvariDlg::OnSysCommand>(),
    MapPaint<&CTolvariDlg::OnPaint>(),
    MapQueryDragIcon<&CTolvariDlg::OnQueryDragIcon>(),
    MapCommand<&CTolvariDlg::OnSetKey>(IDC_SET_KEY),
    MapCommand<&CTolvariDlg::OnFindCard>(IDC_FIND_CARD),
    MapCommand<&CTolvariDlg::OnLoadKey>(IDC_LOAD_KEY),
    MapCommand<&CTolvariDlg::OnVerifyCard>(IDC_VERIFY_CARD),
    MapCommand<&CTolvariDlg::OnCardFunc>(IDC_CARD_FUNC),
    MapCommand<&CTolvariDlg::OnDevFunc>(IDC_DEV_FUNC),
    MapCommand<&CTolvariDlg::OnHaltCard>(IDC_HALT_CARD),
    MapCommand<&CTolvariDlg::OnCloseDevice>(IDC_CLOSE_DEVICE),
    MapCommand<&CTolvariDlg::OnClearDisplay>(IDC_CLEAR_DISPLAY),
    MapCommand<&CTolvariDlg::OnGetConfig>(IDC_GET_CONFIG),
    MapCommand<&CTolvariDlg::OnSetConfig>(IDC_SET_CONFIG),
};
const MessageMap CTolvariDlg::messageMap = {&CDialog::messageMap, messageEntries,
                                            std::size(messageEntries)};

CTolvariDlg::CTolvariDlg(CWnd* pParent)
    : CDialog(IDD, pParent),
      m_hIcon(LoadIconW(ModuleInstance(), MAKEINTRESOURCEW(IDR_MAINFRAME))),
      m_readerCommands(*this) {}

void CTolvariDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LOG_LIST, m_listLog);
    DDX_Control(pDX, IDC_KEY_EDIT, m_editKey);
}

BOOL CTolvariDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    const HMENU systemMenu = GetSystemMenu(FALSE);
    if (systemMenu != nullptr) {
        const std::wstring about = LoadStringResource(IDS_ABOUTBOX);
        if (!about.empty()) {
            AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, about.c_str());
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    for (const int id : kCheckedAtStart) {
        SetCheck(id, BST_CHECKED);
    }
    m_editKey.LimitText(kKeyLength);
    m_editKey.SetWindowText(kDefaultKey);

    g_hReader = -1;
    g_bySector = 3;
    g_byBlock = 12;
    return TRUE;
}

void CTolvariDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CTolvariDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    RECT rect{};
    GetClientRect(&rect);
    const int x = (rect.right - rect.left - cxIcon + 1) / 2;
    const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    DrawIcon(dc.m_hDC, x, y, m_hIcon);
}

HCURSOR CTolvariDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}

void CTolvariDlg::LogLine(const char* text) {
    m_listLog.AddString(text);
    const int count = m_listLog.GetCount();
    m_listLog.SetCurSel(count - 1);
    // Exactly one pending message, whatever it is, without the dialog's
    // keyboard handling: it keeps the window painted during a command.
    MSG msg;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void CTolvariDlg::OnClearDisplay() {
    m_listLog.ResetContent();
}

void CTolvariDlg::OnGetConfig() {
    m_readerCommands.Run(&GetConfig);
}

void CTolvariDlg::OnSetConfig() {
    m_readerCommands.Run(&SetConfig);
}

void CTolvariDlg::OnSetKey() {
    m_readerCommands.Run(&SetKey);
}

void CTolvariDlg::OnFindCard() {
    m_readerCommands.Run(&FindCard);
}

void CTolvariDlg::OnLoadKey() {
    m_readerCommands.Run(&LoadKey);
}

void CTolvariDlg::OnVerifyCard() {
    m_readerCommands.Run(&VerifyCard);
}

void CTolvariDlg::OnCardFunc() {
    m_readerCommands.Run(&CardFunc);
}

void CTolvariDlg::OnHaltCard() {
    m_readerCommands.Run(&HaltCard);
}

void CTolvariDlg::OnDevFunc() {
    m_readerCommands.Run(&DevFunc);
}

void CTolvariDlg::OnCloseDevice() {
    m_readerCommands.Run(&CloseDevice);
}

int CTolvariDlg::GetCheck(int id) {
    const HWND control = GetDlgItem(id);
    return control != nullptr ? static_cast<int>(::SendMessageW(control, BM_GETCHECK, 0, 0)) : 0;
}

void CTolvariDlg::SetCheck(int id, int state) {
    const HWND control = GetDlgItem(id);
    if (control != nullptr) {
        ::SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(state), 0);
    }
}

HWND CTolvariDlg::TextControl(int id) const {
    return id == IDC_KEY_EDIT && m_editKey.m_hWnd != nullptr ? m_editKey.m_hWnd : GetDlgItem(id);
}

int CTolvariDlg::GetTextLength(int id) {
    return GetWindowTextLengthGbk(TextControl(id));
}

void CTolvariDlg::GetText(int id, char* text, int limit) {
    GetWindowTextGbk(TextControl(id), text, limit);
}

void CTolvariDlg::SetText(int id, const char* text) {
    SetWindowTextGbk(TextControl(id), text);
}

void CTolvariDlg::UpdateData(int saveAndValidate) {
    CDialog::UpdateData(saveAndValidate);
}
