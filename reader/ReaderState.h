// Process-wide reader state shared by every command.
#pragma once

#include <cstdint>

extern int32_t g_hReader;  // > 0: handle from zel_init; 0 or less: no reader
extern uint8_t g_bySector; // sector the card test works on
extern uint8_t g_byBlock;  // block the card test works on
