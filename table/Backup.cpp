#include "table/Backup.h"

#include "table/Errors.h"
#include "table/FileHandle.h"
#include "table/FileRead.h"
#include "table/FileWrite.h"
#include "table/PathText.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <vector>

namespace klarvon {

namespace {

constexpr std::string_view TemporarySuffix = ".new";
constexpr int TemporaryAttempts = 100;

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(FileSystemPath(path), error));
}

void SayKept(const std::string& backup, std::ostream& notes) {
    notes << "backup: kept " << backup << ", which already exists\n";
}

// The name of one of the backup's temporaries beside a backup called backupName:
// "gta_sa.exe.bak.new", then "gta_sa.exe.bak.new1" up to ".new99", exactly.
bool IsBackupTemporary(std::string_view name, std::string_view backupName) {
    const std::string stem = std::string(backupName) + std::string(TemporarySuffix);
    if (name.substr(0, stem.size()) != stem) {
        return false;
    }
    const std::string_view number = name.substr(stem.size());
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return number.empty() || (number.size() <= 2 && number[0] != '0' &&
                              std::all_of(number.begin(), number.end(), digit));
}

} // namespace

void BackUp(const std::string& path, std::ostream& notes) {
    const std::string backup = path + std::string(BackupSuffix);
    std::error_code error;
    const std::filesystem::file_status status =
        std::filesystem::symlink_status(FileSystemPath(backup), error);
    if (std::filesystem::exists(status)) {
        if (!std::filesystem::is_regular_file(status)) {
            throw EFinalError("'" + backup +
                              "' exists but is not a plain file; no backup was made and "
                              "nothing was written");
        }
        SayKept(backup, notes);
        return;
    }
    const std::vector<std::uint8_t> bytes =
        NamingFile(path, [&path] { return ReadFileBytes(path); });
    // A run killed while writing its copy left it under one of these names.
    const std::string backupName = Utf8Text(FileSystemPath(backup).filename());
    RemoveLeftovers(backup, [&backupName](std::string_view name) {
        return IsBackupTemporary(name, backupName);
    });
    std::string temporary;
    for (int attempt = 0; attempt < TemporaryAttempts && temporary.empty(); ++attempt) {
        const std::string name =
            backup + std::string(TemporarySuffix) + (attempt == 0 ? "" : std::to_string(attempt));
        if (!Exists(name)) {
            temporary = name;
        }
    }
    if (temporary.empty()) {
        throw EFinalError("no free name beside '" + backup + "' to write the backup to");
    }
    NamingFile(backup, [&] { WriteNewFile(temporary, bytes); });
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
        throw EFinalError("The backup could not be put in place: " + error.message() +
                              "; nothing was written",
                          backup);
    }
    // The backup's name on the disk before the file it keeps is touched: else a power cut
    // could keep the change and lose the backup.
    NamingFile(backup, [&backup] { FlushFolderOf(backup); });
    notes << "backup: made " << backup << '\n';
}

} // namespace klarvon
