// Conversions between bytes and hexadecimal text.
#pragma once

#include <cstdint>

#include "zeldrv/Status.h"

namespace zel {

// count upper-case hexadecimal characters, high nibble first, from count/2
// bytes. count must be even and not negative. Writes no terminating NUL.
Status bytesToHex(char* text, const uint8_t* bytes, int32_t count);

// count bytes from 2*count hexadecimal characters (either case). Any other
// character, a space included, fails, and then nothing is written.
Status hexToBytes(uint8_t* bytes, const char* text, int32_t count);

}  // namespace zel
