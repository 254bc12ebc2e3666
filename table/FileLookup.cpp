#include "table/FileLookup.h"

#include <system_error>

namespace klarvon {

bool IsFilePresent(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec && ec != std::errc::no_such_file_or_directory && ec != std::errc::not_a_directory) {
        return true;
    }
    return status.type() != std::filesystem::file_type::not_found &&
           status.type() != std::filesystem::file_type::directory;
}

std::filesystem::path FindFile(std::string_view name,
                               std::span<const std::filesystem::path> folders) {
    for (const std::filesystem::path& folder : folders) {
        std::filesystem::path candidate = folder / name;
        if (IsFilePresent(candidate)) {
            return candidate;
        }
    }
    return name;
}

} // namespace klarvon
