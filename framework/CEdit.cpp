#include "framework/CEdit.h"

void CEdit::LimitText(int nChars) {
    if (m_hWnd == nullptr || nChars < 0) {
        return;
    }
    ::SendMessageW(m_hWnd, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
}
