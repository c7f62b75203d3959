#include "maintenance/DeviceTest.h"

#include "maintenance/ConnectedCheck.h"
#include "maintenance/LogNumber.h"
#include "maintenance/MaintenanceConstants.h"
#include "reader/ReaderState.h"
#include "reader/zeldrv.h"
#include "ui/WindowOps.h"

void DevFunc(WindowOps& window)
{
    if (!IsReaderConnected(window))
        return;

    // zel_getver gets the first 16 bytes. The byte after them is never
    // written, so the version line ends inside the buffer even if the library
    // fills all 16.
    uint8_t device[DEVICE_BUFFER_LEN + 1] = {};
    char hex[DEVICE_HEX_LEN + 1] = {};

    const int32_t versionResult = zel_getver(g_hReader, reinterpret_cast<char*>(device));
    if (versionResult != 0) {
        window.LogLine("zel_getver error");
        LogSigned(window, versionResult);
        return;
    }
    window.LogLine("zel_getver ok");
    window.LogLine(reinterpret_cast<const char*>(device));

    for (int i = 0; i < TEST_EEPROM_LEN; ++i)
        device[i] = static_cast<uint8_t>(TEST_EEPROM_PATTERN[static_cast<std::size_t>(i)]);
    device[TEST_EEPROM_LEN] = 0;
    const int32_t writeResult = zel_swr_eeprom(g_hReader, TEST_EEPROM_ADDR, TEST_EEPROM_LEN, device);
    if (writeResult != 0) {
        window.LogLine("zel_swr_eeprom error");
        LogSigned(window, writeResult);
        return;
    }
    window.LogLine("zel_swr_eeprom ok");

    device[0] = 0;
    const int32_t readResult = zel_srd_eeprom(g_hReader, TEST_EEPROM_ADDR, TEST_EEPROM_LEN, device);
    if (readResult != 0) {
        window.LogLine("zel_srd_eeprom error");
        LogSigned(window, readResult);
        return;
    }
    window.LogLine("zel_srd_eeprom ok");

    const int16_t resetResult = zel_reset(g_hReader, RESET_ARG);
    if (resetResult != 0) {
        window.LogLine("zel_reset error");
        LogSigned(window, resetResult);  // widened with its sign: 0xFFFF is -1
        return;
    }
    window.LogLine("zel_reset ok");

    hex_a(hex, device, DEVICE_HEX_LEN);
    hex[DEVICE_HEX_LEN] = '\0';
    window.LogLine(hex);
}

void CloseDevice(WindowOps& window)
{
    if (zel_exit(g_hReader) != 0) {
        window.LogLine("Device Close Error!");
        return;
    }
    // The window defers any reader command clicked during this line, so the
    // closed handle still in the slot here never reaches the library.
    window.LogLine("Device Has Closed!");
    g_hReader = -1;
}
