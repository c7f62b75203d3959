// A list box; the texts are GBK.
#pragma once

#include "framework/CWnd.h"

class CListBox : public CWnd {
public:
    int AddString(const char* text);  // index of the new line, or LB_ERR
    int GetCount() const;             // or LB_ERR
    int SetCurSel(int index);         // -1 selects nothing
    void ResetContent();
};
