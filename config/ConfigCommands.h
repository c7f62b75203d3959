// The configuration commands of the main window: each opens the reader, makes
// one EEPROM transfer, logs the outcome and closes the reader again.
#pragma once

class WindowOps;

// Reads the whole image and shows it on the setting controls and the key field.
void GetConfig(WindowOps& window);
// Writes the six setting bytes built from the controls' check states.
void SetConfig(WindowOps& window);
// Writes the 4 key bytes given as 8 hexadecimal digits in the key field.
void SetKey(WindowOps& window);
