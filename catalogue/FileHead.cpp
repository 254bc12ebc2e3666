#include "catalogue/FileHead.h"

#include <system_error>

namespace klarvon {

namespace {

// The path as the user should see it in a message: absolute, as the working folder
// makes it.
std::string ShownPath(const std::filesystem::path& path) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    // UTF-8 on every system (string() would use the ANSI code page on Windows).
    const std::u8string text = (ec ? path : absolute).u8string();
    return std::string(text.begin(), text.end());
}

} // namespace

std::string FileErrorText(std::string_view what, const std::filesystem::path& path,
                          const std::string& reason) {
    return std::string(what) + " \"" + ShownPath(path) + "\". " + reason;
}

} // namespace klarvon
