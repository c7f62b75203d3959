// A scripted stand-in for the reader library: every zel_* function, hex_a and
// a_hex, with C linkage and the signatures of reader/zeldrv.h. Each call is
// recorded with its arguments (buffers passed in as their bytes) and returns
// the next scripted result; out-buffers are filled from the script when the
// call succeeds. hex_a and a_hex convert for real.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

struct FakeReader {
    // zel_init's result when none is scripted.
    static constexpr int32_t kDefaultHandle = 7;

    // Results by function name, returned in order. Once a queue is empty a
    // call returns 0 (zel_init: kDefaultHandle).
    std::map<std::string, std::deque<int32_t>> results;
    // Data for successful calls: each zel_srd_eeprom and zel_read takes the
    // next entry (none left: the buffer is not touched).
    std::deque<std::vector<uint8_t>> eepromReads;
    std::deque<std::vector<uint8_t>> blockReads;
    std::vector<uint8_t> version;  // zel_getver copies at most 16 of these bytes
    uint32_t serial = 0;
    int32_t value = 0;

    // Every call as "name(args)", e.g. "zel_swr_eeprom(7,1,6,[01 01 01 01 01 01])".
    std::vector<std::string> calls;

    void Returns(const std::string& name, const std::vector<int32_t>& values);
    // The names of the calls made, in order.
    std::vector<std::string> CallNames() const;
    void Reset();

    int32_t Next(const std::string& name);
    void Record(const std::string& call);
};

// The one fake the zel_* functions use.
FakeReader& Fake();
