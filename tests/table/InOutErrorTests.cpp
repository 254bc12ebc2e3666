// The texts the user reads for each system error number.

#include "table/InOutError.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace klarvon {
namespace {

struct TErrnoCase {
    int Errno;
    int Code;
    const char* Text;
};

TEST(InOutError, SystemNumbersBecomeTheKnownTexts) {
    test::TTempDir dir;
    const std::string path = dir.File("gta_sa.exe"); // its folder exists
    const TErrnoCase cases[] = {
        {ENOENT, 2, "File not found"},
        {ENOTDIR, 3, "Invalid filename"},
        {EMFILE, 4, "Too many open files"},
        {ENFILE, 4, "Too many open files"},
        {EACCES, 5, "File access denied"},
        {EPERM, 5, "File access denied"},
        {EROFS, 5, "File access denied"},
        {EISDIR, 5, "File access denied"},
        {ENOSPC, 101, "Disk full"},
        {EDQUOT, 101, "Disk full"},
        {ETXTBSY, 32, "I/O error 32"},
        {EBUSY, 32, "I/O error 32"},
        {ENAMETOOLONG, 123, "I/O error 123"},
        {EILSEQ, 123, "I/O error 123"},
        {EIO, EIO, "I/O error 5"},
        {ELOOP, ELOOP, "I/O error 40"},
    };
    for (const TErrnoCase& c : cases) {
        SCOPED_TRACE(c.Errno);
        const EInOutError error = InOutErrorFromErrno(c.Errno, path);
        EXPECT_EQ(error.Code, c.Code);
        EXPECT_STREQ(error.what(), c.Text);
    }
}

TEST(InOutError, MissingFolderIsAnInvalidFilename) {
    test::TTempDir dir;
    test::WriteBytes(dir.File("plain"), {1});
    const struct {
        std::string Path;
        int Code;
        const char* Text;
    } cases[] = {
        {dir.File("missing.exe"), 2, "File not found"},
        {"relative-missing.exe", 2, "File not found"}, // the working folder exists
        {dir.File("no-folder/gta_sa.exe"), 3, "Invalid filename"},
        {dir.File("no-folder/deeper/gta_sa.exe"), 3, "Invalid filename"},
        {dir.File("plain/gta_sa.exe"), 3, "Invalid filename"}, // a file where a folder should be
        {"", 3, "Invalid filename"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Path);
        const EInOutError error = InOutErrorFromErrno(ENOENT, c.Path);
        EXPECT_EQ(error.Code, c.Code);
        EXPECT_STREQ(error.what(), c.Text);
    }
}

} // namespace
} // namespace klarvon
