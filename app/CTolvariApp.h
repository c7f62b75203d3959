// The application: runs the main window as one modal dialog.
#pragma once

#include "framework/CWinApp.h"

class CTolvariApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
