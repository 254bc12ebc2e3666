// Where a file opened by name alone is found: the source folder keeps working as it
// always did, and an installed copy finds its own documents wherever it is started from.

#include "table/FileLookup.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace klarvon::test {
namespace {

namespace fs = std::filesystem;

// Changes the working folder until destroyed.
class TWorkingFolder {
public:
    explicit TWorkingFolder(const fs::path& folder) : previous_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~TWorkingFolder() {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
    }
    TWorkingFolder(const TWorkingFolder&) = delete;
    TWorkingFolder& operator=(const TWorkingFolder&) = delete;

private:
    fs::path previous_;
};

TEST(FileLookup, DocumentsComeFromTheFirstFolderThatHasThem) {
    enum TEntry { Nothing, File, Folder, DanglingLink };
    struct TCase {
        const char* Name;
        TEntry Program;
        TEntry Data;
        TEntry Working;
        std::string Expected; // relative to the temporary folder
    };
    const std::vector<TCase> cases{
        // Run from the source folder: the same relative name as ever.
        {"working folder only", Nothing, Nothing, File, "ReadMe.txt"},
        // Installed and started from a home folder that has a ReadMe.txt of its own.
        {"data folder before the working folder", Nothing, File, File, "share/klarvon/ReadMe.txt"},
        {"beside the program first", File, File, File, "bin/ReadMe.txt"},
        {"a folder of that name is passed over", Folder, File, Nothing, "share/klarvon/ReadMe.txt"},
#ifndef _WIN32
        {"a dangling link is passed over", DanglingLink, Nothing, File, "ReadMe.txt"},
#endif
        {"nowhere: the bare name", Nothing, Nothing, Nothing, "ReadMe.txt"},
    };
    for (const TCase& c : cases) {
        TTempDir root;
        const TWorkingFolder working(root.Path());
        const auto place = [&](TEntry entry, const fs::path& folder) {
            fs::create_directories(folder);
            const fs::path path = folder / "ReadMe.txt";
            if (entry == File) {
                WriteBytes(path.string(), TBytes{'g', 'u', 'i', 'd', 'e'});
            } else if (entry == Folder) {
                fs::create_directory(path);
            } else if (entry == DanglingLink) {
                fs::create_symlink("gone.txt", path);
            }
        };
        place(c.Program, root.Path() / "bin");
        place(c.Data, root.Path() / "share/klarvon");
        place(c.Working, root.Path());
        const std::vector<fs::path> folders{root.Path() / "bin", root.Path() / "share/klarvon", {}};
        const fs::path found = FindFile("ReadMe.txt", folders);
        const fs::path expected =
            c.Expected == "ReadMe.txt" ? fs::path("ReadMe.txt") : root.Path() / c.Expected;
        EXPECT_TRUE(found == expected) << c.Name << ": " << found.string();
    }
}

} // namespace
} // namespace klarvon::test
