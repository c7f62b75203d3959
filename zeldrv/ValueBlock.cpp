#include "zeldrv/ValueBlock.h"

namespace zel {
namespace {

void putLittleEndian(uint32_t v, uint8_t* out) {
    for (int i = 0; i < 4; ++i) {
        out[i] = static_cast<uint8_t>(v >> (8 * i));
    }
}

uint32_t getLittleEndian(const uint8_t* in) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = v << 8 | in[i];
    }
    return v;
}

}  // namespace

void encodeValueBlock(int32_t value, uint8_t address, uint8_t* block16) {
    const uint32_t v = static_cast<uint32_t>(value);
    putLittleEndian(v, block16);
    putLittleEndian(~v, block16 + 4);
    putLittleEndian(v, block16 + 8);
    const uint8_t notAddress = static_cast<uint8_t>(~address);
    block16[12] = address;
    block16[13] = notAddress;
    block16[14] = address;
    block16[15] = notAddress;
}

bool decodeValueBlock(const uint8_t* block16, int32_t& value, uint8_t& address) {
    const uint32_t v = getLittleEndian(block16);
    if (getLittleEndian(block16 + 4) != ~v || getLittleEndian(block16 + 8) != v) {
        return false;
    }
    const uint8_t a = block16[12];
    const uint8_t notA = static_cast<uint8_t>(~a);
    if (block16[13] != notA || block16[14] != a || block16[15] != notA) {
        return false;
    }
    value = static_cast<int32_t>(v);
    address = a;
    return true;
}

}  // namespace zel
