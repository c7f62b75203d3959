// Fixture for the command tests: a fresh fake window, fake library and
// journal, and the reader state as the window sets it at start.
#pragma once

#include <gtest/gtest.h>

#include "reader/ReaderState.h"
#include "res/resource.h"
#include "tests/native/support/FakeReader.h"
#include "tests/native/support/FakeWindow.h"
#include "tests/native/support/Journal.h"
#include "tests/native/support/Sequence.h"

class CommandTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }

    // Also for each row of a table test.
    void Reset()
    {
        window = FakeWindow();
        Fake().Reset();
        JournalClear();
        g_hReader = -1;
        g_bySector = 3;
        g_byBlock = 12;
    }

    // The controls as the window shows them at start.
    void SetStartStates()
    {
        for (int id : {IDC_TYPE_A, IDC_TYPE_B, IDC_TYPE_125K, IDC_CHECK_CODE_ADD, IDC_ORDER_DEFAULT, IDC_FORMAT_HEX})
            window.checks[id] = 1;
        window.checks[IDC_ORDER_REVERSE] = 0;
        window.checks[IDC_FORMAT_DECIMAL] = 0;
        window.texts[IDC_KEY_EDIT] = "3A7C1E95";
    }

    FakeWindow window;
};
