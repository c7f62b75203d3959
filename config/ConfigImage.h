// The reader's 10-byte configuration image at EEPROM addresses 1 to 10 and
// its mapping onto the main window's controls.
#pragma once

#include <array>
#include <cstdint>

#include "res/resource.h"

constexpr int32_t READER_PORT = 100;
constexpr int32_t READER_BAUD = 9600;

constexpr int32_t CFG_EEPROM_ADDR = 1;  // image byte i lies at address i + 1
constexpr int32_t CFG_READ_LEN = 10;    // Get reads the whole image
constexpr int32_t CFG_WRITE_LEN = 6;    // Set writes the setting bytes 0 to 5
constexpr int32_t KEY_EEPROM_ADDR = 7;  // image bytes 6 to 9: the feature-code key
constexpr int32_t KEY_LEN = 4;
constexpr int KEY_IMAGE_OFFSET = 6;
constexpr int KEY_TEXT_LEN = 8;         // 8 hexadecimal characters for the 4 key bytes
constexpr int KEY_TEXT_LIMIT = KEY_TEXT_LEN + 1;

// Every command works in local buffers of this size, zero-filled before use.
constexpr int CFG_BUFFER_SIZE = 20;

constexpr int NO_CONTROL = 0;

// One setting byte. Get checks `control` when the byte is nonzero and gives
// `other` (the second button of a radio pair) the opposite state; Set writes
// 1 when `control` is checked and never consults `other`.
struct ConfigField {
    int imageByte;
    int control;
    int other;
};

// In the order in which Get sets and Set reads the controls.
inline constexpr std::array<ConfigField, 6> kConfigFields = {{
    {0, IDC_TYPE_A, NO_CONTROL},
    {1, IDC_TYPE_B, NO_CONTROL},
    {2, IDC_TYPE_125K, NO_CONTROL},
    {3, IDC_ORDER_DEFAULT, IDC_ORDER_REVERSE},
    {4, IDC_FORMAT_HEX, IDC_FORMAT_DECIMAL},
    {5, IDC_CHECK_CODE_ADD, NO_CONTROL},
}};
