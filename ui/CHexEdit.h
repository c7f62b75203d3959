// The key field: an edit control that lets only hexadecimal digits,
// backspace and space through from the keyboard.
#pragma once

#include "framework/CEdit.h"

class CHexEdit : public CEdit {
protected:
    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageMap messageMap;

    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

private:
    static const MessageMapEntry messageEntries[];

    // True for the characters that typing may insert.
    static bool IsAccepted(UINT nChar);
};
