// zeldrv.dll as a program sees it: loaded by name, every export found under
// its undecorated name, called as __stdcall, with the simulated reader
// behind it in a temporary folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "StdcallProbe.h"
#include "reader/zeldrv.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The exports' names with their stdcall argument sizes.
const struct {
    const char* name;
    int argBytes;
} kExports[] = {
    {"zel_init", 8},           {"zel_exit", 4},      {"zel_srd_eeprom", 16}, {"zel_swr_eeprom", 16},
    {"zel_getver", 8},         {"zel_reset", 8},     {"zel_card", 12},       {"zel_load_key", 16},
    {"zel_authentication", 12}, {"zel_write", 12},    {"zel_read", 12},       {"zel_initval", 12},
    {"zel_increment", 12},     {"zel_decrement", 12}, {"zel_transfer", 8},    {"zel_readval", 12},
    {"zel_changeb3", 24},      {"zel_halt", 4},      {"hex_a", 12},          {"a_hex", 12},
};

template <typename F>
F resolve(HMODULE dll, const char* name) {
    // Through void (*)() so that the cast to the real type draws no warning.
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(dll, name)));
}

class ZeldrvDll : public ::testing::Test {
protected:
    void SetUp() override {
        dll_ = LoadLibraryW(L"zeldrv.dll");
        ASSERT_NE(nullptr, dll_) << "LoadLibrary(zeldrv.dll) failed: " << GetLastError();

        wchar_t temp[MAX_PATH];
        const DWORD n = GetTempPathW(MAX_PATH, temp);
        ASSERT_GT(n, 0u);
        ASSERT_LT(n, static_cast<DWORD>(MAX_PATH));
        folder_ = std::filesystem::path(temp) /
                  (L"zeldrv-dll-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount()));
        ASSERT_TRUE(SetEnvironmentVariableW(L"ZELDRV_SIM_DIR", folder_.c_str()));
    }

    void TearDown() override {
        if (handle_ > 0) {
            call(resolve<decltype(&zel_exit)>(dll_, "zel_exit"), handle_);
        }
        SetEnvironmentVariableW(L"ZELDRV_SIM_DIR", nullptr);
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
        if (dll_ != nullptr) {
            FreeLibrary(dll_);
        }
    }

    // Calls an export through the probe and fails the test unless the callee
    // removed its own arguments.
    template <typename R, typename... Args>
    R call(R(__stdcall* fn)(Args...), typename probe::Same<Args>::type... args) {
        EXPECT_NE(nullptr, fn);
        if (fn == nullptr) {
            return R(-1000);
        }
        int32_t shift = 1;
        const R result = probe::call(shift, fn, args...);
        EXPECT_EQ(0, shift) << "the callee left " << -shift << " bytes on the stack: not __stdcall";
        return result;
    }

    Bytes fileBytes(const char* name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    HMODULE dll_ = nullptr;
    std::filesystem::path folder_;
    int32_t handle_ = 0;
};

int32_t __stdcall stdcallAdd(int32_t a, int32_t b) { return a + b; }
int32_t __cdecl cdeclAdd(int32_t a, int32_t b) { return a + b; }

TEST(StdcallProbe, TellsTheCallingConventions) {
    int32_t shift = 1;
    EXPECT_EQ(5, probe::call(shift, &stdcallAdd, 2, 3));
    EXPECT_EQ(0, shift) << "__stdcall";
    const auto disguised =
        reinterpret_cast<int32_t(__stdcall*)(int32_t, int32_t)>(reinterpret_cast<void (*)()>(&cdeclAdd));
    EXPECT_EQ(9, probe::call(shift, disguised, 4, 5));
    EXPECT_EQ(-8, shift) << "__cdecl leaves its two arguments";
}

TEST_F(ZeldrvDll, ExportsAreUndecorated) {
    for (const auto& e : kExports) {
        const std::string decorated = std::string(e.name) + "@" + std::to_string(e.argBytes);
        EXPECT_NE(nullptr, reinterpret_cast<void*>(GetProcAddress(dll_, e.name))) << e.name;
        EXPECT_EQ(nullptr, reinterpret_cast<void*>(GetProcAddress(dll_, decorated.c_str()))) << decorated;
        EXPECT_EQ(nullptr, reinterpret_cast<void*>(GetProcAddress(dll_, ("_" + decorated).c_str())))
            << "_" << decorated;
    }
}

TEST_F(ZeldrvDll, ReaderOperations) {
    const auto init = resolve<decltype(&zel_init)>(dll_, "zel_init");
    EXPECT_LE(call(init, 1, 9600), 0) << "port 1";
    handle_ = call(init, 100, 9600);
    ASSERT_GT(handle_, 0);
    EXPECT_LE(call(init, 100, 9600), 0) << "second open";

    uint8_t pattern[6] = {'Z', 'E', 'L', '2', '4', 0};
    EXPECT_EQ(0, call(resolve<decltype(&zel_swr_eeprom)>(dll_, "zel_swr_eeprom"), handle_, 24, 5, pattern));
    uint8_t back[16] = {};
    EXPECT_EQ(0, call(resolve<decltype(&zel_srd_eeprom)>(dll_, "zel_srd_eeprom"), handle_, 24, 5, back));
    EXPECT_EQ(0, std::memcmp(pattern, back, 5));
    EXPECT_NE(0, call(resolve<decltype(&zel_srd_eeprom)>(dll_, "zel_srd_eeprom"), handle_, 252, 5, back));
    const Bytes eeprom = fileBytes("eeprom.bin");
    ASSERT_EQ(256u, eeprom.size());
    EXPECT_EQ(Bytes(pattern, pattern + 5), Bytes(eeprom.begin() + 24, eeprom.begin() + 29)) << "written through";

    char version[17];
    std::memset(version, 0x55, sizeof version);
    EXPECT_EQ(0, call(resolve<decltype(&zel_getver)>(dll_, "zel_getver"), handle_, version));
    EXPECT_GT(strnlen(version, 16), 0u);
    EXPECT_LT(strnlen(version, 16), 16u);
    EXPECT_EQ(0x55, version[16]);

    const auto reset = resolve<decltype(&zel_reset)>(dll_, "zel_reset");
    EXPECT_EQ(0, call(reset, handle_, uint16_t{2}));
    EXPECT_LT(call(reset, handle_, uint16_t{0}), 0) << "a failure is a negative 16-bit result";

    char text[9] = "########";
    const uint8_t key[4] = {0x3A, 0x7C, 0x1E, 0x95};
    EXPECT_EQ(0, call(resolve<decltype(&hex_a)>(dll_, "hex_a"), text, key, 8));
    EXPECT_STREQ("3A7C1E95", text);
    uint8_t bytes[4] = {};
    EXPECT_EQ(0, call(resolve<decltype(&a_hex)>(dll_, "a_hex"), bytes, "3a7c1e95", 4));
    EXPECT_EQ(0, std::memcmp(key, bytes, 4));
    EXPECT_NE(0, call(resolve<decltype(&a_hex)>(dll_, "a_hex"), bytes, "3A7C 1E9", 4));

    const auto exit = resolve<decltype(&zel_exit)>(dll_, "zel_exit");
    EXPECT_EQ(0, call(exit, handle_));
    EXPECT_NE(0, call(exit, handle_)) << "closed twice";
    handle_ = 0;
}

// The folder's state files as seen through Win32: the reader lock shared
// with other processes, and the unplugged marker.
TEST_F(ZeldrvDll, ReaderHeldElsewhereOrUnplugged) {
    const auto init = resolve<decltype(&zel_init)>(dll_, "zel_init");
    ASSERT_TRUE(std::filesystem::create_directories(folder_));
    const std::filesystem::path lock = folder_ / "reader.lock";
    HANDLE held = CreateFileW(lock.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ(-4, call(init, 100, 9600)) << "busy while another process holds the reader";
    CloseHandle(held);

    std::ofstream(folder_ / "unplugged").put('x');
    EXPECT_EQ(-3, call(init, 100, 9600)) << "unplugged";
    std::filesystem::remove(folder_ / "unplugged");

    handle_ = call(init, 100, 9600);
    ASSERT_GT(handle_, 0);
    EXPECT_EQ(INVALID_HANDLE_VALUE, CreateFileW(lock.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                                FILE_ATTRIBUTE_NORMAL, nullptr))
        << "the open connection holds the lock";
    EXPECT_EQ(0, call(resolve<decltype(&zel_exit)>(dll_, "zel_exit"), handle_));
    handle_ = 0;
    EXPECT_FALSE(std::filesystem::exists(lock)) << "released and removed on close";
}

TEST_F(ZeldrvDll, CardTestSequence) {
    handle_ = call(resolve<decltype(&zel_init)>(dll_, "zel_init"), 100, 9600);
    ASSERT_GT(handle_, 0);
    const uint8_t key[6] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const uint8_t access[4] = {0xFF, 0x07, 0x80, 0x69};
    const Bytes fresh = fileBytes("card.mfd");
    ASSERT_EQ(1024u, fresh.size());

    const auto card = resolve<decltype(&zel_card)>(dll_, "zel_card");
    uint32_t serial = 0;
    ASSERT_EQ(0, call(card, handle_, uint8_t{0}, &serial));
    EXPECT_EQ(0xC35A2E91u, serial);
    ASSERT_EQ(0, call(resolve<decltype(&zel_load_key)>(dll_, "zel_load_key"), handle_, uint8_t{0}, uint8_t{3}, key));
    ASSERT_EQ(0, call(resolve<decltype(&zel_authentication)>(dll_, "zel_authentication"), handle_, uint8_t{0},
                      uint8_t{3}));

    uint8_t block[16];
    std::memset(block, 0x4D, sizeof block);
    ASSERT_EQ(0, call(resolve<decltype(&zel_write)>(dll_, "zel_write"), handle_, uint8_t{12}, block));
    std::memset(block, 0, sizeof block);
    ASSERT_EQ(0, call(resolve<decltype(&zel_read)>(dll_, "zel_read"), handle_, uint8_t{12}, block));
    EXPECT_EQ(Bytes(16, 0x4D), Bytes(block, block + 16));

    ASSERT_EQ(0, call(resolve<decltype(&zel_initval)>(dll_, "zel_initval"), handle_, uint8_t{12}, 1000));
    ASSERT_EQ(0, call(resolve<decltype(&zel_increment)>(dll_, "zel_increment"), handle_, uint8_t{12}, 300));
    ASSERT_EQ(0, call(resolve<decltype(&zel_transfer)>(dll_, "zel_transfer"), handle_, uint8_t{12}));
    ASSERT_EQ(0, call(resolve<decltype(&zel_decrement)>(dll_, "zel_decrement"), handle_, uint8_t{12}, 200));
    ASSERT_EQ(0, call(resolve<decltype(&zel_transfer)>(dll_, "zel_transfer"), handle_, uint8_t{12}));
    int32_t value = 0;
    ASSERT_EQ(0, call(resolve<decltype(&zel_readval)>(dll_, "zel_readval"), handle_, uint8_t{12}, &value));
    EXPECT_EQ(1100, value);
    ASSERT_EQ(0, call(resolve<decltype(&zel_changeb3)>(dll_, "zel_changeb3"), handle_, uint8_t{3}, key, access,
                      uint8_t{0}, key));
    ASSERT_EQ(0, call(resolve<decltype(&zel_halt)>(dll_, "zel_halt"), handle_));
    EXPECT_NE(0, call(card, handle_, uint8_t{0}, &serial)) << "halted";

    Bytes expected = fresh;
    const Bytes value1100 = {0x4C, 0x04, 0x00, 0x00, 0xB3, 0xFB, 0xFF, 0xFF,
                             0x4C, 0x04, 0x00, 0x00, 0x0C, 0xF3, 0x0C, 0xF3};
    std::copy(value1100.begin(), value1100.end(), expected.begin() + 12 * 16);
    EXPECT_EQ(expected, fileBytes("card.mfd"));
}

}  // namespace
