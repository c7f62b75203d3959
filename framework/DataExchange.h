// Dialog data exchange: DoDataExchange gets one of these from UpdateData.
#pragma once

#include <windows.h>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    bool m_bFailed = false;   // an exchange step failed; UpdateData reports FALSE
};

// Attaches the dialog's control nIDC to control on the first exchange, by
// subclassing it; does nothing once control is attached.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& control);
