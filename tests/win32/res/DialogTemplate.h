// An extended dialog template (DLGTEMPLATEEX with its DLGITEMTEMPLATEEX
// items) as the resource stores it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A template field that is absent, an ordinal (0xFFFF, n) or a UTF-16 text.
struct NameOrOrdinal {
    enum Kind { kNone, kOrdinal, kText };
    Kind kind = kNone;
    uint16_t ordinal = 0;
    std::wstring text;

    static NameOrOrdinal Ordinal(uint16_t n) { return {kOrdinal, n, {}}; }
    static NameOrOrdinal Text(std::wstring s) { return {kText, 0, std::move(s)}; }
};

struct DialogItem {
    uint32_t helpId = 0;
    uint32_t exStyle = 0;
    uint32_t style = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    uint32_t id = 0;
    NameOrOrdinal windowClass;
    NameOrOrdinal title;
    uint16_t extraSize = 0;
};

struct DialogTemplate {
    uint16_t version = 0;
    uint16_t signature = 0;
    uint32_t helpId = 0;
    uint32_t exStyle = 0;
    uint32_t style = 0;
    uint16_t itemCount = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::wstring title;
    // Present only with DS_SETFONT.
    uint16_t pointSize = 0;
    uint16_t weight = 0;
    uint8_t italic = 0;
    uint8_t charset = 0;
    std::wstring typeface;
    std::vector<DialogItem> items;
};

// Parses an extended template. False, with the reason, when the bytes are
// not one or are cut short.
bool ParseDialogTemplateEx(const std::vector<uint8_t>& bytes, DialogTemplate& out,
                           std::string& error);
