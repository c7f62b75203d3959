#include "framework/CListBox.h"

#include "framework/Gbk.h"

#include <string>

int CListBox::AddString(const char* text) {
    if (m_hWnd == nullptr || text == nullptr) {
        return LB_ERR;
    }
    const std::wstring wide = WideFromGbk(text);
    return static_cast<int>(
        ::SendMessageW(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

int CListBox::GetCount() const {
    if (m_hWnd == nullptr) {
        return LB_ERR;
    }
    return static_cast<int>(::SendMessageW(m_hWnd, LB_GETCOUNT, 0, 0));
}

int CListBox::SetCurSel(int index) {
    if (m_hWnd == nullptr) {
        return LB_ERR;
    }
    return static_cast<int>(::SendMessageW(m_hWnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0));
}

void CListBox::ResetContent() {
    if (m_hWnd == nullptr) {
        return;
    }
    ::SendMessageW(m_hWnd, LB_RESETCONTENT, 0, 0);
}
