// A program file loaded as data, so its resources can be read without
// running it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class ProgramResources {
public:
    explicit ProgramResources(const std::wstring& path);
    ~ProgramResources();
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    bool Loaded() const { return module_ != nullptr; }
    DWORD LoadError() const { return loadError_; }

    // The bytes of one resource in exactly this language; false if absent.
    bool Find(LPCWSTR type, LPCWSTR name, WORD language, std::vector<uint8_t>& bytes) const;

    // Every resource as "type/name/language", ids written as #n, e.g. "#5/#102/2052".
    std::vector<std::string> List() const;

private:
    HMODULE module_ = nullptr;
    DWORD loadError_ = 0;
};
