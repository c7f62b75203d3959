// The value-block format: value, its inverse, value (little-endian, signed
// 32-bit), then address, inverse, address, inverse.
#pragma once

#include <cstdint>

namespace zel {

void encodeValueBlock(int32_t value, uint8_t address, uint8_t* block16);

// False unless all twelve relations of the format hold.
bool decodeValueBlock(const uint8_t* block16, int32_t& value, uint8_t& address);

}  // namespace zel
