#pragma once
// A copy of the executable made before a command's first write, so that a change can
// be undone by hand. Only the first backup is ever made: an existing FILE.bak is kept,
// because it is the one that still holds the file as it was before any change.

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon::cli {

inline constexpr std::string_view BackupSuffix = ".bak";

// The whole file, read through the core (its error texts, its platform's file names).
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

// A text file a command reads (a cfg, a patch): refused past a size no such file has.
std::string ReadTextFile(const std::string& path);

// Copies path to path.bak unless that exists, and says on notes which backup was made
// or kept. The copy is written beside it under another name and renamed into place
// only when complete, so a failed backup never leaves a partial FILE.bak behind to be
// kept later. Throws if no backup could be made or FILE.bak is not a plain file.
void BackUp(const std::string& path, std::ostream& notes);

} // namespace klarvon::cli
