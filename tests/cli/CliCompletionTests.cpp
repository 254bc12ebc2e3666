// The bash completion as the build writes it from the program: loaded into bash as
// bash-completion loads it, and asked for half-typed lines of every kind of argument.

#include "CliProcess.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <sstream>
#include <string>

namespace klarvon::test {
namespace {

std::string Quoted(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// What a shell command printed on stdout.
std::string Output(const std::string& command) {
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe) {
        return {};
    }
    std::string text;
    std::array<char, 4096> buffer{};
    for (std::size_t got = 0;
         (got = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0;) {
        text.append(buffer.data(), got);
    }
    return text;
}

// The words the completion offers for line, typed up to its end, in folder.
std::set<std::string> Offered(const std::string& completion, const std::string& folder,
                              const std::string& line) {
    const std::string script =
        "cd " + Quoted(folder) + " && source " + Quoted(completion) +
        " && function=$(complete -p klarvon-cli | sed -n 's/.* -F \\([^ ]*\\).*/\\1/p')"
        " && COMP_LINE=" +
        Quoted(line) + " && COMP_POINT=${#COMP_LINE} && COMPREPLY=() && \"$function\"" +
        " && printf '%s\\n' \"${COMPREPLY[@]}\"";
    std::set<std::string> words;
    std::istringstream lines(Output("bash -c " + Quoted(script)));
    for (std::string word; std::getline(lines, word);) {
        words.insert(word);
    }
    return words;
}

TEST(CliCompletion, OffersWhatEachArgumentTakes) {
    if (!CliIsNative() || std::system("bash -c true") != 0) {
        GTEST_SKIP() << "needs bash and the program built here";
    }
    const TTempDir dir;
    const std::string completion = dir.File("klarvon-cli.bash");
    ASSERT_EQ(std::system(("bash " + Quoted(KLARVON_COMPLETION_WRITER) + " " +
                           Quoted(KLARVON_CLI_PATH) + " " + Quoted(completion))
                              .c_str()),
              0);
    for (const char* name : {"gta_sa.exe", "mod.cfg", "mod.patch"}) {
        WriteBytes(dir.File(name), {'x'});
    }
    const std::string folder = dir.Path().string();
    const struct {
        std::string Line;
        std::set<std::string> Wanted;
        std::set<std::string> Unwanted;
    } cases[] = {
        // Commands, and each command's flags.
        {"klarvon-cli ",
         {"info", "show", "dump", "find", "set", "copy", "diff", "apply", "export-cfg",
          "import-cfg", "check", "demo", "banks", "sounds", "export-sound", "listen", "--help",
          "--version"},
         {"gta_sa.exe"}},
        {"klarvon-cli set gta_sa.exe 400 --", {"--game", "--backup", "--help"}, {"--json"}},
        {"klarvon-cli dump gta_sa.exe --", {"--json", "--game"}, {"--backup"}},
        {"klarvon-cli apply gta_sa.exe --", {"--reverse", "--dry-run", "--backup"}, {"--game"}},
        {"klarvon-cli import-cfg gta_sa.exe mod.cfg --", {"--dry-run", "--skip-unknown"}, {}},
        // A synopsis wrapped onto a second line of --help keeps its last flags.
        {"klarvon-cli export-cfg gta_sa.exe --",
         {"--rows-only", "--output", "--force", "--backup"},
         {"--game"}},
        // Models and IDs for a vehicle: ID, copy's FROM and TO, check's IDs; never files.
        {"klarvon-cli show gta_sa.exe infer", {"infernus"}, {}},
        {"klarvon-cli show gta_sa.exe 41", {"411", "410"}, {"400"}},
        {"klarvon-cli set gta_sa.exe ", {"landstal", "400", "utiltr1", "630"}, {"gta_sa.exe"}},
        {"klarvon-cli copy gta_sa.exe ", {"infernus", "411"}, {"gta_sa.exe", "mod.cfg"}},
        {"klarvon-cli copy gta_sa.exe 411 ", {"landstal", "400"}, {"gta_sa.exe", "mod.cfg"}},
        {"klarvon-cli copy gta_sa.exe --from mod.cfg 411 land", {"landstal"}, {}},
        {"klarvon-cli check gta_sa.exe 400 ", {"infernus"}, {"gta_sa.exe"}},
        // Fields of the editor's layout, and of the game's with --game.
        {"klarvon-cli set gta_sa.exe 400 PowerOn", {"PowerOnSoundId="}, {"PowerOnSoundId"}},
        {"klarvon-cli set gta_sa.exe 400 --game ",
         {"PlayerBank=", "EngineVolumeOffset=", "HornType="},
         {"HornTone=", "PowerOnSoundId="}},
        {"klarvon-cli find gta_sa.exe Horn", {"HornType=", "HornTone="}, {"HornPitch="}},
        {"klarvon-cli find gta_sa.exe --game Horn", {"HornType=", "HornPitch="}, {"HornTone="}},
        {"klarvon-cli copy gta_sa.exe 411 400 Horn", {"HornType", "HornTone"}, {"HornType="}},
        {"klarvon-cli copy gta_sa.exe 411 400 --game Dummy", {"DummyBank"}, {}},
        // Files for every file argument, --from's too.
        {"klarvon-cli info gta_", {"gta_sa.exe"}, {}},
        {"klarvon-cli diff gta_sa.exe mod.", {"mod.cfg", "mod.patch"}, {}},
        {"klarvon-cli apply gta_sa.exe mod.p", {"mod.patch"}, {}},
        {"klarvon-cli import-cfg gta_sa.exe mod.c", {"mod.cfg"}, {}},
        {"klarvon-cli copy gta_sa.exe 411 400 --from gta_", {"gta_sa.exe"}, {}},
        {"klarvon-cli export-cfg gta_sa.exe --output mod.", {"mod.cfg"}, {"landstal"}},
        {"klarvon-cli demo ", {"gta_sa.exe", "mod.cfg"}, {"landstal"}},
        {"klarvon-cli listen gta_sa.exe ", {"infernus", "411"}, {"gta_sa.exe"}},
        {"klarvon-cli listen gta_sa.exe 411 --", {"--game-dir", "--force"}, {"--game"}},
        {"klarvon-cli banks gta_sa.exe ", {}, {"gta_sa.exe"}},
        // A number is typed, not a file: --bank's value is offered nothing.
        {"klarvon-cli find gta_sa.exe --bank ", {}, {"gta_sa.exe", "--game", "landstal"}},
        {"klarvon-cli check gta_sa.exe --", {"--problems", "--all", "--json"}, {"--game"}},
        {"klarvon-cli diff gta_sa.exe mod.cfg --", {"--exact", "--game"}, {"--json"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line);
        const std::set<std::string> offered = Offered(completion, folder, c.Line);
        for (const std::string& word : c.Wanted) {
            EXPECT_EQ(offered.count(word), 1U) << "not offered: " << word;
        }
        for (const std::string& word : c.Unwanted) {
            EXPECT_EQ(offered.count(word), 0U) << "offered: " << word;
        }
    }
}

} // namespace
} // namespace klarvon::test
