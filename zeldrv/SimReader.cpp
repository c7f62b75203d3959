#include "zeldrv/SimReader.h"

#include <algorithm>
#include <cstring>

namespace zel {
namespace {

constexpr char kVersion[] = "ZELSIM 1.0";
static_assert(sizeof(kVersion) <= 16, "version text and NUL fit the caller's 16 bytes");

// A new folder gets a factory EEPROM and, unless one was put there already, a
// factory card. The card goes first, so a failure leaves the folder still new.
Status createFactoryState(const SimFolder& folder) {
    if (!pathExists(folder.card)) {
        const CardImage card = factoryCard();
        if (!writeAtomic(folder.card, card.data(), card.size())) {
            return kStorage;
        }
    }
    const Eeprom::Image image = Eeprom::factoryImage();
    return writeAtomic(folder.eeprom, image.data(), image.size()) ? kOk : kStorage;
}

}  // namespace

Status SimReader::open() {
    if (!SimFolder::locate(folder_)) {
        return kStorage;
    }
    if (pathExists(folder_.unplugged)) {
        return kUnplugged;
    }
    if (!ensureFolder(folder_.folder)) {
        return kStorage;
    }
    if (Status s = lock_.acquire(folder_.lock)) {
        return s;
    }
    uint8_t probe[Eeprom::kSize];
    if (readExact(folder_.eeprom, probe, sizeof probe) == ReadResult::kMissing) {
        if (Status s = createFactoryState(folder_)) {
            lock_.release();
            return s;
        }
    }
    if (Status s = eeprom_.load(folder_.eeprom)) {
        lock_.release();
        return s;
    }
    card_.attach(folder_.card);
    return kOk;
}

void SimReader::close() { lock_.release(); }

Status SimReader::online() {
    if (!lost_ && pathExists(folder_.unplugged)) {
        lost_ = true;
    }
    return lost_ ? kUnplugged : kOk;
}

Status SimReader::readEeprom(int32_t address, int32_t length, uint8_t* out) {
    if (Status s = online()) {
        return s;
    }
    return eeprom_.read(address, length, out);
}

Status SimReader::writeEeprom(int32_t address, int32_t length, const uint8_t* in) {
    if (Status s = online()) {
        return s;
    }
    return eeprom_.write(address, length, in);
}

Status SimReader::version(char* out16) {
    if (Status s = online()) {
        return s;
    }
    std::memcpy(out16, kVersion, sizeof kVersion);
    return kOk;
}

Status SimReader::reset(uint16_t arg) {
    if (Status s = online()) {
        return s;
    }
    if (arg == 0 || arg > kResetMaxMs) {
        return kBadArgument;
    }
    card_.resetField();
    return kOk;
}

Status SimReader::findCard(uint8_t mode, uint32_t& serial) {
    if (Status s = online()) {
        return s;
    }
    return card_.request(mode, serial);
}

bool SimReader::keyType(uint8_t mode, KeyType& out) {
    if (mode == kKeyModeA || mode == kKeyModeB) {
        out = mode == kKeyModeA ? KeyType::kA : KeyType::kB;
        return true;
    }
    return false;
}

Status SimReader::loadKey(uint8_t mode, uint8_t sector, const uint8_t* key6) {
    if (Status s = online()) {
        return s;
    }
    KeyType type;
    if (!keyType(mode, type) || sector >= kSectorCount) {
        return kBadArgument;
    }
    CardKey key;
    std::copy_n(key6, kKeySize, key.begin());
    (type == KeyType::kA ? keysA_ : keysB_)[sector] = key;
    return kOk;
}

Status SimReader::authenticate(uint8_t mode, uint8_t sector) {
    if (Status s = online()) {
        return s;
    }
    KeyType type;
    if (!keyType(mode, type) || sector >= kSectorCount) {
        return kBadArgument;
    }
    const std::optional<CardKey>& key = (type == KeyType::kA ? keysA_ : keysB_)[sector];
    return card_.authenticate(type, sector, key ? &*key : nullptr);
}

Status SimReader::card(MifareCard*& out) {
    if (Status s = online()) {
        return s;
    }
    out = &card_;
    return kOk;
}

}  // namespace zel
