// Conversion between the program's GBK (code page 936) text and the UTF-16
// text of the Win32 W functions, so that Chinese text shows correctly
// whatever the process's ANSI code page is.
#pragma once

#include <string>

// The UTF-16 form of a zero-terminated GBK text; null gives an empty text.
std::wstring WideFromGbk(const char* text);

// The GBK form of a UTF-16 text.
std::string GbkFromWide(const std::wstring& text);

// Copies text into buffer (limit bytes, limit > 0): at most limit - 1 bytes,
// never half of a double-byte character, then a terminating zero.
// Returns the number of bytes copied.
int CopyGbk(const std::string& text, char* buffer, int limit);
