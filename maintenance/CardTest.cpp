#include "maintenance/CardTest.h"

#include <cstring>

#include "maintenance/ConnectedCheck.h"
#include "maintenance/LogNumber.h"
#include "maintenance/MaintenanceConstants.h"
#include "reader/ReaderState.h"
#include "reader/zeldrv.h"
#include "ui/WindowOps.h"

namespace {

template <std::size_t N>
void CopyBytes(uint8_t* to, const std::array<uint8_t, N>& from)
{
    for (std::size_t i = 0; i < N; ++i)
        to[i] = from[i];
}

// A block buffer's bytes as a line, up to the first zero byte.
const char* AsText(const uint8_t* bytes)
{
    return reinterpret_cast<const char*>(bytes);
}

}  // namespace

void FindCard(WindowOps& window)
{
    if (!IsReaderConnected(window))
        return;
    uint32_t serial = 0;
    if (zel_card(g_hReader, CARD_MODE, &serial) != 0) {
        window.LogLine("Find Card Error!");
        return;
    }
    window.LogLine("Find Card Ok!");
    LogUnsigned(window, serial);
}

void LoadKey(WindowOps& window)
{
    if (!IsReaderConnected(window))
        return;
    uint8_t key[TEST_CARD_KEY.size()];
    CopyBytes(key, TEST_CARD_KEY);
    if (zel_load_key(g_hReader, CARD_MODE, g_bySector, key) != 0)
        window.LogLine("Load Key Error!");
    else
        window.LogLine("Load Key Ok!");
}

void VerifyCard(WindowOps& window)
{
    if (!IsReaderConnected(window))
        return;
    if (zel_authentication(g_hReader, CARD_MODE, g_bySector) != 0)
        window.LogLine("Auth Card Error!");
    else
        window.LogLine("Auth Card Ok!");
}

void CardFunc(WindowOps& window)
{
    if (!IsReaderConnected(window))
        return;

    // Bytes 0-15 hold one card block; byte 16 is never written, so the buffer
    // always ends as text within it.
    uint8_t block[CARD_BLOCK_LEN + 1] = {};
    std::memset(block, TEST_BLOCK_FILL, CARD_BLOCK_LEN);
    char hex[CARD_HEX_LEN + 1] = {};
    uint8_t keyA[TEST_CARD_KEY.size()];
    uint8_t keyB[TEST_CARD_KEY.size()];
    uint8_t access[TEST_ACCESS_BYTES.size()];
    CopyBytes(keyA, TEST_CARD_KEY);
    CopyBytes(keyB, TEST_CARD_KEY);
    CopyBytes(access, TEST_ACCESS_BYTES);
    int32_t value = 0;

    if (zel_write(g_hReader, g_byBlock, block) != 0) {
        window.LogLine("Write Card Error!");
        return;
    }
    window.LogLine("Write Card Ok!");
    hex_a(hex, block, CARD_HEX_LEN);
    window.LogLine(hex);

    // A failed read is only reported; the run goes on.
    if (zel_read(g_hReader, g_byBlock, block) != 0) {
        window.LogLine("Read Card Error!");
    } else {
        window.LogLine("Read Card Ok!");
        std::memset(hex, 0, CARD_HEX_LEN);
        hex_a(hex, block, CARD_HEX_LEN);
        window.LogLine(hex);
    }

    // The text and its zero over bytes 0-8; bytes 9-15 stay as read.
    std::memcpy(block, TEST_CARD_TEXT, sizeof TEST_CARD_TEXT);
    if (zel_write(g_hReader, g_byBlock, block) != 0) {
        window.LogLine("汉字写入错误!");
        return;
    }
    window.LogLine("汉字写入成功!");
    window.LogLine(AsText(block));

    if (zel_read(g_hReader, g_byBlock, block) != 0) {
        window.LogLine("汉字读取错误!");
    } else {
        window.LogLine("汉字读取成功!");
        window.LogLine(AsText(block));
    }

    const int32_t initResult = zel_initval(g_hReader, g_byBlock, TEST_VALUE_INITIAL);
    if (initResult != 0) {
        window.LogLine("zel_initval error");
        LogSigned(window, initResult);
        return;
    }
    window.LogLine("zel_initval ok");

    if (zel_increment(g_hReader, g_byBlock, TEST_VALUE_INCREMENT) != 0
        || zel_transfer(g_hReader, g_byBlock) != 0) {
        window.LogLine("zel_increment error");
        return;
    }
    window.LogLine("zel_increment ok");

    if (zel_decrement(g_hReader, g_byBlock, TEST_VALUE_DECREMENT) != 0
        || zel_transfer(g_hReader, g_byBlock) != 0) {
        window.LogLine("zel_decrement error");
        return;
    }
    window.LogLine("zel_decrement ok");

    if (zel_readval(g_hReader, g_byBlock, &value) != 0) {
        window.LogLine("zel_readval error");
        return;
    }
    window.LogLine("zel_readval ok");
    LogSigned(window, value);

    if (zel_changeb3(g_hReader, g_bySector, keyA, access, TRAILER_ZERO, keyB) != 0
        || zel_halt(g_hReader) != 0) {
        window.LogLine("zel_changeb3 error");
        LogSigned(window, CHANGEB3_ERROR_VALUE);
        return;
    }
    window.LogLine("zel_changeb3 ok");
}

void HaltCard(WindowOps& window)
{
    if (zel_halt(g_hReader) != 0)
        window.LogLine("Halt Card Error!");
    else
        window.LogLine("Halt Card Ok!");
}
