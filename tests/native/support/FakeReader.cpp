#include "tests/native/support/FakeReader.h"

#include <algorithm>
#include <cstring>

#include "reader/zeldrv.h"
#include "tests/native/support/Journal.h"

namespace {

constexpr std::size_t kVersionBufferLen = 16;
constexpr std::size_t kBlockLen = 16;
constexpr std::size_t kKeyLen = 6;
constexpr std::size_t kAccessLen = 4;

std::string Args(std::initializer_list<std::string> parts)
{
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty())
            text += ',';
        text += part;
    }
    return text;
}

std::string Num(long long value)
{
    return std::to_string(value);
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Copies the next scripted data into an out-buffer of `capacity` bytes.
void Fill(std::deque<std::vector<uint8_t>>& queue, uint8_t* buffer, std::size_t capacity)
{
    if (queue.empty())
        return;
    const std::vector<uint8_t> data = queue.front();
    queue.pop_front();
    std::copy_n(data.begin(), std::min(data.size(), capacity), buffer);
}

}  // namespace

FakeReader& Fake()
{
    static FakeReader fake;
    return fake;
}

void FakeReader::Returns(const std::string& name, const std::vector<int32_t>& values)
{
    results[name].assign(values.begin(), values.end());
}

std::vector<std::string> FakeReader::CallNames() const
{
    std::vector<std::string> names;
    for (const std::string& call : calls)
        names.push_back(call.substr(0, call.find('(')));
    return names;
}

void FakeReader::Reset()
{
    *this = FakeReader();
}

int32_t FakeReader::Next(const std::string& name)
{
    std::deque<int32_t>& queue = results[name];
    if (queue.empty())
        return name == "zel_init" ? kDefaultHandle : 0;
    const int32_t result = queue.front();
    queue.pop_front();
    return result;
}

void FakeReader::Record(const std::string& call)
{
    calls.push_back(call);
    JournalAdd(call);
}

