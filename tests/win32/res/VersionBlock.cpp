#include "tests/win32/res/VersionBlock.h"

#include "tests/win32/res/ByteReader.h"

namespace {

// Blocks are 4-byte aligned, but a block's length need not include the padding.
void AlignWithin(ByteReader& r, size_t end) {
    const size_t aligned = (r.Offset() + 3) & ~static_cast<size_t>(3);
    r.Seek(aligned < end ? aligned : end);
}

// Reads the block at the reader's offset, which must end by `limit`.
bool ReadBlock(ByteReader& r, size_t limit, VersionBlock& out, std::string& error) {
    const size_t start = r.Offset();
    const uint16_t length = r.Word();
    const uint16_t valueLength = r.Word();
    out.type = r.Word();
    out.key = r.String();
    const size_t end = start + length;
    if (!r.Ok() || length < 6 || end > limit || r.Offset() > end) {
        error = "block at byte " + std::to_string(start) + " overruns its parent";
        return false;
    }
    AlignWithin(r, end);
    // A text value's length counts UTF-16 units, a binary one's bytes.
    const size_t valueBytes = out.type == 1 ? size_t{valueLength} * 2 : valueLength;
    if (r.Offset() + valueBytes > end) {
        error = "value at byte " + std::to_string(r.Offset()) + " overruns its block";
        return false;
    }
    out.value = r.Bytes(valueBytes);
    AlignWithin(r, end);
    while (r.Ok() && r.Offset() < end) {
        VersionBlock child;
        if (!ReadBlock(r, end, child, error)) return false;
        out.children.push_back(std::move(child));
        AlignWithin(r, end);
    }
    r.Seek(end);
    if (!r.Ok()) {
        error = "version resource cut short";
        return false;
    }
    return true;
}

}  // namespace

std::wstring VersionBlock::Text() const {
    std::wstring s;
    for (size_t i = 0; i + 1 < value.size(); i += 2) {
        const auto c = static_cast<wchar_t>(value[i] | (value[i + 1] << 8));
        if (c == L'\0') break;
        s.push_back(c);
    }
    return s;
}

bool ParseVersionBlock(const std::vector<uint8_t>& bytes, VersionBlock& out, std::string& error) {
    ByteReader r(bytes);
    out = VersionBlock{};
    return ReadBlock(r, bytes.size(), out, error);
}
