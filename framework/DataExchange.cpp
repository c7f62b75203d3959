#include "framework/DataExchange.h"

#include "framework/CWnd.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& control) {
    if (pDX == nullptr || control.m_hWnd != nullptr) {
        return;
    }
    if (!control.SubclassDlgItem(nIDC, pDX->m_pDlgWnd)) {
        pDX->m_bFailed = true;
    }
}
