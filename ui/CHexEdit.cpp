#include "ui/CHexEdit.h"

#include <iterator>

namespace {

struct CharRange {
    UINT first;
    UINT last;
};

// Letters become capitals through the control's ES_UPPERCASE style.
constexpr CharRange kAccepted[] = {
    {0x30, 0x39},        // 0 to 9
    {0x61, 0x66},        // a to f
    {0x41, 0x46},        // A to F
    {VK_BACK, VK_BACK},  // backspace
    {0x20, 0x20},        // space
};

}  // namespace

const MessageMapEntry CHexEdit::messageEntries[] = {
    MapChar<&CHexEdit::OnChar>(),
};
const MessageMap CHexEdit::messageMap = {&CEdit::messageMap, messageEntries,
                                         std::size(messageEntries)};

bool CHexEdit::IsAccepted(UINT nChar) {
    for (const CharRange& range : kAccepted) {
        if (nChar >= range.first && nChar <= range.last) {
            return true;
        }
    }
    return false;
}

void CHexEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (IsAccepted(nChar)) {
        CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
    // Anything else is dropped silently.
}
