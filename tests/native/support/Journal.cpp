#include "tests/native/support/Journal.h"

#include <cstdio>

namespace {
std::vector<std::string>& Entries()
{
    static std::vector<std::string> entries;
    return entries;
}
}  // namespace

void JournalAdd(const std::string& entry)
{
    Entries().push_back(entry);
}

const std::vector<std::string>& JournalEntries()
{
    return Entries();
}

void JournalClear()
{
    Entries().clear();
}

std::string ByteList(const uint8_t* bytes, std::size_t count)
{
    std::string text = "[";
    for (std::size_t i = 0; i < count; ++i) {
        char hex[4] = {};
        std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(bytes[i]));
        if (i > 0)
            text += ' ';
        text += hex;
    }
    return text + "]";
}

std::string ByteList(const std::vector<uint8_t>& bytes)
{
    return ByteList(bytes.data(), bytes.size());
}
