// What the companion promises about the disk beyond the bytes: a rename reaches the disk
// before the change is made or reported, a killed run's temporary is cleared away by the
// next, a replaced cfg keeps its owner, group, ACL and extended attributes, or is
// refused whole, and a cfg exported to a file never replaces one by mistake.

#include "CliProcess.h"
#include "TableFiles.h"
#include "Tracing.h"
#include "support/AclBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace klarvon::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string CfgText = "; sounds\ninfernus 0 38 37 1 0.9 1 2 1.06 2 0 7 0 2 0\n";
const std::string ChangedCfgText = "; sounds\ninfernus 0 38 37 1 0.9 1 5 1.06 2 0 7 0 2 0\n";

std::string WriteCfg(const TTempDir& dir, const std::string& name = "vehicleAudio.cfg") {
    const std::string path = dir.File(name);
    WriteBytes(path, TBytes(CfgText.begin(), CfgText.end()));
    return path;
}

std::string TextOf(const std::string& path) {
    const TBytes bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

std::set<std::string> NamesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

std::vector<std::string> SetHornType(const std::string& cfg) {
    return {"set", cfg, "infernus", "--game", "HornType=5"};
}

// What strace -y saw, as the steps that matter: "link" (the backup put in place),
// "rename" (a cfg replaced), "flush-folder" (an fsync of the folder), "write" (the first
// byte to the file changed) and "report" (the change said on stdout).
std::vector<std::string> StepsIn(const std::string& log, const std::string& folder,
                                 const std::string& file) {
    std::vector<std::string> steps;
    std::ifstream calls(log);
    for (std::string line; std::getline(calls, line);) {
        const auto has = [&line](const std::string& text) {
            return line.find(text) != std::string::npos;
        };
        if (has("link(") || has("linkat(")) {
            steps.emplace_back("link");
        } else if (has("rename")) {
            steps.emplace_back("rename");
        } else if (has("fsync(") && has("<" + folder + ">)")) {
            steps.emplace_back("flush-folder");
        } else if (has("pwrite64(") && has("<" + file + ">,")) {
            steps.emplace_back("write");
        } else if (has("write(1<")) {
            steps.emplace_back("report");
        }
    }
    return steps;
}

// Whether steps holds wanted in this order, each step but a flush at its first
// occurrence: nothing is linked, renamed, written or reported before the flush wanted
// ahead of it.
bool InOrder(const std::vector<std::string>& steps, const std::vector<std::string>& wanted) {
    auto at = steps.begin();
    for (const std::string& step : wanted) {
        at = std::find(at, steps.end(), step);
        if (at == steps.end() ||
            (step != "flush-folder" && std::find(steps.begin(), steps.end(), step) != at)) {
            return false;
        }
        ++at;
    }
    return true;
}

// A power cut after the change was reported must neither bring the old cfg back nor lose
// the backup of an executable that was changed.
TEST(CliFault, TheFolderIsFlushedAfterARenameBeforeTheChangeGoesOn) {
    if (!CanTrace()) {
        GTEST_SKIP() << "strace cannot trace the program here";
    }
    TTempDir dir;
    const std::string folder = fs::canonical(dir.Path()).string();
    const struct {
        const char* Name;
        bool Cfg;
        bool Backup;
        std::vector<std::string> Steps;
    } cases[] = {
        {"executable with a backup", false, true, {"link", "flush-folder", "write"}},
        {"cfg", true, false, {"rename", "flush-folder", "report"}},
        {"cfg with a backup",
         true,
         true,
         {"link", "flush-folder", "rename", "flush-folder", "report"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string file = c.Cfg ? WriteCfg(dir) : WriteTableFile(dir, "gta_sa.exe");
        fs::remove(file + ".bak");
        std::vector<std::string> words =
            c.Cfg ? SetHornType(file)
                  : std::vector<std::string>{"set", file, "400", "PowerOnSoundId=7"};
        if (c.Backup) {
            words.emplace_back("--backup");
        }
        const std::string log = dir.File("calls.log");
        const TCliRun run =
            RunCli(words, "",
                   Traced({"-f", "-y", "-o", log, "-e",
                           "trace=link,linkat,rename,renameat,renameat2,fsync,pwrite64,write"}));
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        const std::vector<std::string> steps =
            StepsIn(log, folder, folder + "/" + (c.Cfg ? "vehicleAudio.cfg" : "gta_sa.exe"));
        std::string seen;
        for (const std::string& step : steps) {
            seen += step + ' ';
        }
        EXPECT_TRUE(InOrder(steps, c.Steps)) << seen;
        fs::remove(log);
    }
}

// The temporary of a run killed while it wrote, made old enough that no live writer can
// still own it.
std::string KilledRunsLeftover(const TTempDir& dir, const std::vector<std::string>& words) {
    const std::set<std::string> before = NamesIn(dir.Path());
    RunCli(words, "",
           Traced({"-f", "-o", "/dev/null", "-e", "inject=pwrite64:signal=KILL:when=1"}));
    std::vector<std::string> added;
    std::ranges::set_difference(NamesIn(dir.Path()), before, std::back_inserter(added));
    if (added.size() != 1) {
        ADD_FAILURE() << "the killed run left " << added.size() << " files";
        return {};
    }
    fs::last_write_time(dir.File(added[0]), fs::file_time_type::clock::now() - 11min);
    return added[0];
}

TEST(CliFault, AKilledRunsTemporaryIsRemovedByTheNextThatWritesThere) {
    if (!CanTrace()) {
        GTEST_SKIP() << "strace cannot trace the program here";
    }
    const struct {
        const char* Name;
        bool Cfg;
        std::vector<std::string> Kept; // names like ours but not ours, made as old
    } cases[] = {
        {"cfg replaced",
         true,
         {"vehicleAudio.cfg.7", ".vehicleAudio.cfg.7.bak", ".vehicleAudio.cfg.x7",
          ".vehicleAudio.cfg.", ".vehicleAudio.cfg.12345678901", ".other.cfg.7",
          ".vehicleaudio.cfg.7"}},
        {"executable backed up",
         false,
         {"gta_sa.exe.bak.new0", "gta_sa.exe.bak.new100", "gta_sa.exe.bak.newer", "gta_sa.exe.new",
          "other.exe.bak.new"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TTempDir dir;
        const std::string file = c.Cfg ? WriteCfg(dir) : WriteTableFile(dir, "gta_sa.exe");
        std::vector<std::string> words =
            c.Cfg ? SetHornType(file)
                  : std::vector<std::string>{"set", file, "400", "PowerOnSoundId=7", "--backup"};
        const std::string leftover = KilledRunsLeftover(dir, words);
        ASSERT_FALSE(leftover.empty());
        // A run's temporary of a moment ago may be a live writer's.
        const std::string young = c.Cfg ? ".vehicleAudio.cfg.42" : "gta_sa.exe.bak.new1";
        WriteBytes(dir.File(young), {'x'});
        for (const std::string& name : c.Kept) {
            WriteBytes(dir.File(name), {'x'});
            fs::last_write_time(dir.File(name), fs::file_time_type::clock::now() - 11min);
        }
        fs::create_directory(dir.File(c.Cfg ? ".vehicleAudio.cfg.8" : "gta_sa.exe.bak.new2"));

        const TCliRun run = RunCli(words);
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        const std::set<std::string> names = NamesIn(dir.Path());
        EXPECT_EQ(names.count(leftover), 0U) << leftover;
        EXPECT_EQ(names.count(young), 1U) << young;
        for (const std::string& name : c.Kept) {
            EXPECT_EQ(names.count(name), 1U) << name;
        }
        EXPECT_EQ(names.size(), 1 + c.Kept.size() + 2 + (c.Cfg ? 0 : 1)) << "the file, "
                                                                            "the young one, the "
                                                                            "folder, the backup";
    }
}

std::optional<std::string> Attribute(const std::string& path, const std::string& name) {
    std::string value(4096, '\0');
    const ssize_t size = ::getxattr(path.c_str(), name.c_str(), value.data(), value.size());
    if (size < 0) {
        return std::nullopt;
    }
    value.resize(static_cast<std::size_t>(size));
    return value;
}

uid_t NobodyId() {
    const passwd* nobody = ::getpwnam("nobody");
    return nobody != nullptr ? nobody->pw_uid : 65534;
}

TEST(CliCfgReplace, KeepsTheExtendedAttributesAndTheAcl) {
    if (!CliIsNative()) {
        GTEST_SKIP() << "the Windows build keeps no POSIX attributes";
    }
    // The build folder first: a temporary folder on tmpfs may keep no user attributes.
    std::optional<TTempDir> dir;
    for (const fs::path& parent : {fs::current_path(), fs::temp_directory_path()}) {
        dir.emplace(parent);
        const std::string probe = WriteCfg(*dir, "probe");
        if (::setxattr(probe.c_str(), "user.probe", "1", 1, 0) == 0) {
            break;
        }
        dir.reset();
    }
    if (!dir) {
        GTEST_SKIP() << "neither the build folder's nor the temporary folder's file system "
                        "keeps user extended attributes";
    }
    const std::pair<std::string, std::string> attributes[] = {
        {"user.klarvon", "a mod manager's mark"},
        {"user.binary", std::string("\0\1\2", 3)},
        // Read and write for the owner and for nobody; read for the group and others.
        {"system.posix_acl_access", AclGranting(NobodyId(), 6, 4, 4)},
    };
    const std::string cfg = WriteCfg(*dir);
    for (const auto& [name, value] : attributes) {
        ASSERT_EQ(::setxattr(cfg.c_str(), name.c_str(), value.data(), value.size(), 0), 0) << name;
    }
    const fs::perms mode = fs::status(cfg).permissions();

    const TCliRun run = RunCli(SetHornType(cfg));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(TextOf(cfg), ChangedCfgText);
    for (const auto& [name, value] : attributes) {
        EXPECT_EQ(Attribute(cfg, name), value) << name;
    }
    EXPECT_EQ(fs::status(cfg).permissions(), mode);
}

// Who may change a cfg shared with others: root keeps its owner and group; a user who
// cannot give a new file either is refused, and nothing is written.
TEST(CliCfgReplace, KeepsTheOwnerAndGroupOrWritesNothing) {
    if (!CliIsNative() || ::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give files away and to run the program as nobody";
    }
    const std::vector<std::string> asNobody{"setpriv", "--reuid=nobody", "--regid=nogroup",
                                            "--clear-groups", "--"};
    const uid_t nobody = NobodyId();
    const passwd* entry = ::getpwuid(nobody);
    const gid_t nogroup = entry != nullptr ? entry->pw_gid : 65534;
    const struct {
        const char* Name;
        uid_t Owner;
        gid_t Group;
        bool AsNobody;
        std::string Refusal; // after the file's name; empty when the change is made
        fs::perms Folder = fs::perms::all;
    } cases[] = {
        {"root changes nobody's", nobody, nogroup, false, ""},
        {"root changes a group's", 0, nogroup, false, ""},
        {"nobody changes root's", 0, 0, true,
         " belongs to root, and a new file written by nobody in its place could not be given "
         "to root; change it as root; nothing was written"},
        {"nobody changes a group not its own", nobody, 0, true,
         " is of the group root, which a new file written by nobody in its place could not be "
         "given; change it as a member of root or as root; nothing was written"},
        // A drop folder: written in, never listed. Its flush cannot be asked for; the
        // change is made and said so.
        {"nobody changes its own in a folder it may not read", nobody, nogroup, true, "",
         fs::perms(0733)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TTempDir dir;
        fs::permissions(dir.Path(), c.Folder);
        const std::string cfg = WriteCfg(dir);
        ASSERT_EQ(::chown(cfg.c_str(), c.Owner, c.Group), 0);
        fs::permissions(cfg, fs::perms(0666));

        const TCliRun run =
            RunCli(SetHornType(cfg), "", c.AsNobody ? asNobody : std::vector<std::string>{});
        struct stat after {};
        ASSERT_EQ(::stat(cfg.c_str(), &after), 0);
        EXPECT_EQ(after.st_uid, c.Owner);
        EXPECT_EQ(after.st_gid, c.Group);
        EXPECT_EQ(after.st_mode & 0777U, 0666U);
        EXPECT_EQ(NamesIn(dir.Path()).size(), 1U) << "a temporary was left behind";
        if (c.Refusal.empty()) {
            EXPECT_EQ(run.ExitCode, 0) << run.Err;
            EXPECT_EQ(TextOf(cfg), ChangedCfgText);
        } else {
            EXPECT_EQ(run.ExitCode, 1);
            EXPECT_EQ(run.FirstErrorLine(), "'" + cfg + "'" + c.Refusal);
            EXPECT_EQ(TextOf(cfg), CfgText);
        }
    }
}

// A cfg that mods were merged into is not lost to a mistyped name: it is replaced only with
// --force (and kept with --backup), and no temporary is left beside it.
TEST(CliExportCfg, OutputWritesANewFileAndReplacesOneOnlyWithForce) {
    const struct {
        const char* Name;
        std::vector<std::string> Flags;
        bool Existing;
        bool Written;
        bool Backup;
        std::string Err; // OUT stands for the cfg's path
    } cases[] = {
        {"a new file", {}, false, true, false, ""},
        {"an existing one",
         {},
         true,
         false,
         false,
         "'OUT' already exists; add --force to replace it (--backup keeps the old one)\n"},
        {"an existing one with --backup alone",
         {"--backup"},
         true,
         false,
         false,
         "'OUT' already exists; add --force to replace it (--backup keeps the old one)\n"},
        {"--force", {"--force"}, true, true, false, ""},
        {"--force --backup", {"--force", "--backup"}, true, true, true, "backup: made OUT.bak\n"},
        {"--force --backup, no file yet", {"--force", "--backup"}, false, true, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TTempDir dir;
        const std::string exe = WriteTableFile(dir, "gta_sa.exe");
        const std::string out = c.Existing ? WriteCfg(dir) : dir.File("vehicleAudio.cfg");
        std::vector<std::string> arguments{"export-cfg", exe, "--output", out};
        arguments.insert(arguments.end(), c.Flags.begin(), c.Flags.end());
        const TCliRun run = RunCli(arguments);

        std::string err = c.Err;
        for (std::size_t at = 0; (at = err.find("OUT", at)) != std::string::npos;
             at += out.size()) {
            err.replace(at, 3, out);
        }
        EXPECT_EQ(run.Err, err);
        EXPECT_EQ(run.ExitCode, c.Written ? 0 : 1);
        EXPECT_EQ(run.Out, c.Written ? "wrote " + out + ": 212 rows\n" : "");
        // As printed, in the system's line ends.
        std::string printed = RunCli({"export-cfg", exe}).Out;
        std::erase(printed, '\r');
        std::string written = TextOf(out);
        EXPECT_EQ(written.find("\r\n") != std::string::npos, c.Written && !CliIsNative());
        std::erase(written, '\r');
        EXPECT_EQ(written, c.Written ? printed : CfgText);
        if (c.Backup) {
            EXPECT_EQ(TextOf(out + ".bak"), CfgText);
        }
        EXPECT_EQ(NamesIn(dir.Path()).size(), c.Backup ? 3U : 2U) << "a temporary was left";
    }
    EXPECT_EQ(RunCli({"export-cfg", "x.exe", "--force"}).ExitCode, 2) << "--force without --output";
}

// A folder the user may not write in: nothing is created there, an existing cfg stays.
TEST(CliExportCfg, AFolderThatCannotBeWrittenInGetsNoFileAndNoTemporary) {
    if (!CliIsNative() || ::geteuid() != 0) {
        GTEST_SKIP() << "needs root to run the program as nobody";
    }
    const std::vector<std::string> asNobody{"setpriv", "--reuid=nobody", "--regid=nogroup",
                                            "--clear-groups", "--"};
    TTempDir dir;
    fs::permissions(dir.Path(), fs::perms(0755));
    const std::string exe = WriteTableFile(dir, "gta_sa.exe");
    const std::string cfg = WriteCfg(dir);
    fs::permissions(exe, fs::perms(0644));
    fs::permissions(cfg, fs::perms(0666));
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"export-cfg", exe, "--output", dir.File("new.cfg")},
                                               {"export-cfg", exe, "--output", cfg, "--force"}}) {
        SCOPED_TRACE(arguments[3]);
        const TCliRun run = RunCli(arguments, "", asNobody);
        EXPECT_EQ(run.ExitCode, 1) << run.Out;
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(NamesIn(dir.Path()), (std::set<std::string>{"gta_sa.exe", "vehicleAudio.cfg"}));
        EXPECT_EQ(TextOf(cfg), CfgText);
    }
}

} // namespace
} // namespace klarvon::test
