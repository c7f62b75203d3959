// The reader library's C interface over the simulated reader. Every argument
// is checked here or by the class it goes to; nothing is thrown out of it.
#include <cstdint>
#include <limits>
#include <mutex>
#include <optional>

#include "reader/zeldrv.h"
#include "zeldrv/HexText.h"
#include "zeldrv/SimReader.h"

using zel::MifareCard;
using zel::SimReader;
using zel::Status;

namespace {

constexpr int32_t kPort = 100;
constexpr int32_t kBaud = 9600;

// The one connection. Handles count up and are not reused within a process,
// so a closed handle never reaches a later connection.
struct Connection {
    std::mutex mutex;
    std::optional<SimReader> reader;
    int32_t handle = 0;
    int32_t lastHandle = 0;
};

Connection& connection() {
    static Connection c;
    return c;
}

template <typename Body>
int32_t guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return zel::kInternal;  // reported, never passed to the caller's frame
    }
}

template <typename Body>
int32_t withReader(int32_t handle, Body&& body) noexcept {
    return guarded([&]() -> int32_t {
        Connection& c = connection();
        std::lock_guard<std::mutex> lock(c.mutex);
        if (handle <= 0 || !c.reader || handle != c.handle) {
            return zel::kBadHandle;
        }
        return body(*c.reader);
    });
}

template <typename Body>
int32_t withCard(int32_t handle, Body&& body) noexcept {
    return withReader(handle, [&](SimReader& reader) -> int32_t {
        MifareCard* card = nullptr;
        if (Status s = reader.card(card)) {
            return s;
        }
        return body(*card);
    });
}

}  // namespace

extern "C" {

int32_t ZEL_API zel_init(int32_t port, int32_t baud) {
    if (port != kPort || baud != kBaud) {
        return zel::kBadArgument;
    }
    return guarded([]() -> int32_t {
        Connection& c = connection();
        std::lock_guard<std::mutex> lock(c.mutex);
        if (c.reader) {
            return zel::kBusy;
        }
        c.reader.emplace();
        if (Status s = c.reader->open()) {
            c.reader.reset();
            return s;
        }
        c.lastHandle = c.lastHandle == std::numeric_limits<int32_t>::max() ? 1 : c.lastHandle + 1;
        c.handle = c.lastHandle;
        return c.handle;
    });
}

// Closing always succeeds for an open handle, an unplugged reader's included,
// so the caller can open again once the reader is back.
int32_t ZEL_API zel_exit(int32_t handle) {
    return guarded([handle]() -> int32_t {
        Connection& c = connection();
        std::lock_guard<std::mutex> lock(c.mutex);
        if (handle <= 0 || !c.reader || handle != c.handle) {
            return zel::kBadHandle;
        }
        c.reader->close();
        c.reader.reset();
        c.handle = 0;
        return zel::kOk;
    });
}

int32_t ZEL_API zel_srd_eeprom(int32_t handle, int32_t address, int32_t length, uint8_t* buffer) {
    if (buffer == nullptr) {
        return zel::kBadArgument;
    }
    return withReader(handle, [&](SimReader& r) { return r.readEeprom(address, length, buffer); });
}

int32_t ZEL_API zel_swr_eeprom(int32_t handle, int32_t address, int32_t length, uint8_t* buffer) {
    if (buffer == nullptr) {
        return zel::kBadArgument;
    }
    return withReader(handle, [&](SimReader& r) { return r.writeEeprom(address, length, buffer); });
}

int32_t ZEL_API zel_getver(int32_t handle, char* buffer) {
    if (buffer == nullptr) {
        return zel::kBadArgument;
    }
    return withReader(handle, [&](SimReader& r) { return r.version(buffer); });
}

int16_t ZEL_API zel_reset(int32_t handle, uint16_t arg) {
    return static_cast<int16_t>(withReader(handle, [&](SimReader& r) { return r.reset(arg); }));
}

int32_t ZEL_API zel_card(int32_t handle, uint8_t mode, uint32_t* serial) {
    if (serial == nullptr) {
        return zel::kBadArgument;
    }
    return withReader(handle, [&](SimReader& r) -> int32_t {
        uint32_t found = 0;
        const Status s = r.findCard(mode, found);
        if (s == zel::kOk) {
            *serial = found;
        }
        return s;
    });
}

int32_t ZEL_API zel_load_key(int32_t handle, uint8_t mode, uint8_t sector, const uint8_t* key) {
    if (key == nullptr) {
        return zel::kBadArgument;
    }
    return withReader(handle, [&](SimReader& r) { return r.loadKey(mode, sector, key); });
}

int32_t ZEL_API zel_authentication(int32_t handle, uint8_t mode, uint8_t sector) {
    return withReader(handle, [&](SimReader& r) { return r.authenticate(mode, sector); });
}

int32_t ZEL_API zel_write(int32_t handle, uint8_t block, uint8_t* data) {
    if (data == nullptr) {
        return zel::kBadArgument;
    }
    return withCard(handle, [&](MifareCard& card) { return card.write(block, data); });
}

int32_t ZEL_API zel_read(int32_t handle, uint8_t block, uint8_t* data) {
    if (data == nullptr) {
        return zel::kBadArgument;
    }
    return withCard(handle, [&](MifareCard& card) { return card.read(block, data); });
}

int32_t ZEL_API zel_initval(int32_t handle, uint8_t block, int32_t value) {
    return withCard(handle, [&](MifareCard& card) { return card.initValue(block, value); });
}

int32_t ZEL_API zel_increment(int32_t handle, uint8_t block, int32_t value) {
    return withCard(handle, [&](MifareCard& card) { return card.increment(block, value); });
}

int32_t ZEL_API zel_decrement(int32_t handle, uint8_t block, int32_t value) {
    return withCard(handle, [&](MifareCard& card) { return card.decrement(block, value); });
}

int32_t ZEL_API zel_transfer(int32_t handle, uint8_t block) {
    return withCard(handle, [&](MifareCard& card) { return card.transfer(block); });
}

int32_t ZEL_API zel_readval(int32_t handle, uint8_t block, int32_t* value) {
    if (value == nullptr) {
        return zel::kBadArgument;
    }
    return withCard(handle, [&](MifareCard& card) { return card.readValue(block, *value); });
}

// zero is reserved and must be 0.
int32_t ZEL_API zel_changeb3(int32_t handle, uint8_t sector, const uint8_t* keyA, const uint8_t* access,
                             uint8_t zero, const uint8_t* keyB) {
    if (keyA == nullptr || access == nullptr || keyB == nullptr || zero != 0) {
        return zel::kBadArgument;
    }
    return withCard(handle, [&](MifareCard& card) { return card.writeTrailer(sector, keyA, access, keyB); });
}

int32_t ZEL_API zel_halt(int32_t handle) {
    return withCard(handle, [](MifareCard& card) { return card.halt(); });
}

int32_t ZEL_API hex_a(char* text, const uint8_t* bytes, int32_t n) { return zel::bytesToHex(text, bytes, n); }

int32_t ZEL_API a_hex(uint8_t* bytes, const char* text, int32_t n) { return zel::hexToBytes(bytes, text, n); }

}  // extern "C"
