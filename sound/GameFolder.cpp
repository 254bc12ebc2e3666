#include "sound/GameFolder.h"

#include "table/PathText.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

namespace klarvon::sound {

namespace {

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// folder / name as it is spelt there: the exact name first, else the first entry that
// differs only in case.
std::optional<std::filesystem::path> FindEntry(const std::filesystem::path& folder,
                                               const std::filesystem::path& name) {
    std::error_code failure;
    if (std::filesystem::exists(folder / name, failure)) {
        return folder / name;
    }
    const std::string wanted = Utf8Text(name);
    for (std::filesystem::directory_iterator entry(folder, failure), end; !failure && entry != end;
         entry.increment(failure)) {
        if (SameIgnoringAsciiCase(Utf8Text(entry->path().filename()), wanted)) {
            return entry->path();
        }
    }
    return std::nullopt;
}

} // namespace

std::filesystem::path GameFolderOf(const std::filesystem::path& path) {
    std::error_code failure;
    if (std::filesystem::is_directory(path, failure)) {
        return path;
    }
    const std::filesystem::path folder = path.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& folder,
                                                      std::string_view relative) {
    std::filesystem::path found = folder;
    for (const std::filesystem::path& part : std::filesystem::path(relative)) {
        const std::optional<std::filesystem::path> next = FindEntry(found, part);
        if (!next) {
            return std::nullopt;
        }
        found = *next;
    }
    return found;
}

bool HasSoundFiles(const std::filesystem::path& folder) {
    return FindIgnoringCase(folder, BankLookupPath).has_value();
}

std::optional<std::filesystem::path>
SoundFolderFor(const std::filesystem::path& file,
               const std::optional<std::filesystem::path>& given) {
    if (given) {
        return GameFolderOf(*given);
    }
    const std::filesystem::path beside = GameFolderOf(file);
    if (HasSoundFiles(beside)) {
        return beside;
    }
    return std::nullopt;
}

} // namespace klarvon::sound
