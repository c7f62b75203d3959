// The About box: icon, product name and a notice line; it only closes again.
#pragma once

#include "framework/CDialog.h"
#include "res/resource.h"

class CAboutDlg : public CDialog {
public:
    enum { IDD = IDD_ABOUTBOX };

    CAboutDlg();

protected:
    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageMap messageMap;
};
