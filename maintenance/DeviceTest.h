// The device test commands, on the connection whose handle g_hReader holds.
#pragma once

class WindowOps;

// Version text, EEPROM write and read-back at address 24, reset, and the bytes
// read back in hexadecimal.
void DevFunc(WindowOps& window);
// Closes whatever g_hReader holds (no connected check); a successful close
// sets g_hReader to -1.
void CloseDevice(WindowOps& window);
