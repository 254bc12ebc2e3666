#pragma once
// The --backup flag of the writing commands, and their last step. The backup itself, and
// the reading of whole files, are the core's (table/Backup.h, table/FileRead.h).

#include "cli/Arguments.h"
#include "cli/TableFile.h"
#include "table/Backup.h"
#include "table/FileRead.h"

#include <ostream>
#include <span>
#include <string_view>

namespace klarvon::cli {

inline constexpr std::string_view BackupFlag = "--backup";

// A writing command's last step: the backup if --backup was given (noted on stderr),
// the records written as one change, the write lock ended, the change noted for out.
void WriteChange(TTableFile& file, const TArguments& arguments,
                 std::span<const TRecordUpdate> updates, std::ostream& out);

} // namespace klarvon::cli
