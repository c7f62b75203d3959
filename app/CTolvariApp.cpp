#include "app/CTolvariApp.h"

#include "ui/CTolvariDlg.h"

// The one application object; WinMain runs its InitInstance.
CTolvariApp theApp;

BOOL CTolvariApp::InitInstance() {
    // Neither dialog template holds an ActiveX control, so no control
    // container is set up.
    CTolvariDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;  // the dialog object ends with this function
    return FALSE;          // no message loop: the program ends
}
