#include "tests/win32/res/DialogTemplate.h"

#include <windows.h>

#include "tests/win32/res/ByteReader.h"

namespace {

NameOrOrdinal ReadNameOrOrdinal(ByteReader& r) {
    const uint16_t first = r.PeekWord();
    if (first == 0x0000) {
        r.Word();
        return {};
    }
    if (first == 0xFFFF) {
        r.Word();
        return NameOrOrdinal::Ordinal(r.Word());
    }
    return NameOrOrdinal::Text(r.String());
}

}  // namespace

bool ParseDialogTemplateEx(const std::vector<uint8_t>& bytes, DialogTemplate& out,
                           std::string& error) {
    ByteReader r(bytes);
    out = DialogTemplate{};
    out.version = r.Word();
    out.signature = r.Word();
    if (!r.Ok() || out.version != 1 || out.signature != 0xFFFF) {
        error = "not an extended dialog template";
        return false;
    }
    out.helpId = r.DWord();
    out.exStyle = r.DWord();
    out.style = r.DWord();
    out.itemCount = r.Word();
    out.x = r.Short();
    out.y = r.Short();
    out.cx = r.Short();
    out.cy = r.Short();
    out.menu = ReadNameOrOrdinal(r);
    out.windowClass = ReadNameOrOrdinal(r);
    out.title = r.String();
    if (out.style & (DS_SETFONT | DS_SHELLFONT)) {
        out.pointSize = r.Word();
        out.weight = r.Word();
        out.italic = r.Byte();
        out.charset = r.Byte();
        out.typeface = r.String();
    }
    for (uint16_t i = 0; i < out.itemCount && r.Ok(); ++i) {
        r.AlignTo4();
        DialogItem item;
        item.helpId = r.DWord();
        item.exStyle = r.DWord();
        item.style = r.DWord();
        item.x = r.Short();
        item.y = r.Short();
        item.cx = r.Short();
        item.cy = r.Short();
        item.id = r.DWord();
        item.windowClass = ReadNameOrOrdinal(r);
        item.title = ReadNameOrOrdinal(r);
        item.extraSize = r.Word();
        r.Bytes(item.extraSize);
        out.items.push_back(item);
    }
    if (!r.Ok()) {
        error = "template cut short at byte " + std::to_string(r.Offset());
        return false;
    }
    return true;
}
