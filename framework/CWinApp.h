// The application object. Exactly one exists, a static object of a class
// derived from this one; WinMain finds it and calls its InitInstance.
#pragma once

#include <windows.h>

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The program's work. The program ends when it returns: a FALSE result
    // asks for no message loop, and this framework runs none of its own.
    virtual BOOL InitInstance() = 0;

    CWnd* m_pMainWnd = nullptr;  // the main window, owner of the dialogs it opens
};

// The one application object, or null if none has been constructed.
CWinApp* AfxGetApp();
