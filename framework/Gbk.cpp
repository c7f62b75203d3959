#include "framework/Gbk.h"

#include <windows.h>

namespace {
constexpr UINT kGbkCodePage = 936;
}

std::wstring WideFromGbk(const char* text) {
    if (text == nullptr || *text == '\0') {
        return {};
    }
    const int needed = MultiByteToWideChar(kGbkCodePage, 0, text, -1, nullptr, 0);
    if (needed <= 1) {
        return {};
    }
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    if (MultiByteToWideChar(kGbkCodePage, 0, text, -1, &wide[0], needed) != needed) {
        return {};
    }
    wide.resize(static_cast<size_t>(needed - 1));  // drop the terminating zero
    return wide;
}

std::string GbkFromWide(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int needed =
        WideCharToMultiByte(kGbkCodePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) {
        return {};
    }
    std::string gbk(static_cast<size_t>(needed), '\0');
    if (WideCharToMultiByte(kGbkCodePage, 0, text.data(), length, &gbk[0], needed, nullptr,
                            nullptr) != needed) {
        return {};
    }
    return gbk;
}

int CopyGbk(const std::string& text, char* buffer, int limit) {
    if (buffer == nullptr || limit <= 0) {
        return 0;
    }
    const size_t room = static_cast<size_t>(limit - 1);
    size_t copied = 0;
    while (copied < text.size()) {
        const BYTE lead = static_cast<BYTE>(text[copied]);
        const size_t width = IsDBCSLeadByteEx(kGbkCodePage, lead) ? 2 : 1;
        if (copied + width > room || copied + width > text.size()) {
            break;
        }
        copied += width;
    }
    text.copy(buffer, copied);
    buffer[copied] = '\0';
    return static_cast<int>(copied);
}
