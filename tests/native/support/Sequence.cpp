#include "tests/native/support/Sequence.h"

#include <algorithm>
#include <sstream>

namespace {
void PrintAll(std::ostringstream& out, const char* title, const std::vector<std::string>& items)
{
    out << "\n" << title << " (" << items.size() << "):";
    for (std::size_t i = 0; i < items.size(); ++i)
        out << "\n  [" << i << "] " << items[i];
}
}  // namespace

::testing::AssertionResult SameSequence(const std::vector<std::string>& expected,
                                        const std::vector<std::string>& actual)
{
    if (expected == actual)
        return ::testing::AssertionSuccess();

    const std::size_t common = std::min(expected.size(), actual.size());
    std::size_t i = 0;
    while (i < common && expected[i] == actual[i])
        ++i;

    std::ostringstream out;
    out << "first difference at [" << i << "]: expected "
        << (i < expected.size() ? "\"" + expected[i] + "\"" : std::string("nothing"))
        << ", actual "
        << (i < actual.size() ? "\"" + actual[i] + "\"" : std::string("nothing"));
    PrintAll(out, "expected", expected);
    PrintAll(out, "actual", actual);
    return ::testing::AssertionFailure() << out.str();
}
