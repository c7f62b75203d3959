// Fixed values of the card and device tests.
#pragma once

#include <array>
#include <cstdint>

// Card test: sector g_bySector, block g_byBlock.
constexpr uint8_t CARD_MODE = 0;  // mode argument of zel_card, zel_load_key, zel_authentication

// The factory key: a fresh card passes, and a completed Card Func leaves the
// card in its transport configuration. Handlers copy it into local storage.
inline constexpr std::array<uint8_t, 6> TEST_CARD_KEY = {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
// Transport access conditions FF 07 80 and 0x69 as the fourth byte.
inline constexpr std::array<uint8_t, 4> TEST_ACCESS_BYTES = {{0xFF, 0x07, 0x80, 0x69}};
constexpr uint8_t TEST_BLOCK_FILL = 0x4D;  // 'M', the fill of the first block written
constexpr uint8_t TRAILER_ZERO = 0;        // the fixed argument of zel_changeb3

// "汉字样例" as its 8 GBK bytes and a terminating zero.
inline constexpr char TEST_CARD_TEXT[] = "汉字样例";
static_assert(sizeof(TEST_CARD_TEXT) == 9, "the card text must be compiled as GBK");

constexpr int32_t TEST_VALUE_INITIAL = 1000;
constexpr int32_t TEST_VALUE_INCREMENT = 300;
constexpr int32_t TEST_VALUE_DECREMENT = 200;
constexpr int32_t CHANGEB3_ERROR_VALUE = 1;  // logged after "zel_changeb3 error", whatever failed

constexpr int CARD_BLOCK_LEN = 16;
constexpr int CARD_HEX_LEN = 2 * CARD_BLOCK_LEN;

// Device test.
constexpr int32_t TEST_EEPROM_ADDR = 24;
constexpr int32_t TEST_EEPROM_LEN = 5;
inline constexpr std::array<char, TEST_EEPROM_LEN> TEST_EEPROM_PATTERN = {{'V', 'N', 'T', 'R', 'L'}};
constexpr uint16_t RESET_ARG = 2;

constexpr int DEVICE_BUFFER_LEN = 16;  // zel_getver's buffer size
constexpr int DEVICE_HEX_LEN = 2 * TEST_EEPROM_LEN;
