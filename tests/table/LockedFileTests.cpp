// A cfg changed under the lock and replaced whole: the new text with the old file's
// permissions, no update lost to another Klarvon program waiting meanwhile, and the old
// file kept whole when the new one cannot take its place.

#include "table/Errors.h"
#include "table/FileRead.h"
#include "table/LockedFile.h"
#include "tests/support/AclBytes.h"
#include "tests/support/ExeBuilder.h"
#include "tests/support/ExpectError.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>

#ifndef _WIN32
#include <sys/xattr.h>
#endif

namespace klarvon::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string OldText = "landstal\t1\t2\r\n;the end\r\n";
const std::string NewText = "landstal\t7\t2\r\n;the end\r\n";
constexpr std::uint32_t NobodyId = 65534;

std::string TextOf(const std::string& path) {
    const TBytes bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

void WriteText(const std::string& path, const std::string& text) {
    WriteBytes(path, TBytes(text.begin(), text.end()));
}

std::size_t EntriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(LockedFile, ReplacementKeepsTheOldFilesPermissions) {
    const TTempDir dir;
    const std::string path = dir.File("gtasa_vehicleAudioSettings.cfg");
#ifdef _WIN32
    // On Windows, taking the write bits away would make the file read-only, which a
    // change cannot open; the attributes kept are hidden and system.
    const fs::perms modes[] = {fs::perms(0666)};
#else
    const fs::perms modes[] = {fs::perms(0640), fs::perms(0600), fs::perms(0755)};
#endif
    for (const fs::perms mode : modes) {
        SCOPED_TRACE(static_cast<unsigned>(mode));
        WriteText(path, OldText);
        fs::permissions(path, mode);
        TLockedFile file(path);
        EXPECT_EQ(file.Text(), OldText);
        file.Replace(NewText);
        EXPECT_EQ(TextOf(path), NewText);
        EXPECT_EQ(fs::status(path).permissions(), mode);
        EXPECT_EQ(EntriesIn(dir.Path()), 1u) << "a temporary was left behind";
    }
#ifdef _WIN32
    const std::wstring wide = fs::path(path).wstring();
    ASSERT_TRUE(::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN));
    TLockedFile(path).Replace(OldText);
    EXPECT_EQ(TextOf(path), OldText);
    EXPECT_NE(::GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
#endif
}

#ifndef _WIN32
// A cfg a mod manager links into the game's folder: the change goes through the link to
// the file it serves, and the link stays a link.
TEST(LockedFile, ALinkStaysALinkAndItsFileGetsTheChange) {
    const TTempDir dir;
    fs::create_directory(dir.File("mods"));
    const std::string served = dir.File("mods/vehicleAudio.cfg");
    const std::string link = dir.File("gtasa_vehicleAudioSettings.cfg");
    WriteText(served, OldText);
    fs::create_symlink("mods/vehicleAudio.cfg", link);
    TLockedFile(link).Replace(NewText);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(TextOf(served), NewText);
    EXPECT_EQ(EntriesIn(dir.File("mods")), 1u) << "a temporary was left behind";
}

// A folder whose default ACL lets another user in gives every new file that ACL; a cfg
// that had none must not gain it by being replaced.
TEST(LockedFile, AReplacementGainsNoAclTheFileDidNotHave) {
    const TTempDir dir;
    const fs::path folder = dir.Path() / "shared";
    fs::create_directory(folder);
    const std::string given = AclGranting(NobodyId, 7, 5, 5);
    if (::setxattr(folder.c_str(), "system.posix_acl_default", given.data(), given.size(), 0) !=
        0) {
        GTEST_SKIP() << "the file system of " << dir.Path() << " keeps no ACLs";
    }
    const std::string path = (folder / "gtasa_vehicleAudioSettings.cfg").string();
    WriteText(path, OldText);
    ASSERT_EQ(::removexattr(path.c_str(), "system.posix_acl_access"), 0);
    fs::permissions(path, fs::perms(0644));
    TLockedFile(path).Replace(NewText);
    EXPECT_EQ(TextOf(path), NewText);
    EXPECT_LT(::getxattr(path.c_str(), "system.posix_acl_access", nullptr, 0), 0);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0644));
}
#endif

