// Compares a recorded sequence (calls, window operations, lines) whole with
// the expected one and reports the first difference.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

::testing::AssertionResult SameSequence(const std::vector<std::string>& expected,
                                        const std::vector<std::string>& actual);
