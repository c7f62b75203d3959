#include "zeldrv/HexText.h"

namespace zel {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

int nibble(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

}  // namespace

Status bytesToHex(char* text, const uint8_t* bytes, int32_t count) {
    if (count < 0 || count % 2 != 0 || (count > 0 && (text == nullptr || bytes == nullptr))) {
        return kBadArgument;
    }
    for (int32_t i = 0; i < count / 2; ++i) {
        text[2 * i] = kDigits[bytes[i] >> 4];
        text[2 * i + 1] = kDigits[bytes[i] & 0x0F];
    }
    return kOk;
}

Status hexToBytes(uint8_t* bytes, const char* text, int32_t count) {
    if (count < 0 || count > INT32_MAX / 2 || (count > 0 && (text == nullptr || bytes == nullptr))) {
        return kBadArgument;
    }
    // A NUL is not a digit, so the check stops at the end of a shorter text.
    // Check the whole text first, so a failure writes nothing.
    for (int32_t i = 0; i < 2 * count; ++i) {
        if (nibble(text[i]) < 0) {
            return kBadArgument;
        }
    }
    for (int32_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<uint8_t>(nibble(text[2 * i]) << 4 | nibble(text[2 * i + 1]));
    }
    return kOk;
}

}  // namespace zel
