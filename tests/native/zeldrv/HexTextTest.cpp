// hex_a and a_hex: upper-case text, high nibble first, no NUL, strict input.
#include <cstring>
#include <string>

#include "SimFixture.h"

namespace {

TEST(HexText, ConvertsBothWays) {
    const struct {
        const char* label;
        Bytes bytes;
        std::string text;
    } rows[] = {
        {"feature key", {0x3A, 0x7C, 0x1E, 0x95}, "3A7C1E95"},
        {"every digit", {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}, "0123456789ABCDEF"},
        {"extremes", {0x00, 0xFF, 0x0F, 0xF0}, "00FF0FF0"},
        {"test pattern", {'Z', 'E', 'L', '2', '4'}, "5A454C3234"},
    };
    for (const auto& row : rows) {
        const int32_t n = static_cast<int32_t>(row.text.size());
        std::string text(row.text.size() + 4, '#');
        ASSERT_EQ(0, hex_a(&text[0], row.bytes.data(), n)) << row.label;
        EXPECT_EQ(row.text, text.substr(0, row.text.size())) << row.label;
        EXPECT_EQ("####", text.substr(row.text.size())) << row.label << ": wrote past n characters";

        Bytes back(row.bytes.size() + 1, 0xEE);
        const int32_t count = static_cast<int32_t>(row.bytes.size());
        ASSERT_EQ(0, a_hex(back.data(), row.text.c_str(), count)) << row.label;
        EXPECT_EQ(row.bytes, Bytes(back.begin(), back.end() - 1)) << row.label;
        EXPECT_EQ(0xEE, back.back()) << row.label << ": wrote past n bytes";

        std::string lower = row.text;
        for (char& c : lower) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        std::fill(back.begin(), back.end(), 0xEE);
        ASSERT_EQ(0, a_hex(back.data(), lower.c_str(), count)) << row.label << " in lower case";
        EXPECT_EQ(row.bytes, Bytes(back.begin(), back.end() - 1)) << row.label << " in lower case";
    }
}

TEST(HexText, NonHexTextFailsAndWritesNothing) {
    const struct {
        const char* label;
        const char* text;
    } rows[] = {
        {"space", "3A7C 1E9"}, {"trailing space", "3A7C1E9 "}, {"letter G", "3A7G1E95"},
        {"sign", "-A7C1E95"},  {"prefix", "0x7C1E95"},          {"text too short", "3A7C"},
        {"empty", ""},         {"GBK byte", "3A7C1E\xBA\xBA"},
    };
    for (const auto& row : rows) {
        uint8_t bytes[4] = {0x11, 0x22, 0x33, 0x44};
        EXPECT_NE(0, a_hex(bytes, row.text, 4)) << row.label;
        EXPECT_EQ(Bytes({0x11, 0x22, 0x33, 0x44}), Bytes(bytes, bytes + 4)) << row.label;
    }
}

TEST(HexText, CountsAndPointersAreChecked) {
    const uint8_t bytes[4] = {1, 2, 3, 4};
    char text[16];
    std::memset(text, '#', sizeof text);
    EXPECT_NE(0, hex_a(text, bytes, 7)) << "odd count";
    EXPECT_NE(0, hex_a(text, bytes, -2)) << "negative count";
    EXPECT_EQ('#', text[0]) << "nothing written on failure";
    EXPECT_NE(0, hex_a(nullptr, bytes, 8));
    EXPECT_NE(0, hex_a(text, nullptr, 8));
    EXPECT_EQ(0, hex_a(text, bytes, 0)) << "nothing to convert";

    uint8_t out[4] = {};
    EXPECT_NE(0, a_hex(out, "01020304", -1));
    EXPECT_NE(0, a_hex(out, "01020304", INT32_MAX));
    EXPECT_NE(0, a_hex(nullptr, "01020304", 4));
    EXPECT_NE(0, a_hex(out, nullptr, 4));
    EXPECT_EQ(0, a_hex(out, "", 0));
}

}  // namespace
