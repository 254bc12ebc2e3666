#include "cli/Backup.h"

#include "cli/Report.h"

#include <iostream>

namespace klarvon::cli {

void WriteChange(TTableFile& file, const TArguments& arguments,
                 std::span<const TRecordUpdate> updates, std::ostream& out) {
    if (arguments.Has(BackupFlag)) {
        BackUp(file.Path(), std::cerr);
    }
    file.WriteAll(updates);
    file.Close();
    NoteFileChanged(out);
}

} // namespace klarvon::cli