extern "C" {

int32_t ZEL_API zel_init(int32_t port, int32_t baud)
{
    Fake().Record("zel_init(" + Args({Num(port), Num(baud)}) + ")");
    return Fake().Next("zel_init");
}

int32_t ZEL_API zel_exit(int32_t handle)
{
    Fake().Record("zel_exit(" + Num(handle) + ")");
    return Fake().Next("zel_exit");
}

int32_t ZEL_API zel_srd_eeprom(int32_t handle, int32_t address, int32_t length, uint8_t* buffer)
{
    Fake().Record("zel_srd_eeprom(" + Args({Num(handle), Num(address), Num(length)}) + ")");
    const int32_t result = Fake().Next("zel_srd_eeprom");
    if (result == 0 && length > 0)
        Fill(Fake().eepromReads, buffer, static_cast<std::size_t>(length));
    return result;
}

int32_t ZEL_API zel_swr_eeprom(int32_t handle, int32_t address, int32_t length, uint8_t* buffer)
{
    const std::size_t count = length > 0 ? static_cast<std::size_t>(length) : 0;
    Fake().Record("zel_swr_eeprom(" + Args({Num(handle), Num(address), Num(length), ByteList(buffer, count)})
                  + ")");
    return Fake().Next("zel_swr_eeprom");
}

int32_t ZEL_API zel_getver(int32_t handle, char* buffer)
{
    Fake().Record("zel_getver(" + Num(handle) + ")");
    const int32_t result = Fake().Next("zel_getver");
    if (result == 0) {
        const std::vector<uint8_t>& text = Fake().version;
        std::copy_n(text.begin(), std::min(text.size(), kVersionBufferLen), buffer);
    }
    return result;
}

int16_t ZEL_API zel_reset(int32_t handle, uint16_t arg)
{
    Fake().Record("zel_reset(" + Args({Num(handle), Num(arg)}) + ")");
    return static_cast<int16_t>(Fake().Next("zel_reset"));
}

int32_t ZEL_API zel_card(int32_t handle, uint8_t mode, uint32_t* serial)
{
    Fake().Record("zel_card(" + Args({Num(handle), Num(mode)}) + ")");
    const int32_t result = Fake().Next("zel_card");
    if (result == 0)
        *serial = Fake().serial;
    return result;
}

int32_t ZEL_API zel_load_key(int32_t handle, uint8_t mode, uint8_t sector, const uint8_t* key)
{
    Fake().Record("zel_load_key(" + Args({Num(handle), Num(mode), Num(sector), ByteList(key, kKeyLen)}) + ")");
    return Fake().Next("zel_load_key");
}

int32_t ZEL_API zel_authentication(int32_t handle, uint8_t mode, uint8_t sector)
{
    Fake().Record("zel_authentication(" + Args({Num(handle), Num(mode), Num(sector)}) + ")");
    return Fake().Next("zel_authentication");
}

int32_t ZEL_API zel_write(int32_t handle, uint8_t block, uint8_t* data)
{
    Fake().Record("zel_write(" + Args({Num(handle), Num(block), ByteList(data, kBlockLen)}) + ")");
    return Fake().Next("zel_write");
}

int32_t ZEL_API zel_read(int32_t handle, uint8_t block, uint8_t* data)
{
    Fake().Record("zel_read(" + Args({Num(handle), Num(block)}) + ")");
    const int32_t result = Fake().Next("zel_read");
    if (result == 0)
        Fill(Fake().blockReads, data, kBlockLen);
    return result;
}

int32_t ZEL_API zel_initval(int32_t handle, uint8_t block, int32_t value)
{
    Fake().Record("zel_initval(" + Args({Num(handle), Num(block), Num(value)}) + ")");
    return Fake().Next("zel_initval");
}

int32_t ZEL_API zel_increment(int32_t handle, uint8_t block, int32_t value)
{
    Fake().Record("zel_increment(" + Args({Num(handle), Num(block), Num(value)}) + ")");
    return Fake().Next("zel_increment");
}

int32_t ZEL_API zel_decrement(int32_t handle, uint8_t block, int32_t value)
{
    Fake().Record("zel_decrement(" + Args({Num(handle), Num(block), Num(value)}) + ")");
    return Fake().Next("zel_decrement");
}

int32_t ZEL_API zel_transfer(int32_t handle, uint8_t block)
{
    Fake().Record("zel_transfer(" + Args({Num(handle), Num(block)}) + ")");
    return Fake().Next("zel_transfer");
}

int32_t ZEL_API zel_readval(int32_t handle, uint8_t block, int32_t* value)
{
    Fake().Record("zel_readval(" + Args({Num(handle), Num(block)}) + ")");
    const int32_t result = Fake().Next("zel_readval");
    if (result == 0)
        *value = Fake().value;
    return result;
}

int32_t ZEL_API zel_changeb3(int32_t handle, uint8_t sector, const uint8_t* keyA, const uint8_t* access,
                             uint8_t zero, const uint8_t* keyB)
{
    Fake().Record("zel_changeb3(" + Args({Num(handle), Num(sector), ByteList(keyA, kKeyLen),
                                          ByteList(access, kAccessLen), Num(zero), ByteList(keyB, kKeyLen)})
                  + ")");
    return Fake().Next("zel_changeb3");
}

int32_t ZEL_API zel_halt(int32_t handle)
{
    Fake().Record("zel_halt(" + Num(handle) + ")");
    return Fake().Next("zel_halt");
}

int32_t ZEL_API hex_a(char* text, const uint8_t* bytes, int32_t n)
{
    static const char kDigits[] = "0123456789ABCDEF";
    const std::size_t count = n > 0 ? static_cast<std::size_t>(n) : 0;
    Fake().Record("hex_a(" + Args({Num(n), ByteList(bytes, (count + 1) / 2)}) + ")");
    for (std::size_t i = 0; i < count; ++i) {
        const uint8_t byte = bytes[i / 2];
        text[i] = kDigits[i % 2 == 0 ? byte >> 4 : byte & 0x0F];
    }
    return 0;
}

int32_t ZEL_API a_hex(uint8_t* bytes, const char* text, int32_t n)
{
    const std::size_t count = n > 0 ? static_cast<std::size_t>(n) : 0;
    const std::string input(text, strnlen(text, 2 * count));
    Fake().Record("a_hex(" + Args({Num(n), "\"" + input + "\""}) + ")");
    if (input.size() < 2 * count)
        return -1;
    for (std::size_t i = 0; i < count; ++i) {
        const int high = HexValue(input[2 * i]);
        const int low = HexValue(input[2 * i + 1]);
        if (high < 0 || low < 0)
            return -1;
        bytes[i] = static_cast<uint8_t>(high * 16 + low);
    }
    return 0;
}

}  // extern "C"
