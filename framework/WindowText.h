// A window's text as GBK, read and written through the W functions.
#pragma once

#include <windows.h>

// Length of the text in GBK bytes; 0 for no window.
int GetWindowTextLengthGbk(HWND window);
// Copies at most limit - 1 bytes of the text and a terminating zero;
// returns the bytes copied.
int GetWindowTextGbk(HWND window, char* text, int limit);
BOOL SetWindowTextGbk(HWND window, const char* text);
