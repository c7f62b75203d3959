// The program's own module, found through the linker's __ImageBase, and the
// resources in it.
#pragma once

#include <windows.h>

#include <string>

HINSTANCE ModuleInstance();

// A string resource of the program; empty when it is missing or empty.
std::wstring LoadStringResource(UINT id);
