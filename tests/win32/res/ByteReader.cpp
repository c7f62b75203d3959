#include "tests/win32/res/ByteReader.h"

#include <cstring>

bool ByteReader::Take(size_t count, void* out) {
    if (!ok_ || count > bytes_.size() - offset_) {
        ok_ = false;
        std::memset(out, 0, count);
        return false;
    }
    std::memcpy(out, bytes_.data() + offset_, count);
    offset_ += count;
    return true;
}

uint8_t ByteReader::Byte() {
    uint8_t v;
    Take(sizeof v, &v);
    return v;
}

uint16_t ByteReader::Word() {
    uint16_t v;
    Take(sizeof v, &v);
    return v;
}

uint16_t ByteReader::PeekWord() {
    const size_t at = offset_;
    const uint16_t v = Word();
    if (ok_) offset_ = at;
    return v;
}

int16_t ByteReader::Short() {
    int16_t v;
    Take(sizeof v, &v);
    return v;
}

uint32_t ByteReader::DWord() {
    uint32_t v;
    Take(sizeof v, &v);
    return v;
}

std::wstring ByteReader::String() {
    std::wstring s;
    for (;;) {
        const uint16_t c = Word();
        if (!ok_ || c == 0) return s;
        s.push_back(static_cast<wchar_t>(c));
    }
}

std::vector<uint8_t> ByteReader::Bytes(size_t count) {
    if (!ok_ || count > bytes_.size() - offset_) {
        ok_ = false;
        return {};
    }
    std::vector<uint8_t> out(bytes_.begin() + static_cast<std::ptrdiff_t>(offset_),
                             bytes_.begin() + static_cast<std::ptrdiff_t>(offset_ + count));
    offset_ += count;
    return out;
}

void ByteReader::AlignTo4() {
    Seek((offset_ + 3) & ~static_cast<size_t>(3));
}

void ByteReader::Seek(size_t offset) {
    if (offset > bytes_.size()) {
        ok_ = false;
        return;
    }
    if (ok_) offset_ = offset;
}
