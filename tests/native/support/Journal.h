// One record, in order, of every window operation and library call a test
// run makes, so a test can compare their interleaving whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

void JournalAdd(const std::string& entry);
const std::vector<std::string>& JournalEntries();
void JournalClear();

// Bytes as "[01 AB FF]", the form the records use for buffers.
std::string ByteList(const uint8_t* bytes, std::size_t count);
std::string ByteList(const std::vector<uint8_t>& bytes);
