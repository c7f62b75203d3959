#include "zeldrv/SimFolder.h"

#ifdef _WIN32
#include <windows.h>

#include <string>
#else
#include <cstdlib>
#endif

namespace zel {
namespace {

#ifdef _WIN32
// The Win32 environment, not the C runtime's copy, so a value set with
// SetEnvironmentVariableW after start is seen.
bool environment(const wchar_t* name, Path& out) {
    const DWORD needed = GetEnvironmentVariableW(name, nullptr, 0);
    if (needed <= 1) {
        return false;
    }
    std::wstring value(needed, L'\0');
    const DWORD got = GetEnvironmentVariableW(name, &value[0], needed);
    if (got == 0 || got >= needed) {
        return false;
    }
    value.resize(got);
    out = value;
    return true;
}

bool folderPath(Path& out) {
    if (environment(L"ZELDRV_SIM_DIR", out)) {
        return true;
    }
    Path base;
    if (!environment(L"LOCALAPPDATA", base)) {
        return false;
    }
    out = base / L"zeldrv" / L"sim";
    return true;
}
#else
bool folderPath(Path& out) {
    const char* dir = std::getenv("ZELDRV_SIM_DIR");
    if (dir != nullptr && *dir != '\0') {
        out = dir;
        return true;
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        return false;
    }
    out = Path(home) / ".zeldrv-sim";
    return true;
}
#endif

}  // namespace

bool SimFolder::locate(SimFolder& out) {
    Path folder;
    if (!folderPath(folder)) {
        return false;
    }
    out.folder = folder;
    out.eeprom = folder / "eeprom.bin";
    out.card = folder / "card.mfd";
    out.unplugged = folder / "unplugged";
    out.lock = folder / "reader.lock";
    return true;
}

}  // namespace zel
