// Number lines of the maintenance commands.
#pragma once

#include <cstdint>

class WindowOps;

// Logs value in signed decimal ("%d").
void LogSigned(WindowOps& window, int32_t value);
// Logs value in unsigned decimal ("%u").
void LogUnsigned(WindowOps& window, uint32_t value);
