#include "framework/CDialog.h"

#include "framework/CWinApp.h"
#include "framework/Module.h"

#include <algorithm>
#include <iterator>

namespace {

// The messages whose result a dialog procedure returns itself instead of
// through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
        return true;
    default:
        return false;
    }
}

LONG Width(const RECT& rect) {
    return rect.right - rect.left;
}

LONG Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

}  // namespace

const MessageMapEntry CDialog::messageEntries[] = {
    MapCommand<&CDialog::OnOK>(IDOK),
    MapCommand<&CDialog::OnCancel>(IDCANCEL),
};
const MessageMap CDialog::messageMap = {&CWnd::messageMap, messageEntries,
                                        std::size(messageEntries)};

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

INT_PTR CDialog::DoModal() {
    HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    if (owner == nullptr) {
        const CWinApp* app = AfxGetApp();
        if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd != this) {
            owner = app->m_pMainWnd->m_hWnd;
        }
    }
    const INT_PTR result =
        DialogBoxParamW(ModuleInstance(), MAKEINTRESOURCEW(m_nIDTemplate), owner,
                        &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    return result;
}

void CDialog::EndDialog(int result) {
    if (m_hWnd != nullptr) {
        ::EndDialog(m_hWnd, result);
    }
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return exchange.m_bFailed ? FALSE : TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

LRESULT CDialog::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_hWnd == nullptr) {
        return 0;
    }
    m_passToDialogManager = true;
    m_passedMessage = message;
    const LRESULT result = DefDlgProcW(m_hWnd, message, wParam, lParam);
    m_passToDialogManager = false;
    return result;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        CDialog* const dialog = reinterpret_cast<CDialog*>(lParam);
        if (dialog == nullptr) {
            return FALSE;
        }
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        dialog->m_hWnd = window;
        return dialog->HandleInitDialog();
    }
    // Messages that arrive before WM_INITDIALOG (WM_SETFONT) find no object.
    CDialog* const dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (dialog == nullptr) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        dialog->m_hWnd = nullptr;
        return FALSE;
    }
    return dialog->HandleMessage(message, wParam, lParam);
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_passToDialogManager && message == m_passedMessage) {
        m_passToDialogManager = false;
        return FALSE;  // the dialog manager's own processing
    }
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, result)) {
        return FALSE;
    }
    if (ReturnsResultDirectly(message)) {
        return result;
    }
    SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

BOOL CDialog::HandleInitDialog() {
    RECT before{};
    GetWindowRect(m_hWnd, &before);
    const BOOL result = OnInitDialog();
    if (m_hWnd == nullptr) {
        return result;
    }
    // Centre the dialog unless its template asks for centring itself or the
    // initialisation already placed or showed it.
    RECT after{};
    GetWindowRect(m_hWnd, &after);
    const LONG_PTR style = GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    const bool moved = !EqualRect(&before, &after);
    if ((style & DS_CENTER) == 0 && !moved && !IsWindowVisible(m_hWnd)) {
        CenterWindow();
    }
    return result;
}

void CDialog::CenterWindow() {
    RECT dialog{};
    if (!GetWindowRect(m_hWnd, &dialog)) {
        return;
    }
    // Over the owner if it is shown, else in the work area of the monitor.
    const HWND owner = GetWindow(m_hWnd, GW_OWNER);
    const bool overOwner = owner != nullptr && IsWindowVisible(owner) && !::IsIconic(owner);
    const HMONITOR monitor = MonitorFromWindow(overOwner ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) {
        return;
    }
    const RECT& work = info.rcWork;
    RECT around = work;
    if (overOwner && !GetWindowRect(owner, &around)) {
        around = work;
    }
    LONG x = around.left + (Width(around) - Width(dialog)) / 2;
    LONG y = around.top + (Height(around) - Height(dialog)) / 2;
    // Keep the whole dialog in the work area where it fits.
    x = std::max(work.left, std::min(x, work.right - Width(dialog)));
    y = std::max(work.top, std::min(y, work.bottom - Height(dialog)));
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
