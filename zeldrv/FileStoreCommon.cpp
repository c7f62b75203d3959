#include "zeldrv/FileStore.h"

#include <system_error>

namespace zel {

bool pathExists(const Path& path) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(path, ec);
    if (ec && status.type() != std::filesystem::file_type::not_found) {
        return true;  // cannot tell: assume present, the safer answer for a marker
    }
    return status.type() != std::filesystem::file_type::not_found;
}

bool ensureFolder(const Path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return std::filesystem::is_directory(folder, ec);
}

}  // namespace zel
