// The Windows editor keeps its documents and Settings.ini in the working folder, which
// is the program's own folder when it is started from Explorer.
#include "ui/controls/FileLookup.h"

namespace klarvon {

std::vector<std::filesystem::path> DocumentFolders() {
    return {{}};
}

std::vector<std::filesystem::path> SettingsFolders() {
    return {{}};
}

} // namespace klarvon
