#include "table/FileWrite.h"

#include "table/Errors.h"
#include "table/FileHandle.h"
#include "table/PathText.h"

#include <algorithm>
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

// The most digits an unsigned 32-bit number has.
constexpr std::size_t NumberDigits = 10;

std::filesystem::path FolderOf(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

// A hidden name beside path, so the rename stays within one file system; the number is
// random, so programs replacing the same file at once do not keep meeting each other.
std::string TemporaryName(const std::string& path, unsigned number) {
    const std::filesystem::path target = FileSystemPath(path);
    const std::string name = '.' + Utf8Text(target.filename()) + '.' + std::to_string(number);
    return Utf8Text(FolderOf(target) / FileSystemPath(name));
}

bool IsLeftover(const std::filesystem::directory_entry& entry, std::filesystem::file_time_type now,
                const std::function<bool(std::string_view name)>& isOurs) {
    std::error_code error;
    if (!isOurs(Utf8Text(entry.path().filename())) ||
        !std::filesystem::is_regular_file(entry.symlink_status(error))) {
        return false;
    }
    const std::filesystem::file_time_type written =
        std::filesystem::last_write_time(entry.path(), error);
    return !error && now - written >= LeftoverAge;
}

} // namespace

bool IsReplacementTemporary(std::string_view name, std::string_view target) {
    if (name.size() < target.size() + 3 || name[0] != '.' ||
        name.substr(1, target.size()) != target || name[target.size() + 1] != '.') {
        return false;
    }
    const std::string_view number = name.substr(target.size() + 2);
    return number.size() <= NumberDigits &&
           std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void RemoveLeftovers(const std::string& path,
                     const std::function<bool(std::string_view name)>& isOurs) noexcept {
    try {
        const std::filesystem::file_time_type now = std::filesystem::file_time_type::clock::now();
        std::error_code error;
        std::filesystem::directory_iterator entry(FolderOf(FileSystemPath(path)), error);
        for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
            if (IsLeftover(*entry, now, isOurs)) {
                std::error_code ignored;
                std::filesystem::remove(entry->path(), ignored);
            }
        }
    } catch (...) {
        // A name that is no text, or no memory: the leftovers wait for the next run.
    }
}

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
    FlushFolderOf(path);
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
    const std::string target = Utf8Text(FileSystemPath(path).filename());
    RemoveLeftovers(
        path, [&target](std::string_view name) { return IsReplacementTemporary(name, target); });
    FlushFolderOf(path);
}

} // namespace klarvon
