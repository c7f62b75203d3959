// The MIFARE Classic 1K card on the simulated reader's field: its memory,
// kept in the card file, and the card's states and rules (selection, halt,
// authentication, access conditions, value blocks, transfer buffer).
//
// Every command first looks at the card file: when it is gone the card has
// left the field; when its bytes differ from those the card last held, another
// card was presented. Either way the session ends and the card must be found
// again. Every change is written through to the file before it counts.
#pragma once

#include <array>
#include <cstdint>

#include "zeldrv/AccessConditions.h"
#include "zeldrv/CardImage.h"
#include "zeldrv/FileStore.h"
#include "zeldrv/Status.h"

namespace zel {

using CardKey = std::array<uint8_t, kKeySize>;

class MifareCard {
public:
    static constexpr uint8_t kRequestIdle = 0;  // REQA: idle cards only
    static constexpr uint8_t kRequestAll = 1;   // WUPA: halted cards too

    void attach(const Path& file);

    // Selects the card; serial = UID0..UID3 with UID0 the most significant byte.
    Status request(uint8_t mode, uint32_t& serial);
    // readerKey null: the reader holds no such key.
    Status authenticate(KeyType key, uint8_t sector, const CardKey* readerKey);
    Status read(uint8_t block, uint8_t* out16);
    Status write(uint8_t block, const uint8_t* in16);
    Status initValue(uint8_t block, int32_t value);
    Status increment(uint8_t block, int32_t operand);
    Status decrement(uint8_t block, int32_t operand);
    Status transfer(uint8_t block);
    Status readValue(uint8_t block, int32_t& value);
    Status writeTrailer(uint8_t sector, const uint8_t* keyA, const uint8_t* access, const uint8_t* keyB);
    Status halt();
    // The field was switched off and on: the card powers up idle, halted or not.
    void resetField();

private:
    enum class State { kIdle, kHalted, kActive, kAuthenticated };

    Status sense();
    Status authorize(int block, AccessConditions& conditions);
    Status dataAccess(int block, DataOp op);
    Status valueOperation(uint8_t block, int32_t operand, DataOp op);
    Status changeTrailer(int sector, const uint8_t* trailer16, const AccessConditions& conditions);
    Status store(const CardImage& next);
    void endSession(State next);
    const uint8_t* blockData(int block) const { return image_.data() + block * kBlockSize; }

    Path file_;
    bool present_ = false;
    CardImage image_{};
    State state_ = State::kIdle;
    int authSector_ = -1;
    KeyType authKey_ = KeyType::kA;
    bool haveTransfer_ = false;
    std::array<uint8_t, kBlockSize> transfer_{};
};

}  // namespace zel
