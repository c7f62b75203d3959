// Whole-file reads and atomic whole-file writes for the simulator's state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace zel {

using Path = std::filesystem::path;

enum class ReadResult { kOk, kMissing, kWrongSize, kError };

// Reads a file that must hold exactly size bytes. out is unspecified unless kOk.
ReadResult readExact(const Path& file, uint8_t* out, std::size_t size);

// Replaces file with data: writes file + ".tmp", flushes it to disk, then
// renames it over file, so readers see either the old or the new content.
bool writeAtomic(const Path& file, const uint8_t* data, std::size_t size);

// True when anything exists at path (or when that cannot be told).
bool pathExists(const Path& path);

// Creates the folder and its parents when missing; true if it is a folder then.
bool ensureFolder(const Path& folder);

}  // namespace zel
