// The Windows editor looks for its documents beside the program first, then in the
// working folder (the program's own folder when it is started from Explorer, but not
// from a shortcut that starts it elsewhere); Settings.ini stays in the working folder.
#include "ui/controls/FileLookup.h"

#include <string>

#include <windows.h>

namespace klarvon {

namespace {

// Room for a long path (the manifest allows them); a longer one is not looked in.
constexpr DWORD LongestPath = 32768;

std::filesystem::path ProgramFolder() {
    std::wstring name(LongestPath, L'\0');
    const DWORD length = ::GetModuleFileNameW(nullptr, name.data(), LongestPath);
    if (length == 0 || length >= LongestPath) {
        return {};
    }
    name.resize(length);
    return std::filesystem::path(name).parent_path();
}

} // namespace

std::vector<std::filesystem::path> DocumentFolders() {
    const std::filesystem::path program = ProgramFolder();
    if (program.empty()) {
        return {{}};
    }
    return {program, {}};
}

std::vector<std::filesystem::path> SettingsFolders() {
    return {{}};
}

} // namespace klarvon
