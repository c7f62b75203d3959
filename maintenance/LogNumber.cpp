#include "maintenance/LogNumber.h"

#include <cstdio>

#include "ui/WindowOps.h"

namespace {
constexpr int NUMBER_TEXT_SIZE = 16;  // "-2147483648" and "4294967295" fit
}

void LogSigned(WindowOps& window, int32_t value)
{
    char text[NUMBER_TEXT_SIZE] = {};
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    window.LogLine(text);
}

void LogUnsigned(WindowOps& window, uint32_t value)
{
    char text[NUMBER_TEXT_SIZE] = {};
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
    window.LogLine(text);
}
