#pragma once
// The files the editor opens by name alone: the documents that ship with it (ReadMe.txt,
// AUTHORS.txt) and the user's Settings.ini. Each is looked for in a short list of
// folders, so the editor finds them whether it runs from the source folder, from an
// unpacked zip, or installed with its documents in a data folder of their own.

#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace klarvon {

// folder / name for the first folder that has it, where anything but a missing name or
// a folder counts (a file that cannot be examined is taken, so opening it reports
// why); name alone, relative to the working folder, when no folder has it. An empty
// folder is the working folder.
std::filesystem::path FindFile(std::string_view name,
                               std::span<const std::filesystem::path> folders);

// Where the shipped documents are looked for: beside the program, then in the data
// folder of an installed copy, then in the working folder. Defined by the platform.
std::vector<std::filesystem::path> DocumentFolders();

// Where Settings.ini is looked for: the working folder first, as it always was, then
// the user's own configuration folder. Defined by the platform.
std::vector<std::filesystem::path> SettingsFolders();

} // namespace klarvon
