// A block of a version resource (VS_VERSIONINFO, StringFileInfo, a string
// table, a String, VarFileInfo, a Var), with its nested blocks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct VersionBlock {
    std::wstring key;
    uint16_t type = 0;            // 1 text, 0 binary
    std::vector<uint8_t> value;   // the value's bytes as stored
    std::vector<VersionBlock> children;

    // A text value up to its first NUL.
    std::wstring Text() const;
};

// Parses the resource's root block and everything below it. False, with the
// reason, when a length runs past its parent or the data.
bool ParseVersionBlock(const std::vector<uint8_t>& bytes, VersionBlock& out, std::string& error);
