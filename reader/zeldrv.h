// The reader library's operations, as the tool calls them.
// Every operation returns 0 on success and anything else on failure, except
// zel_init (a handle greater than 0 on success) and zel_reset (16-bit result).
#pragma once

#include <cstdint>

#ifdef _WIN32
#define ZEL_API __stdcall
#else
#define ZEL_API
#endif

extern "C" {

int32_t ZEL_API zel_init(int32_t port, int32_t baud);
int32_t ZEL_API zel_exit(int32_t handle);
int32_t ZEL_API zel_srd_eeprom(int32_t handle, int32_t address, int32_t length, uint8_t* buffer);
int32_t ZEL_API zel_swr_eeprom(int32_t handle, int32_t address, int32_t length, uint8_t* buffer);
int32_t ZEL_API zel_getver(int32_t handle, char* buffer);
int16_t ZEL_API zel_reset(int32_t handle, uint16_t arg);

int32_t ZEL_API zel_card(int32_t handle, uint8_t mode, uint32_t* serial);
int32_t ZEL_API zel_load_key(int32_t handle, uint8_t mode, uint8_t sector, const uint8_t* key);
int32_t ZEL_API zel_authentication(int32_t handle, uint8_t mode, uint8_t sector);
int32_t ZEL_API zel_write(int32_t handle, uint8_t block, uint8_t* data);
int32_t ZEL_API zel_read(int32_t handle, uint8_t block, uint8_t* data);
int32_t ZEL_API zel_initval(int32_t handle, uint8_t block, int32_t value);
int32_t ZEL_API zel_increment(int32_t handle, uint8_t block, int32_t value);
int32_t ZEL_API zel_decrement(int32_t handle, uint8_t block, int32_t value);
int32_t ZEL_API zel_transfer(int32_t handle, uint8_t block);
int32_t ZEL_API zel_readval(int32_t handle, uint8_t block, int32_t* value);
int32_t ZEL_API zel_changeb3(int32_t handle, uint8_t sector, const uint8_t* keyA,
                             const uint8_t* access, uint8_t zero, const uint8_t* keyB);
int32_t ZEL_API zel_halt(int32_t handle);

// n hexadecimal characters (upper case, high nibble first) from n/2 bytes; writes no NUL.
int32_t ZEL_API hex_a(char* text, const uint8_t* bytes, int32_t n);
// n bytes from 2n hexadecimal characters; fails on a character that is not a hex digit.
int32_t ZEL_API a_hex(uint8_t* bytes, const char* text, int32_t n);

}  // extern "C"
