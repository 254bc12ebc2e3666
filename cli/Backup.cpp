#include "cli/Backup.h"

#include "cli/Failure.h"
#include "cli/SafeWrite.h"
#include "table/InOutError.h"
#include "table/PathText.h"
#include "table/RecordFile.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace klarvon::cli {

namespace {

constexpr std::string_view TemporarySuffix = ".new";
constexpr int TemporaryAttempts = 100;
constexpr std::size_t LargestTextFile = std::size_t{16} << 20;

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(FileSystemPath(path), error));
}

void SayKept(const std::string& backup, std::ostream& notes) {
    notes << "backup: kept " << backup << ", which already exists\n";
}

} // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    const TRecordFile file(path, TOpenMode::ReadOnly);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.Size()));
    if (file.ReadAt(0, bytes) != bytes.size()) {
        throw ReadBeyondEndOfFile(); // cut short while being read
    }
    return bytes;
}

std::string ReadTextFile(const std::string& path) {
    return InContext(path, [&path] {
        const TRecordFile file(path, TOpenMode::ReadOnly);
        if (file.Size() > static_cast<std::int64_t>(LargestTextFile)) {
            throw EPlainFailure("The file is too large to be a text file of settings (over " +
                                std::to_string(LargestTextFile >> 20) + " MiB)");
        }
        std::string text(static_cast<std::size_t>(file.Size()), '\0');
        const std::span bytes(reinterpret_cast<std::uint8_t*>(text.data()), text.size());
        if (file.ReadAt(0, bytes) != text.size()) {
            throw ReadBeyondEndOfFile();
        }
        return text;
    });
}

void BackUp(const std::string& path, std::ostream& notes) {
    const std::string backup = path + std::string(BackupSuffix);
    std::error_code error;
    const std::filesystem::file_status status =
        std::filesystem::symlink_status(FileSystemPath(backup), error);
    if (std::filesystem::exists(status)) {
        if (!std::filesystem::is_regular_file(status)) {
            throw EPlainFailure("'" + backup +
                                "' exists but is not a plain file; no backup was made and "
                                "nothing was written");
        }
        SayKept(backup, notes);
        return;
    }
    const std::vector<std::uint8_t> bytes =
        InContext(path, [&path] { return ReadFileBytes(path); });
    std::string temporary;
    for (int attempt = 0; attempt < TemporaryAttempts && temporary.empty(); ++attempt) {
        const std::string name =
            backup + std::string(TemporarySuffix) + (attempt == 0 ? "" : std::to_string(attempt));
        if (!Exists(name)) {
            temporary = name;
        }
    }
    if (temporary.empty()) {
        throw EPlainFailure("no free name beside '" + backup + "' to write the backup to");
    }
    InContext(backup, [&] { WriteNewFile(temporary, bytes); });
    // A hard link puts the finished copy in place without ever replacing a FILE.bak that
    // appeared meanwhile; a file system without links gets a rename instead.
    std::filesystem::create_hard_link(FileSystemPath(temporary), FileSystemPath(backup), error);
    const bool linked = !error;
    const bool appeared = !linked && Exists(backup);
    if (!linked && !appeared) {
        std::filesystem::rename(FileSystemPath(temporary), FileSystemPath(backup), error);
    }
    std::error_code ignored;
    std::filesystem::remove(FileSystemPath(temporary), ignored);
    if (appeared) {
        SayKept(backup, notes);
        return;
    }
    if (!linked && error) {
        throw EFailure("The backup could not be put in place: " + error.message() +
                           "; nothing was written",
                       backup);
    }
    notes << "backup: made " << backup << '\n';
}

} // namespace klarvon::cli
