#include "framework/CWnd.h"

#include "framework/WindowText.h"

namespace {
// The window property that leads from a subclassed control to its object.
constexpr wchar_t kObjectProperty[] = L"Vantrel.CWnd";
}  // namespace

const MessageMap CWnd::messageMap = {nullptr, nullptr, 0};

CWnd::~CWnd() {
    if (m_superProc != nullptr) {
        Unsubclass();
    }
}

HWND CWnd::GetDlgItem(int id) const {
    return m_hWnd != nullptr ? ::GetDlgItem(m_hWnd, id) : nullptr;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return m_hWnd != nullptr ? ::SendMessageW(m_hWnd, message, wParam, lParam) : 0;
}

BOOL CWnd::SetWindowText(const char* text) {
    return SetWindowTextGbk(m_hWnd, text);
}

BOOL CWnd::IsIconic() const {
    return m_hWnd != nullptr && ::IsIconic(m_hWnd);
}

BOOL CWnd::GetClientRect(RECT* rect) const {
    return m_hWnd != nullptr && ::GetClientRect(m_hWnd, rect);
}

HMENU CWnd::GetSystemMenu(BOOL revert) const {
    return m_hWnd != nullptr ? ::GetSystemMenu(m_hWnd, revert) : nullptr;
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL,
                                               reinterpret_cast<LPARAM>(icon)));
}

BOOL CWnd::SubclassDlgItem(int id, CWnd* parent) {
    if (m_hWnd != nullptr || parent == nullptr || parent->m_hWnd == nullptr) {
        return FALSE;
    }
    const HWND control = ::GetDlgItem(parent->m_hWnd, id);
    if (control == nullptr || !SetPropW(control, kObjectProperty, this)) {
        return FALSE;
    }
    const LONG_PTR previous =
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc));
    if (previous == 0) {
        RemovePropW(control, kObjectProperty);
        return FALSE;
    }
    m_superProc = reinterpret_cast<WNDPROC>(previous);
    m_hWnd = control;
    return TRUE;
}

void CWnd::Unsubclass() {
    if (m_hWnd != nullptr && IsWindow(m_hWnd)) {
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
        RemovePropW(m_hWnd, kObjectProperty);
    }
    m_superProc = nullptr;
    m_hWnd = nullptr;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* const object = static_cast<CWnd*>(GetPropW(window, kObjectProperty));
    if (object == nullptr || object->m_superProc == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        // The control's last message: give it back its own procedure first.
        const WNDPROC super = object->m_superProc;
        object->Unsubclass();
        return CallWindowProcW(super, window, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (object->OnWndMsg(message, wParam, lParam, result)) {
        return result;
    }
    return CallWindowProcW(object->m_superProc, window, message, wParam, lParam);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const MessageMapEntry& entry = map->entries[i];
            if (entry.message != message) {
                continue;
            }
            if (message == WM_COMMAND &&
                (entry.id != LOWORD(wParam) || entry.code != HIWORD(wParam))) {
                continue;
            }
            // Handlers may run other messages of this window (LogLine), so
            // the current message is saved around the call.
            const CurrentMessage outer = m_current;
            m_current = {message, wParam, lParam};
            result = entry.thunk(*this, wParam, lParam);
            m_current = outer;
            return true;
        }
    }
    return false;
}

LRESULT CWnd::Default() {
    return DefaultProcessing(m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CWnd::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_superProc != nullptr) {
        return CallWindowProcW(m_superProc, m_hWnd, message, wParam, lParam);
    }
    return m_hWnd != nullptr ? DefWindowProcW(m_hWnd, message, wParam, lParam) : 0;
}

void CWnd::OnPaint() {
    Default();
}

void CWnd::OnSysCommand(UINT, LPARAM) {
    Default();
}

void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}
