#include "table/FileRead.h"

#include "table/PathText.h"

#include "table/FileHandle.h"
#include "table/InOutError.h"

#include <span>
#include <system_error>

namespace klarvon {

namespace {

// The path as the user should see it in a message: absolute, as the working folder
// makes it.
std::string ShownPath(const std::filesystem::path& path) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    // UTF-8 on every system (string() would use the ANSI code page on Windows).
    return Utf8Text(ec ? path : absolute);
}

std::span<std::uint8_t> Bytes(std::string& text) {
    return {reinterpret_cast<std::uint8_t*>(text.data()), text.size()};
}

} // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    TFileHandle file;
    file.Open(path, TAccess::ReadOnly);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.Size()));
    if (file.ReadAt(0, bytes) != bytes.size()) {
        throw ReadBeyondEndOfFile(); // cut short while being read
    }
    file.Close();
    return bytes;
}

std::string ReadTextFile(const std::string& path) {
    return NamingFile(path, [&path] {
        TFileHandle file;
        file.Open(path, TAccess::ReadOnly);
        std::string text = ReadWholeText(file);
        file.Close();
        return text;
    });
}

std::string ReadWholeText(const TFileHandle& file) {
    if (file.Size() > static_cast<std::int64_t>(LargestTextFile)) {
        throw EFinalError("The file is too large to be a text file of settings (over " +
                          std::to_string(LargestTextFile >> 20) + " MiB)");
    }
    std::string text(static_cast<std::size_t>(file.Size()), '\0');
    if (file.ReadAt(0, Bytes(text)) != text.size()) {
        throw ReadBeyondEndOfFile();
    }
    return text;
}

std::string ReadFileHead(const std::filesystem::path& path, std::size_t limit) {
    TFileHandle file;
    try {
        file.Open(Utf8Text(path), TAccess::ReadAnyKind);
    } catch (const ESystemError& failure) {
        throw EKlarvonError(FileErrorText("Cannot open file", path, failure.SystemWording));
    }
    // A pipe or a device of that name gives an empty text rather than a wait at start-up.
    if (!file.IsRegularFile()) {
        return {};
    }
    std::string head(limit, '\0');
    try {
        head.resize(file.ReadAt(0, Bytes(head)));
    } catch (const ESystemError& failure) {
        throw EKlarvonError(FileErrorText("Cannot read file", path, failure.SystemWording));
    }
    return head;
}

std::string FileErrorText(std::string_view what, const std::filesystem::path& path,
                          const std::string& reason) {
    return std::string(what) + " \"" + ShownPath(path) + "\". " + reason;
}

} // namespace klarvon
