// The texts a Windows error code turns into, as the Windows build shows them. The mapping
// is plain arithmetic, so it is checked on every system.

#include "table/InOutError.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace klarvon {
namespace {

TEST(WindowsErrorText, FollowsTheClassicTable) {
    const struct {
        std::uint32_t WindowsCode;
        int Code;
        const char* Text;
    } cases[] = {
        {2, 2, "File not found"},      // ERROR_FILE_NOT_FOUND
        {3, 3, "Invalid filename"},    // ERROR_PATH_NOT_FOUND
        {4, 4, "Too many open files"}, // ERROR_TOO_MANY_OPEN_FILES
        {5, 5, "File access denied"},  // ERROR_ACCESS_DENIED, a read-only or locked file
        {39, 101, "Disk full"},        // ERROR_HANDLE_DISK_FULL
        {112, 101, "Disk full"},       // ERROR_DISK_FULL
        {32, 32, "I/O error 32"},      // ERROR_SHARING_VIOLATION
        {33, 33, "I/O error 33"},      // ERROR_LOCK_VIOLATION
        {123, 123, "I/O error 123"},   // ERROR_INVALID_NAME
        // Windows' own 100 and 101 are semaphore errors, not the classic end of file and
        // full disk, so they keep their numbers.
        {100, 100, "I/O error 100"},
        {101, 101, "I/O error 101"},
        {0xC0000022, static_cast<int>(0xC0000022U), "I/O error 3221225506"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.WindowsCode);
        const EInOutError error = InOutErrorFromWindowsCode(c.WindowsCode);
        EXPECT_EQ(error.Code, c.Code);
        EXPECT_STREQ(error.what(), c.Text);
    }
}

} // namespace
} // namespace klarvon
