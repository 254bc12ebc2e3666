// Where the Linux editor finds its documents and the user's settings.
#include "ui/controls/FileLookup.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdlib>

// The installed data folder as seen from the installed program's folder, set by the
// build from the install layout (bin/ and share/klarvon/ under one prefix).
#ifndef KLARVON_DATA_FROM_PROGRAM
#define KLARVON_DATA_FROM_PROGRAM "../share/klarvon"
#endif

namespace klarvon {

namespace {

std::filesystem::path ProgramFolder() {
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

// The XDG base directory rule: $XDG_CONFIG_HOME when it is an absolute path, otherwise
// ~/.config; none when neither is known.
std::filesystem::path UserConfigFolder() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && std::filesystem::path(configHome).is_absolute()) {
        return configHome;
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && std::filesystem::path(home).is_absolute()) {
        return std::filesystem::path(home) / ".config";
    }
    return {};
}

} // namespace

std::vector<std::filesystem::path> DocumentFolders() {
    const std::filesystem::path program = ProgramFolder();
    if (program.empty()) {
        return {{}};
    }
    return {program, (program / KLARVON_DATA_FROM_PROGRAM).lexically_normal(), {}};
}

std::vector<std::filesystem::path> SettingsFolders() {
    std::vector<std::filesystem::path> folders{{}};
    if (const std::filesystem::path config = UserConfigFolder(); !config.empty()) {
        folders.push_back(config / "klarvon");
    }
    return folders;
}

} // namespace klarvon
