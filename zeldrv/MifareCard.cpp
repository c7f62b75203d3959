#include "zeldrv/MifareCard.h"

#include <algorithm>

#include "zeldrv/ValueBlock.h"

namespace zel {

void MifareCard::attach(const Path& file) {
    file_ = file;
    present_ = false;
    endSession(State::kIdle);
}

void MifareCard::endSession(State next) {
    state_ = next;
    authSector_ = -1;
    haveTransfer_ = false;
}

Status MifareCard::sense() {
    CardImage seen;
    if (readExact(file_, seen.data(), seen.size()) != ReadResult::kOk) {
        present_ = false;
        endSession(State::kIdle);
        return kNoCard;
    }
    if (!present_ || seen != image_) {
        image_ = seen;
        present_ = true;
        endSession(State::kIdle);
    }
    return kOk;
}

Status MifareCard::store(const CardImage& next) {
    if (!writeAtomic(file_, next.data(), next.size())) {
        return kStorage;
    }
    image_ = next;
    return kOk;
}

Status MifareCard::request(uint8_t mode, uint32_t& serial) {
    if (mode != kRequestIdle && mode != kRequestAll) {
        return kBadArgument;
    }
    if (Status s = sense()) {
        return s;
    }
    if (state_ == State::kHalted && mode == kRequestIdle) {
        return kNoCard;
    }
    endSession(State::kActive);
    serial = static_cast<uint32_t>(image_[0]) << 24 | static_cast<uint32_t>(image_[1]) << 16 |
             static_cast<uint32_t>(image_[2]) << 8 | image_[3];
    return kOk;
}

Status MifareCard::authenticate(KeyType key, uint8_t sector, const CardKey* readerKey) {
    if (sector >= kSectorCount) {
        return kBadArgument;
    }
    if (Status s = sense()) {
        return s;
    }
    if (state_ != State::kActive && state_ != State::kAuthenticated) {
        return kNotSelected;
    }
    const uint8_t* trailer = blockData(trailerOf(sector));
    const uint8_t* cardKey = trailer + (key == KeyType::kA ? kKeyAOffset : kKeyBOffset);
    if (readerKey == nullptr || !std::equal(readerKey->begin(), readerKey->end(), cardKey)) {
        endSession(State::kIdle);  // the card drops out and must be selected again
        return kAuthFailed;
    }
    endSession(State::kAuthenticated);
    authSector_ = sector;
    authKey_ = key;
    return kOk;
}

Status MifareCard::authorize(int block, AccessConditions& conditions) {
    if (block >= kBlockCount) {
        return kBadArgument;
    }
    if (Status s = sense()) {
        return s;
    }
    if (state_ == State::kIdle || state_ == State::kHalted) {
        return kNotSelected;
    }
    if (state_ != State::kAuthenticated || sectorOf(block) != authSector_) {
        return kNotAuthenticated;
    }
    const uint8_t* trailer = blockData(trailerOf(authSector_));
    if (!AccessConditions::decode(trailer + kAccessOffset, conditions)) {
        return kAccessDenied;  // a sector with broken access bits is blocked
    }
    if (authKey_ == KeyType::kB && conditions.keyBReadable()) {
        return kAccessDenied;
    }
    return kOk;
}

Status MifareCard::dataAccess(int block, DataOp op) {
    AccessConditions conditions;
    if (Status s = authorize(block, conditions)) {
        return s;
    }
    if (isTrailer(block)) {
        return kAccessDenied;  // only plain reads and writes reach a trailer
    }
    const bool changes = op == DataOp::kWrite || op == DataOp::kDecrementTransfer;
    if (block == 0 && changes) {
        return kAccessDenied;  // the manufacturer block is read-only
    }
    return conditions.allows(block % 4, op, authKey_) ? kOk : kAccessDenied;
}

Status MifareCard::read(uint8_t block, uint8_t* out16) {
    if (!isTrailer(block)) {
        if (Status s = dataAccess(block, DataOp::kRead)) {
            return s;
        }
        std::copy_n(blockData(block), kBlockSize, out16);
        return kOk;
    }
    AccessConditions conditions;
    if (Status s = authorize(block, conditions)) {
        return s;
    }
    // Key A never reads back; the rest only where the conditions allow.
    const uint8_t* data = blockData(block);
    uint8_t shown[kBlockSize] = {};
    if (conditions.allowsRead(TrailerField::kAccessBits, authKey_)) {
        std::copy_n(data + kAccessOffset, kAccessSize, shown + kAccessOffset);
    }
    if (conditions.allowsRead(TrailerField::kKeyB, authKey_)) {
        std::copy_n(data + kKeyBOffset, kKeySize, shown + kKeyBOffset);
    }
    std::copy_n(shown, kBlockSize, out16);
    return kOk;
}

Status MifareCard::write(uint8_t block, const uint8_t* in16) {
    if (isTrailer(block)) {
        AccessConditions conditions;
        if (Status s = authorize(block, conditions)) {
            return s;
        }
        return changeTrailer(sectorOf(block), in16, conditions);
    }
    if (Status s = dataAccess(block, DataOp::kWrite)) {
        return s;
    }
    CardImage next = image_;
    std::copy_n(in16, kBlockSize, next.begin() + block * kBlockSize);
    return store(next);
}

Status MifareCard::writeTrailer(uint8_t sector, const uint8_t* keyA, const uint8_t* access, const uint8_t* keyB) {
    if (sector >= kSectorCount) {
        return kBadArgument;
    }
    AccessConditions conditions;
    if (Status s = authorize(trailerOf(sector), conditions)) {
        return s;
    }
    uint8_t trailer[kBlockSize];
    std::copy_n(keyA, kKeySize, trailer + kKeyAOffset);
    std::copy_n(access, kAccessSize, trailer + kAccessOffset);
    std::copy_n(keyB, kKeySize, trailer + kKeyBOffset);
    return changeTrailer(sector, trailer, conditions);
}

Status MifareCard::changeTrailer(int sector, const uint8_t* trailer16, const AccessConditions& conditions) {
    // A real card would block the sector for ever; refuse instead.
    AccessConditions written;
    if (!AccessConditions::decode(trailer16 + kAccessOffset, written)) {
        return kBadAccessBytes;
    }
    struct Field {
        TrailerField field;
        int offset;
        int size;
    };
    const Field fields[] = {{TrailerField::kKeyA, kKeyAOffset, kKeySize},
                            {TrailerField::kAccessBits, kAccessOffset, kAccessSize},
                            {TrailerField::kKeyB, kKeyBOffset, kKeySize}};
    const uint8_t* current = blockData(trailerOf(sector));
    for (const Field& f : fields) {
        const bool changes = !std::equal(trailer16 + f.offset, trailer16 + f.offset + f.size, current + f.offset);
        if (changes && !conditions.allowsWrite(f.field, authKey_)) {
            return kAccessDenied;
        }
    }
    CardImage next = image_;
    std::copy_n(trailer16, kBlockSize, next.begin() + trailerOf(sector) * kBlockSize);
    return store(next);
}

Status MifareCard::initValue(uint8_t block, int32_t value) {
    if (Status s = dataAccess(block, DataOp::kWrite)) {
        return s;
    }
    CardImage next = image_;
    encodeValueBlock(value, block, next.data() + block * kBlockSize);
    return store(next);
}

Status MifareCard::valueOperation(uint8_t block, int32_t operand, DataOp op) {
    if (Status s = dataAccess(block, op)) {
        return s;
    }
    int32_t value = 0;
    uint8_t address = 0;
    if (!decodeValueBlock(blockData(block), value, address)) {
        return kNotValueBlock;
    }
    // The card wraps at 32 bits.
    const uint32_t v = static_cast<uint32_t>(value);
    const uint32_t d = static_cast<uint32_t>(operand);
    const uint32_t result = op == DataOp::kIncrement ? v + d : v - d;
    encodeValueBlock(static_cast<int32_t>(result), address, transfer_.data());
    haveTransfer_ = true;
    return kOk;
}

Status MifareCard::increment(uint8_t block, int32_t operand) {
    return valueOperation(block, operand, DataOp::kIncrement);
}

Status MifareCard::decrement(uint8_t block, int32_t operand) {
    return valueOperation(block, operand, DataOp::kDecrementTransfer);
}

Status MifareCard::transfer(uint8_t block) {
    if (Status s = dataAccess(block, DataOp::kDecrementTransfer)) {
        return s;
    }
    if (!haveTransfer_) {
        return kNoTransferValue;
    }
    CardImage next = image_;
    std::copy(transfer_.begin(), transfer_.end(), next.begin() + block * kBlockSize);
    return store(next);
}

Status MifareCard::readValue(uint8_t block, int32_t& value) {
    if (Status s = dataAccess(block, DataOp::kRead)) {
        return s;
    }
    uint8_t address = 0;
    return decodeValueBlock(blockData(block), value, address) ? kOk : kNotValueBlock;
}

Status MifareCard::halt() {
    if (Status s = sense()) {
        return s;
    }
    if (state_ != State::kActive && state_ != State::kAuthenticated) {
        return kNotSelected;
    }
    endSession(State::kHalted);
    return kOk;
}

void MifareCard::resetField() { endSession(State::kIdle); }

}  // namespace zel
