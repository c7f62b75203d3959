// Reads little-endian fields from a resource's bytes, never past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ByteReader {
public:
    explicit ByteReader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}

    // False once any read ran past the end; every read after that gives 0.
    bool Ok() const { return ok_; }
    size_t Offset() const { return offset_; }

    uint8_t Byte();
    uint16_t Word();
    uint16_t PeekWord();
    int16_t Short();
    uint32_t DWord();
    // A NUL-terminated UTF-16 string; the terminator is consumed.
    std::wstring String();
    std::vector<uint8_t> Bytes(size_t count);
    // Skips to the next offset that is a multiple of 4 (resources start aligned).
    void AlignTo4();
    void Seek(size_t offset);

private:
    bool Take(size_t count, void* out);

    const std::vector<uint8_t>& bytes_;
    size_t offset_ = 0;
    bool ok_ = true;
};
