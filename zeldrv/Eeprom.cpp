#include "zeldrv/Eeprom.h"

#include <algorithm>

namespace zel {

Eeprom::Image Eeprom::factoryImage() {
    Image image;
    image.fill(0xFF);
    const uint8_t config[] = {1, 1, 1, 1, 1, 1, 0x3A, 0x7C, 0x1E, 0x95};
    std::copy(std::begin(config), std::end(config), image.begin() + 1);
    return image;
}

Status Eeprom::load(const Path& file) {
    Image image;
    if (readExact(file, image.data(), image.size()) != ReadResult::kOk) {
        return kStorage;
    }
    file_ = file;
    image_ = image;
    return kOk;
}

bool Eeprom::inRange(int32_t address, int32_t length) {
    return address >= 0 && length >= 0 && address <= kSize && length <= kSize - address;
}

Status Eeprom::read(int32_t address, int32_t length, uint8_t* out) const {
    if (out == nullptr || !inRange(address, length)) {
        return kBadArgument;
    }
    std::copy_n(image_.begin() + address, length, out);
    return kOk;
}

Status Eeprom::write(int32_t address, int32_t length, const uint8_t* in) {
    if (in == nullptr || !inRange(address, length)) {
        return kBadArgument;
    }
    Image next = image_;
    std::copy_n(in, length, next.begin() + address);
    if (!writeAtomic(file_, next.data(), next.size())) {
        return kStorage;
    }
    image_ = next;
    return kOk;
}

}  // namespace zel
