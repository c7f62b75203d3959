// Find card, Load key, Verify Card, Halt Card and Card Func against the
// scripted library.
#include <string>
#include <vector>

#include "maintenance/CardTest.h"
#include "tests/native/support/CommandTest.h"

namespace {

using Lines = std::vector<std::string>;

Lines operator+(Lines head, const Lines& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

std::string Repeat(const std::string& part, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += part;
    return text;
}

const std::vector<uint8_t> kFill(16, 0x4D);
// The text "汉字样例" and its zero as GBK bytes.
const std::vector<uint8_t> kTextBytes = {0xBA, 0xBA, 0xD7, 0xD6, 0xD1, 0xF9, 0xC0, 0xFD, 0x00};
const char* const kText = "\xBA\xBA\xD7\xD6\xD1\xF9\xC0\xFD";
// What the first read returns in these tests: distinct from the fill, so the
// second write shows which bytes came from the read.
const std::vector<uint8_t> kFirstRead = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17,
                                         0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F};
const std::string kFirstReadHex = "101112131415161718191A1B1C1D1E1F";

std::vector<uint8_t> TextOver(const std::vector<uint8_t>& block)
{
    std::vector<uint8_t> bytes = kTextBytes;
    bytes.insert(bytes.end(), block.begin() + 9, block.end());
    return bytes;
}

class CardCommandsTest : public CommandTest {
protected:
    void Connect()
    {
        g_hReader = 7;
        Fake().blockReads = {kFirstRead, TextOver(kFirstRead)};
        Fake().value = 1100;
    }
};

TEST_F(CardCommandsTest, FindCardLogsTheSerialUnsigned)
{
    struct Row {
        const char* label;
        int32_t result;
        uint32_t serial;
        Lines lines;
    };
    const Row rows[] = {
        {"255 in decimal", 0, 255, {"Find Card Ok!", "255"}},
        {"highest bit set", 0, 0x80000000u, {"Find Card Ok!", "2147483648"}},
        {"all bits set", 0, 0xFFFFFFFFu, {"Find Card Ok!", "4294967295"}},
        {"failure", -1, 255, {"Find Card Error!"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reset();
        g_hReader = 7;
        Fake().Returns("zel_card", {row.result});
        Fake().serial = row.serial;

        FindCard(window);

        EXPECT_TRUE(SameSequence({"zel_card(7,0)"}, Fake().calls));
        EXPECT_TRUE(SameSequence(row.lines, window.lines));
    }
}

TEST_F(CardCommandsTest, SingleCallCommandsLogByResult)
{
    struct Row {
        const char* label;
        void (*run)(WindowOps&);
        int32_t handle;
        int32_t result;
        const char* call;
        const char* line;
    };
    const Row rows[] = {
        {"Load key ok", LoadKey, 7, 0, "zel_load_key(7,0,3,[FF FF FF FF FF FF])", "Load Key Ok!"},
        {"Load key error", LoadKey, 7, 2, "zel_load_key(7,0,3,[FF FF FF FF FF FF])", "Load Key Error!"},
        {"Verify Card ok", VerifyCard, 7, 0, "zel_authentication(7,0,3)", "Auth Card Ok!"},
        {"Verify Card error", VerifyCard, 7, -1, "zel_authentication(7,0,3)", "Auth Card Error!"},
        {"Halt Card ok", HaltCard, 7, 0, "zel_halt(7)", "Halt Card Ok!"},
        {"Halt Card with no handle, ok", HaltCard, -1, 0, "zel_halt(-1)", "Halt Card Ok!"},
        {"Halt Card with no handle, error", HaltCard, -1, -1, "zel_halt(-1)", "Halt Card Error!"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reset();
        g_hReader = row.handle;
        const std::string call = row.call;
        Fake().Returns(call.substr(0, call.find('(')), {row.result});

        row.run(window);

        EXPECT_TRUE(SameSequence({row.call}, Fake().calls));
        EXPECT_TRUE(SameSequence({row.line}, window.lines));
    }
}

TEST_F(CardCommandsTest, CardFuncWholeRun)
{
    Connect();

    CardFunc(window);

    const std::string key = "[FF FF FF FF FF FF]";
    EXPECT_TRUE(SameSequence(
        {"zel_write(7,12," + ByteList(kFill) + ")", "hex_a(32," + ByteList(kFill) + ")", "zel_read(7,12)",
         "hex_a(32," + ByteList(kFirstRead) + ")", "zel_write(7,12," + ByteList(TextOver(kFirstRead)) + ")",
         "zel_read(7,12)", "zel_initval(7,12,1000)", "zel_increment(7,12,300)", "zel_transfer(7,12)",
         "zel_decrement(7,12,200)", "zel_transfer(7,12)", "zel_readval(7,12)",
         "zel_changeb3(7,3," + key + ",[FF 07 80 69],0," + key + ")", "zel_halt(7)"},
        Fake().calls));
    EXPECT_TRUE(SameSequence({"Write Card Ok!", Repeat("4D", 16), "Read Card Ok!", kFirstReadHex, "汉字写入成功!",
                              "汉字样例", "汉字读取成功!", "汉字样例", "zel_initval ok", "zel_increment ok",
                              "zel_decrement ok", "zel_readval ok", "1100", "zel_changeb3 ok"},
                             window.lines));
}

TEST_F(CardCommandsTest, CardFuncEnds)
{
    const Lines all = {"zel_write", "hex_a",     "zel_read",      "hex_a",        "zel_write",
                       "zel_read",  "zel_initval", "zel_increment", "zel_transfer", "zel_decrement",
                       "zel_transfer", "zel_readval", "zel_changeb3", "zel_halt"};
    auto first = [&all](std::size_t count) { return Lines(all.begin(), all.begin() + static_cast<long>(count)); };
    const Lines blocks = {"Write Card Ok!", Repeat("4D", 16), "Read Card Ok!", kFirstReadHex,
                          "汉字写入成功!", kText, "汉字读取成功!", kText};
    const Lines values = {"zel_initval ok", "zel_increment ok", "zel_decrement ok", "zel_readval ok"};

    struct Row {
        const char* label;
        std::vector<std::pair<const char*, std::vector<int32_t>>> results;
        int32_t value;
        Lines calls;
        Lines lines;
    };
    const Row rows[] = {
        {"first write fails", {{"zel_write", {-1}}}, 1100, first(1), {"Write Card Error!"}},
        {"both reads fail", {{"zel_read", {-1, -1}}}, 1100,
         {"zel_write", "hex_a", "zel_read", "zel_write", "zel_read", "zel_initval", "zel_increment",
          "zel_transfer", "zel_decrement", "zel_transfer", "zel_readval", "zel_changeb3", "zel_halt"},
         Lines{"Write Card Ok!", Repeat("4D", 16), "Read Card Error!", "汉字写入成功!", kText, "汉字读取错误!"}
             + values + Lines{"1100", "zel_changeb3 ok"}},
        {"text write fails", {{"zel_write", {0, -1}}}, 1100, first(5),
         {"Write Card Ok!", Repeat("4D", 16), "Read Card Ok!", kFirstReadHex, "汉字写入错误!"}},
        {"initval fails with -3", {{"zel_initval", {-3}}}, 1100, first(7),
         blocks + Lines{"zel_initval error", "-3"}},
        {"increment fails", {{"zel_increment", {5}}}, 1100, first(8),
         blocks + Lines{"zel_initval ok", "zel_increment error"}},
        {"transfer after increment fails", {{"zel_transfer", {-1}}}, 1100, first(9),
         blocks + Lines{"zel_initval ok", "zel_increment error"}},
        {"decrement fails", {{"zel_decrement", {-1}}}, 1100, first(10),
         blocks + Lines{"zel_initval ok", "zel_increment ok", "zel_decrement error"}},
        {"transfer after decrement fails", {{"zel_transfer", {0, -2}}}, 1100, first(11),
         blocks + Lines{"zel_initval ok", "zel_increment ok", "zel_decrement error"}},
        {"readval fails", {{"zel_readval", {-1}}}, 1100, first(12),
         blocks + Lines{"zel_initval ok", "zel_increment ok", "zel_decrement ok", "zel_readval error"}},
        {"negative value", {}, -250, all, blocks + values + Lines{"-250", "zel_changeb3 ok"}},
        {"trailer write fails with -9", {{"zel_changeb3", {-9}}}, 1100, first(13),
         blocks + values + Lines{"1100", "zel_changeb3 error", "1"}},
        {"halt fails with -4", {{"zel_halt", {-4}}}, 1100, all,
         blocks + values + Lines{"1100", "zel_changeb3 error", "1"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reset();
        Connect();
        Fake().value = row.value;
        for (const auto& result : row.results)
            Fake().Returns(result.first, result.second);

        CardFunc(window);

        EXPECT_TRUE(SameSequence(row.calls, Fake().CallNames()));
        EXPECT_TRUE(SameSequence(row.lines, window.lines));
    }
}

TEST_F(CardCommandsTest, CardFuncTextWriteKeepsBytesNineToFifteenOfTheBuffer)
{
    struct Row {
        const char* label;
        int32_t readResult;
        std::vector<uint8_t> written;
    };
    const Row rows[] = {
        {"after a read: the bytes read", 0, TextOver(kFirstRead)},
        {"after a failed read: the fill", -1, TextOver(kFill)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reset();
        Connect();
        Fake().Returns("zel_read", {row.readResult});

        CardFunc(window);

        const std::string expected = "zel_write(7,12," + ByteList(row.written) + ")";
        const auto& calls = Fake().calls;
        ASSERT_GE(calls.size(), 5u);
        EXPECT_EQ(expected, calls[row.readResult == 0 ? 4 : 3]);
    }
}

TEST_F(CardCommandsTest, CardFuncTextReadLineEndsAtTheFirstZero)
{
    struct Row {
        const char* label;
        std::vector<uint8_t> block;
        std::string line;
    };
    const Row rows[] = {
        {"zero after two bytes", {'X', 'Y', 0, 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z'},
         "XY"},
        {"no zero in the block", std::vector<uint8_t>(16, 'Q'), std::string(16, 'Q')},
        {"zero first", std::vector<uint8_t>(16, 0), ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reset();
        Connect();
        Fake().blockReads = {kFirstRead, row.block};

        CardFunc(window);

        ASSERT_GE(window.lines.size(), 8u);
        EXPECT_EQ("汉字读取成功!", window.lines[6]);
        EXPECT_EQ(row.line, window.lines[7]);
    }
}

// Every call reads the handle, sector and block anew, so a change made while
// a line is logged reaches the later calls.
TEST_F(CardCommandsTest, CardFuncReadsTheSharedStateForEachCall)
{
    Connect();
    window.onLogLine = [](const std::string& line) {
        if (line == "Write Card Ok!")
            g_byBlock = 13;
        if (line == "zel_readval ok") {
            g_hReader = 9;
            g_bySector = 4;
        }
    };

    CardFunc(window);

    const std::string key = "[FF FF FF FF FF FF]";
    const auto& calls = Fake().calls;
    ASSERT_EQ(14u, calls.size());
    EXPECT_EQ("zel_write(7,12," + ByteList(kFill) + ")", calls[0]);
    EXPECT_EQ("zel_read(7,13)", calls[2]);
    EXPECT_EQ("zel_readval(7,13)", calls[11]);
    EXPECT_EQ("zel_changeb3(9,4," + key + ",[FF 07 80 69],0," + key + ")", calls[12]);
    EXPECT_EQ("zel_halt(9)", calls[13]);
}

}  // namespace
