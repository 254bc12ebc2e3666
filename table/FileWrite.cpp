#include "table/FileWrite.h"

#include "table/Errors.h"
#include "table/FileHandle.h"
#include "table/PathText.h"

#include <filesystem>
#include <random>
#include <system_error>

namespace klarvon {

namespace {

constexpr int TemporaryAttempts = 100;

// Closes the file without a word and removes it: the way out of a write that failed.
void Discard(TFileHandle& file, const std::string& path) noexcept {
    try {
        file.Close();
    } catch (...) {
        // Closed whatever the system said; the file is removed all the same.
    }
    std::error_code ignored;
    std::filesystem::remove(FileSystemPath(path), ignored);
}

// All the bytes, on the disk, closed.
void WriteFlushClose(TFileHandle& file, std::span<const std::uint8_t> bytes) {
    file.WriteAt(0, bytes);
    file.Flush();
    file.Close();
}

// A hidden name beside path, so the rename stays within one file system; the number is
// random, so programs replacing the same file at once do not keep meeting each other.
std::string TemporaryName(const std::string& path, unsigned number) {
    const std::filesystem::path target = FileSystemPath(path);
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    const std::string name = '.' + Utf8Text(target.filename()) + '.' + std::to_string(number);
    return Utf8Text(folder / FileSystemPath(name));
}

} // namespace

void WriteNewFile(const std::string& path, std::span<const std::uint8_t> bytes,
                  std::string_view whenTaken) {
    TFileHandle file;
    if (!file.CreateNew(path)) {
        std::string text = "'" + path + "' already exists";
        if (!whenTaken.empty()) {
            text += "; ";
            text += whenTaken;
        }
        throw EKlarvonError(text);
    }
    try {
        WriteFlushClose(file, bytes);
    } catch (...) {
        Discard(file, path); // ours: created above, never a file that was there before
        throw;
    }
}

void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    ReplaceFile(path, bytes, {},
                [&path](const std::string& temporary) { MoveOver(temporary, path); });
}

void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes,
                 const std::function<void(TFileHandle& temporary)>& prepare,
                 const std::function<void(const std::string& temporary)>& moveOver) {
    RequireRegularOrNothing(path);
    std::random_device seed;
    std::mt19937 numbers(seed());
    TFileHandle file;
    std::string temporary;
    for (int attempt = 0; attempt < TemporaryAttempts && !file.IsOpen(); ++attempt) {
        temporary = TemporaryName(path, static_cast<unsigned>(numbers()));
        file.CreateNew(temporary);
    }
    if (!file.IsOpen()) {
        throw EKlarvonError("No free name beside '" + path + "' for the new file");
    }
    try {
        if (prepare) {
            prepare(file);
        }
        WriteFlushClose(file, bytes);
        moveOver(temporary);
    } catch (...) {
        Discard(file, temporary);
        throw;
    }
}

} // namespace klarvon
