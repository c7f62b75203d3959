#include "framework/CPaintDC.h"

#include "framework/CWnd.h"

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window != nullptr ? window->m_hWnd : nullptr) {
    if (m_hWnd != nullptr) {
        m_hDC = BeginPaint(m_hWnd, &m_ps);
    }
}

CPaintDC::~CPaintDC() {
    if (m_hDC != nullptr) {
        EndPaint(m_hWnd, &m_ps);
    }
}
