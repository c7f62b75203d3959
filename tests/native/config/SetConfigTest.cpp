// The six bytes Set builds from the check states.
#include <string>
#include <vector>

#include "config/ConfigCommands.h"
#include "res/resource.h"
#include "tests/native/support/CommandTest.h"

namespace {

class SetConfigTest : public CommandTest {};

TEST_F(SetConfigTest, WritesOneForEachCheckedControlAndIgnoresReverseAndDecimal)
{
    struct Row {
        const char* label;
        std::vector<std::pair<int, int>> checks;  // unlisted controls are clear
        const char* bytes;
    };
    const Row rows[] = {
        {"start states",
         {{IDC_TYPE_A, 1}, {IDC_TYPE_B, 1}, {IDC_TYPE_125K, 1}, {IDC_CHECK_CODE_ADD, 1}, {IDC_ORDER_DEFAULT, 1},
          {IDC_FORMAT_HEX, 1}},
         "[01 01 01 01 01 01]"},
        {"all clear, Reverse and Decimal checked", {{IDC_ORDER_REVERSE, 1}, {IDC_FORMAT_DECIMAL, 1}},
         "[00 00 00 00 00 00]"},
        {"Reverse and Decimal do not count",
         {{IDC_TYPE_B, 1}, {IDC_ORDER_DEFAULT, 1}, {IDC_ORDER_REVERSE, 1}, {IDC_FORMAT_DECIMAL, 1},
          {IDC_CHECK_CODE_ADD, 1}},
         "[00 01 00 01 00 01]"},
        {"any nonzero state writes 1",
         {{IDC_TYPE_A, 2}, {IDC_TYPE_125K, 2}, {IDC_FORMAT_HEX, 2}}, "[01 00 01 00 01 00]"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reset();
        for (const auto& check : row.checks)
            window.checks[check.first] = check.second;

        SetConfig(window);

        EXPECT_TRUE(SameSequence({"zel_init(100,9600)", std::string("zel_swr_eeprom(7,1,6,") + row.bytes + ")",
                                  "zel_exit(7)"},
                                 Fake().calls));
    }
}

}  // namespace
