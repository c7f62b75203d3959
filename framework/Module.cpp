#include "framework/Module.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

HINSTANCE ModuleInstance() {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

std::wstring LoadStringResource(UINT id) {
    // With a buffer size of 0, LoadStringW hands back a pointer to the
    // resource text itself, which is not zero-terminated.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(ModuleInstance(), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) {
        return {};
    }
    return std::wstring(text, static_cast<size_t>(length));
}