// Two changes of the same cfg at once (an installer and the user, say): the second waits,
// then starts from the first's new text instead of writing its own over it.
TEST(LockedFile, AWaitingChangeStartsFromTheNewText) {
    const TTempDir dir;
    const std::string path = dir.File("gtasa_vehicleAudioSettings.cfg");
    WriteText(path, OldText);
    const std::string Added = "mycar\t1\t2\r\n";

    TLockedFile first(path);
    auto second = std::async(std::launch::async, [&] {
        TLockedFile file(path, 10s);
        const std::string text = file.Text();
        file.Replace(text + Added);
        return text;
    });
    EXPECT_EQ(second.wait_for(200ms), std::future_status::timeout) << "did not wait";
    EXPECT_EQ(ReadTextFile(path), OldText) << "a reader is never held up";
    std::string firstText = NewText;
    try {
        first.Replace(NewText);
    } catch (const EInOutError& error) {
#ifdef _WIN32
        // Where Windows cannot rename over a file another program holds open (Wine,
        // before Windows 10, FAT), the first change fails whole and the second goes on
        // from the old text: nothing is lost either way.
        EXPECT_EQ(std::string(error.what()), "File access denied");
        firstText = OldText;
#else
        ADD_FAILURE() << error.what();
#endif
    }
    EXPECT_EQ(second.get(), firstText);
    EXPECT_EQ(TextOf(path), firstText + Added);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u) << "a temporary was left behind";
}

TEST(LockedFile, AChangeHeldTooLongIsGivenUpWithTheReason) {
    const TTempDir dir;
    const std::string path = dir.File("gtasa_vehicleAudioSettings.cfg");
    WriteText(path, OldText);
    const TLockedFile first(path);
    const auto started = std::chrono::steady_clock::now();
    ExpectError<EInOutError>([&] { TLockedFile second(path, 50ms); },
                             "Another Klarvon program is changing this file");
    EXPECT_GE(std::chrono::steady_clock::now() - started, 50ms);
    EXPECT_EQ(TextOf(path), OldText);
}

// The new file cannot take the old one's place: the old file stays whole, and nothing of
// the new one is left beside it.
TEST(LockedFile, AFailedReplacementLeavesTheOldFileWhole) {
    const TTempDir dir;
#ifdef _WIN32
    // A program holding the cfg open without sharing its deletion (a running game, an
    // editor) stands in the way of the rename.
    const std::string path = dir.File("gtasa_vehicleAudioSettings.cfg");
    WriteText(path, OldText);
    const HANDLE held = ::CreateFileW(fs::path(path).wstring().c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::string outcome;
    try {
        TLockedFile(path).Replace(NewText);
        outcome = "replaced";
    } catch (const EInOutError& error) {
        outcome = error.what();
    }
    ::CloseHandle(held);
    // The sharing violation, or under Wine (which refuses a rename over any open file)
    // access denied.
    EXPECT_TRUE(outcome == "I/O error 32" || outcome == "File access denied") << outcome;
    const fs::path folder = dir.Path();
#else
    // A folder the user may not write in, holding a cfg the user may: the temporary
    // cannot be made beside it.
    fs::permissions(dir.Path(), fs::perms(0755));
    const fs::path folder = dir.Path() / "Rockstar Games";
    fs::create_directory(folder);
    fs::permissions(folder, fs::perms(0755));
    const std::string path = (folder / "gtasa_vehicleAudioSettings.cfg").string();
    WriteText(path, OldText);
    fs::permissions(path, fs::perms(0666));
    EXPECT_EQ(OutcomeForAnOrdinaryUser([&] {
                  TLockedFile file(path);
                  file.Replace(NewText);
                  return std::string("replaced");
              }),
              "throws: File access denied");
#endif
    EXPECT_EQ(TextOf(path), OldText);
    EXPECT_EQ(EntriesIn(folder), 1u) << "a temporary was left behind";
}

} // namespace
} // namespace klarvon::test
