#include "config/ConfigCommands.h"

#include "config/ConfigImage.h"
#include "config/ReaderConnection.h"
#include "reader/ReaderState.h"
#include "reader/zeldrv.h"
#include "ui/WindowOps.h"

namespace {

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// True when the 8 characters fetched are all hexadecimal digits. Anything
// else (a space, pasted text) would give a_hex nothing defined to convert.
bool IsHexKeyText(const char* text)
{
    for (int i = 0; i < KEY_TEXT_LEN; ++i) {
        if (!IsHexDigit(text[i]))
            return false;
    }
    return true;
}

}  // namespace

void GetConfig(WindowOps& window)
{
    uint8_t image[CFG_BUFFER_SIZE] = {};
    char keyText[CFG_BUFFER_SIZE] = {};

    if (!OpenReader()) {
        window.LogLine("Connection to Reader failed!");
        return;
    }
    // The close passes this command's own handle, whatever a command run
    // inside a LogLine below leaves in g_hReader.
    const int32_t handle = g_hReader;

    if (zel_srd_eeprom(handle, CFG_EEPROM_ADDR, CFG_READ_LEN, image) != 0) {
        window.LogLine("Failed to get configuration!!");
        CloseReader(handle);
        return;
    }
    window.LogLine("Got configuration!");

    for (const ConfigField& field : kConfigFields) {
        const bool on = image[field.imageByte] != 0;
        window.SetCheck(field.control, on ? 1 : 0);
        if (field.other != NO_CONTROL)
            window.SetCheck(field.other, on ? 0 : 1);
    }

    hex_a(keyText, image + KEY_IMAGE_OFFSET, KEY_TEXT_LEN);
    keyText[KEY_TEXT_LEN] = '\0';
    window.SetText(IDC_KEY_EDIT, keyText);

    CloseReader(handle);
    window.UpdateData(0);
}

void SetConfig(WindowOps& window)
{
    window.UpdateData(1);
    uint8_t image[CFG_BUFFER_SIZE] = {};

    if (!OpenReader()) {
        window.LogLine("Connection to Reader failed!");
        return;
    }
    const int32_t handle = g_hReader;

    for (const ConfigField& field : kConfigFields) {
        if (window.GetCheck(field.control) != 0)
            image[field.imageByte] = 1;
    }

    if (zel_swr_eeprom(handle, CFG_EEPROM_ADDR, CFG_WRITE_LEN, image) != 0)
        window.LogLine("Failed to configure Reader!");
    else
        window.LogLine("Successfully configured the reader!");
    CloseReader(handle);
}

void SetKey(WindowOps& window)
{
    window.UpdateData(1);
    char keyText[CFG_BUFFER_SIZE] = {};
    uint8_t key[CFG_BUFFER_SIZE] = {};

    // The key is checked before the reader is opened, so a refused key makes
    // no library call at all.
    bool valid = window.GetTextLength(IDC_KEY_EDIT) == KEY_TEXT_LEN;
    if (valid) {
        window.GetText(IDC_KEY_EDIT, keyText, KEY_TEXT_LIMIT);
        valid = IsHexKeyText(keyText);
    }
    if (!valid) {
        window.LogLine("密钥输入位数不足，请输入8位密钥!");
        return;
    }

    if (!OpenReader()) {
        window.LogLine("连接设备失败!");
        return;
    }
    const int32_t handle = g_hReader;

    a_hex(key, keyText, KEY_LEN);
    if (zel_swr_eeprom(handle, KEY_EEPROM_ADDR, KEY_LEN, key) != 0)
        window.LogLine("设置密钥失败!");
    else
        window.LogLine("设置密钥成功!");
    CloseReader(handle);
}
