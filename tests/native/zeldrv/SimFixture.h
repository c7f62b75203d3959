// A fresh simulator folder per test: ZELDRV_SIM_DIR points into a temporary
// folder that is removed afterwards, with helpers to look at its files.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <cstdlib>

#include "reader/zeldrv.h"

using Bytes = std::vector<uint8_t>;

class SimFixture : public ::testing::Test {
public:  // reached from the lambdas of table rows too
    void SetUp() override {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/zeldrv-test-XXXXXX";
        ASSERT_NE(nullptr, ::mkdtemp(&pattern[0]));
        root_ = pattern;
        folder_ = root_ / "sim";
        ::setenv("ZELDRV_SIM_DIR", folder_.c_str(), 1);
    }

    void TearDown() override {
        close();
        ::unsetenv("ZELDRV_SIM_DIR");
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }

    // Opens the reader; the handle is closed at the end of the test.
    int32_t open() {
        handle_ = zel_init(100, 9600);
        EXPECT_GT(handle_, 0) << "zel_init(100, 9600)";
        return handle_;
    }

    void close() {
        if (handle_ > 0) {
            zel_exit(handle_);
        }
        handle_ = 0;
    }

    std::filesystem::path file(const char* name) const { return folder_ / name; }

    // The file's bytes; empty when it is missing.
    Bytes bytes(const char* name) const {
        std::ifstream in(file(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    void put(const char* name, const Bytes& data) const {
        std::filesystem::create_directories(folder_);
        std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        ASSERT_TRUE(out.good()) << "writing " << name;
    }

    std::filesystem::path root_;
    std::filesystem::path folder_;
    int32_t handle_ = 0;
};
