#include "framework/WindowText.h"

#include "framework/Gbk.h"

#include <string>

namespace {

std::string WindowTextAsGbk(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, &wide[0], length + 1);
    wide.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return GbkFromWide(wide);
}

}  // namespace

int GetWindowTextLengthGbk(HWND window) {
    if (window == nullptr) {
        return 0;
    }
    return static_cast<int>(WindowTextAsGbk(window).size());
}

int GetWindowTextGbk(HWND window, char* text, int limit) {
    if (text == nullptr || limit <= 0) {
        return 0;
    }
    if (window == nullptr) {
        text[0] = '\0';
        return 0;
    }
    return CopyGbk(WindowTextAsGbk(window), text, limit);
}

BOOL SetWindowTextGbk(HWND window, const char* text) {
    if (window == nullptr) {
        return FALSE;
    }
    return SetWindowTextW(window, WideFromGbk(text).c_str());
}
