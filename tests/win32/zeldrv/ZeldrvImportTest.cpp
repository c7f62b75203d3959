// A program bound to zeldrv.dll at start through its import library: if the
// library imported decorated names, the program would not start at all.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "reader/zeldrv.h"

TEST(ZeldrvImport, BoundCallsReachTheDll) {
    char text[9] = {};
    const uint8_t key[4] = {0x3A, 0x7C, 0x1E, 0x95};
    EXPECT_EQ(0, hex_a(text, key, 8));
    EXPECT_STREQ("3A7C1E95", text);
    EXPECT_LE(zel_init(1, 9600), 0) << "a port the simulator does not have";
    EXPECT_NE(nullptr, GetModuleHandleW(L"zeldrv.dll"));
}
