// An edit control.
#pragma once

#include "framework/CWnd.h"

class CEdit : public CWnd {
public:
    // Limits how many characters the user can enter (EM_LIMITTEXT).
    void LimitText(int nChars);
};
