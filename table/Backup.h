#pragma once
// A copy of a file made before its first change, so that the change can be undone by
// hand. Only the first backup is ever made: an existing FILE.bak is kept, because it is
// the one that still holds the file as it was before any change.

#include <ostream>
#include <string>
#include <string_view>

namespace klarvon {

inline constexpr std::string_view BackupSuffix = ".bak";

// Copies path to path.bak unless that exists, and says on notes which backup was made
// or kept ("backup: made FILE.bak", "backup: kept FILE.bak, which already exists"). The
// copy is written (and flushed) beside it under another name and put in place only when
// complete, so a failed backup never leaves a partial FILE.bak behind to be kept later;
// it is flushed, and its folder too, before this returns, so that the file it keeps is
// changed only once the backup would survive a power cut. A copy left by a killed run
// (FILE.bak.new...) is removed once it is old enough (see RemoveLeftovers).
// Throws EFinalError if no backup could be made or FILE.bak is not a plain file.
void BackUp(const std::string& path, std::ostream& notes);

} // namespace klarvon
