#pragma once
// Files opened by name alone (a program's documents, the user's settings) are looked for
// in a short list of folders; the caller knows the folders, this knows the disk.

#include <filesystem>
#include <span>
#include <string_view>

namespace klarvon {

// Whether path names something to open: anything but a missing name or a folder. A
// status that cannot be learned (a folder on the way not searchable) counts as present,
// so that opening it reports why.
bool IsFilePresent(const std::filesystem::path& path);

// folder / name for the first folder that has it, where anything but a missing name or
// a folder counts (a file that cannot be examined is taken, so opening it reports
// why); name alone, relative to the working folder, when no folder has it. An empty
// folder is the working folder.
std::filesystem::path FindFile(std::string_view name,
                               std::span<const std::filesystem::path> folders);

} // namespace klarvon
