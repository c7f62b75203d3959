#include "reader/ReaderState.h"

// Start values; OnInitDialog sets them again when the window opens.
int32_t g_hReader = -1;
uint8_t g_bySector = 3;
uint8_t g_byBlock = 12;
