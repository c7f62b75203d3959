#include "ui/CAboutDlg.h"

// No entries: Ok, Enter and Escape reach the base class's OnOK and OnCancel.
const MessageMap CAboutDlg::messageMap = {&CDialog::messageMap, nullptr, 0};

CAboutDlg::CAboutDlg() : CDialog(IDD) {}
