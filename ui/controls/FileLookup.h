#pragma once
// The files the editor opens by name alone: the documents that ship with it (ReadMe.txt,
// AUTHORS.txt) and the user's Settings.ini. Each is looked for in a short list of
// folders, so the editor finds them whether it runs from the source folder, from an
// unpacked zip, or installed with its documents in a data folder of their own.

// FindFile itself is the disk's side of it (table/FileLookup.h); the folders are the
// platform's.

#include "table/FileLookup.h"

#include <filesystem>
#include <vector>

namespace klarvon {

// Where the shipped documents are looked for: beside the program, then in the data
// folder of an installed copy, then in the working folder. Defined by the platform.
std::vector<std::filesystem::path> DocumentFolders();

// Where Settings.ini is looked for: the working folder first, as it always was, then
// the user's own configuration folder. Defined by the platform.
std::vector<std::filesystem::path> SettingsFolders();

} // namespace klarvon
