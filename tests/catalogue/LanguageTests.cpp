#include "catalogue/Language.h"

#include "support/TempDir.h"
#include "table/Errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace klarvon {
namespace {

using test::TBytes;
using test::TTempDir;

TBytes Bytes(std::string_view text) {
    return TBytes(text.begin(), text.end());
}

TEST(Language, ChoiceFollowsTheFirstLineOfTheSettingsFile) {
    struct Case {
        const char* Name;
        std::string Content;
        const char* Expected;
    };
    const std::string longPrefix(SettingsLineLimit - 3, 'x');
    const std::vector<Case> cases = {
        {"Language=Rus", "Language=Rus\r\n", "Rus"},
        {"bare Rus without line end", "Rus", "Rus"},
        {"Eng", "Language=Eng\r\n", ""},
        {"empty file", "", ""},
        {"Rus on line two after LF", "Eng\nRus\n", ""},
        {"Rus on line two after CR", "Eng\rRus\r", ""},
        {"Rus on line two after CR LF", "Eng\r\nRus\r\n", ""},
        {"empty first line", "\nRus", ""},
        {"lower case", "rus\n", ""},
        {"upper case", "RUS\n", ""},
        {"split by NUL", std::string("Ru\0s", 4), ""},
        {"after NUL on the first line", std::string("x\0Rus", 5), ""},
        {"last three of the line limit", longPrefix + "Rus", "Rus"},
        {"past the line limit", longPrefix + "xRus", ""},
    };
    for (const auto& c : cases) {
        TTempDir dir;
        test::WriteBytes(dir.File("Settings.ini"), Bytes(c.Content));
        EXPECT_EQ(ChooseLanguage(dir.File("Settings.ini")), c.Expected) << c.Name;
    }
}

TEST(Language, NoSettingsFileMeansEnglishExplicitly) {
    TTempDir dir;
    EXPECT_EQ(ChooseLanguage(dir.File("Settings.ini")), "Eng");

    // A folder of that name is no file, even when something inside it says Rus.
    std::filesystem::create_directory(dir.File("Settings.ini"));
    test::WriteBytes(dir.File("Settings.ini/Rus"), Bytes("Rus"));
    EXPECT_EQ(ChooseLanguage(dir.File("Settings.ini")), "Eng");
}

#ifdef _WIN32
// A settings file another program holds without sharing cannot be opened; the message
// names the file in full and gives Windows' own reason.
TEST(Language, SettingsFileHeldWithoutSharingIsReportedWithFullPathAndReason) {
    TTempDir dir;
    const std::string settings = dir.File("Settings.ini");
    test::WriteBytes(settings, Bytes("Language=Rus\r\n"));
    const HANDLE held = ::CreateFileA(settings.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::string message;
    try {
        ChooseLanguage(settings);
    } catch (const EKlarvonError& e) {
        message = e.what();
    }
    ::CloseHandle(held);

    const std::string expectedStart =
        "Cannot open file \"" + std::filesystem::absolute(settings).string() + "\". ";
    ASSERT_GT(message.size(), expectedStart.size()) << message;
    EXPECT_EQ(message.substr(0, expectedStart.size()), expectedStart);
    EXPECT_NE(message.back(), '\n');
    // Released, the file is read as usual.
    EXPECT_EQ(ChooseLanguage(settings), "Rus");
}
#else
// Runs ChooseLanguage("Settings.ini") in a child process whose working folder is
// `folder`, with root's privileges given up, and returns the error text it caught.
std::string ErrorSeenByAnUnprivilegedChild(const std::filesystem::path& folder) {
    int fds[2];
    if (pipe(fds) != 0) {
        return "pipe failed";
    }
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        std::string result = "no error";
        const passwd* nobody = getpwnam("nobody");
        const bool dropped =
            geteuid() != 0 || (nobody != nullptr && setgroups(0, nullptr) == 0 &&
                               setresgid(nobody->pw_gid, nobody->pw_gid, nobody->pw_gid) == 0 &&
                               setresuid(nobody->pw_uid, nobody->pw_uid, nobody->pw_uid) == 0);
        if (!dropped) {
            result = "could not drop privileges";
        } else if (chdir(folder.c_str()) != 0) {
            result = "chdir failed";
        } else {
            try {
                result = "language " + ChooseLanguage(std::string(SettingsFileName));
            } catch (const EKlarvonError& e) {
                result = e.what();
            }
        }
        const auto written = write(fds[1], result.data(), result.size());
        _exit(written == static_cast<ssize_t>(result.size()) ? 0 : 1);
    }
    close(fds[1]);
    std::string text;
    char buffer[512];
    for (ssize_t got; (got = read(fds[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(got));
    }
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return text;
}

TEST(Language, UnreadableSettingsFileIsReportedWithFullPathAndReason) {
    TTempDir dir;
    const std::string settings = dir.File("Settings.ini");
    test::WriteBytes(settings, Bytes("Language=Rus\r\n"));
    namespace fs = std::filesystem;
    // The folder stays searchable so that only the file itself is refused.
    fs::permissions(dir.Path(),
                    fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    fs::permissions(settings, fs::perms::owner_write);

    const auto expectedPath = (fs::canonical(dir.Path()) / "Settings.ini").string();
    EXPECT_EQ(ErrorSeenByAnUnprivilegedChild(dir.Path()),
              "Cannot open file \"" + expectedPath + "\". Permission denied");
}
#endif

TEST(Language, SaveConfirmationFollowsTheLanguage) {
    struct Case {
        const char* Language;
        const char* Expected;
    };
    const Case cases[] = {
        {"Rus", "\u0421\u043e\u0445\u0440\u0430\u043d\u0435\u043d\u043e "
                "\u0443\u0441\u043f\u0435\u0448\u043d\u043e."},
        {"Eng", "Saved successful."},
        {"", "Saved successful."},
        {"rus", "Saved successful."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SaveConfirmationText(c.Language), c.Expected) << c.Language;
    }
}

// The Russian caption of a control, or empty when the control keeps its English one.
std::string_view RussianCaption(std::string_view control) {
    const auto captions = RussianCaptions();
    const auto found = std::find_if(captions.begin(), captions.end(),
                                    [&](const TCaption& c) { return c.Control == control; });
    return found == captions.end() ? std::string_view() : found->Text;
}

TEST(Language, CaptionsCoverTheControlsInOrder) {
    const std::vector<std::string_view> controls = {
        "Button1",       "Button2",       "Button3",       "Button4",       "GroupBox6",
        "GroupBox1",     "GroupBox2",     "GroupBox4",     "GroupBox3",     "GroupBox5",
        "Label21",       "Label25",       "Label23",       "Label2",        "Label3",
        "Label17",       "Label18",       "CheckBox1",     "Label16",       "RadioButton10",
        "RadioButton11", "RadioButton12", "RadioButton13", "RadioButton14", "RadioButton15",
        "RadioButton1",  "RadioButton2",  "RadioButton3",  "RadioButton4",  "RadioButton5",
        "RadioButton6",  "RadioButton7",  "RadioButton8",  "RadioButton9",  "Label4",
        "Label7",        "Label5",        "Label15",       "Label8",        "Label9",
        "CheckBox2",     "CheckBox3",     "Label19",       "Label20",       "RadioButton29",
        "RadioButton30", "RadioButton31", "Label1",        "Programme1",    "Openexe1",
        "Opencfg1",      "Saveexe1",      "Undoapply1",    "Check1",        "Exit1",
        "Settings1",     "ShowUnknown1",  "Sounds1",       "Testdrive1",    "Horn1",
        "Doors1",        "Stop1",         "Gamefolder1",   "About1",        "Help1",
        "About2"};
    const auto table = RussianCaptions();
    ASSERT_EQ(table.size(), controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(table[i].Control, controls[i]) << i;
        EXPECT_EQ(RussianCaption(controls[i]), table[i].Text) << controls[i];
        EXPECT_FALSE(table[i].Text.empty()) << controls[i];
    }
    // Controls that stay English have no entry.
    EXPECT_EQ(RussianCaption("GroupBox7"), "");
    EXPECT_EQ(RussianCaption("Label22"), "");
}

// Latin letters left in a caption once the Cyrillic ones are removed: catches Latin
// look-alikes (a, c, e, o, p, x...) typed into Russian words, and the reverse.
std::string LatinLetters(std::string_view text) {
    std::string latin;
    std::copy_if(text.begin(), text.end(), std::back_inserter(latin),
                 [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
    return latin;
}

TEST(Language, CaptionsUseTheIntendedAlphabetAndSpacing) {
    struct Case {
        const char* Control;
        const char* Latin;
    };
    const Case latinAllowed[] = {
        {"Button1", "SA"}, {"GroupBox6", "exe"}, {"Label18", "ID"},
        {"Label9", "Ex"},  {"Label1", "ID"},     {"Opencfg1", "cfg"},
    };
    for (const auto& caption : RussianCaptions()) {
        std::string expected;
        for (const auto& c : latinAllowed) {
            if (caption.Control == c.Control) {
                expected = c.Latin;
            }
        }
        EXPECT_EQ(LatinLetters(caption.Text), expected) << caption.Control;
    }

    const std::string cyrillicExe = "\u0435\u0445\u0435";
    for (const char* control : {"Button1", "Openexe1", "Saveexe1"}) {
        EXPECT_NE(RussianCaption(control).find(cyrillicExe), std::string_view::npos) << control;
    }
    EXPECT_TRUE(RussianCaption("GroupBox6").ends_with(" exe"));

    // Only Button2 and Label1 end with a space; none starts with one.
    for (const auto& caption : RussianCaptions()) {
        const bool mayEndInSpace = caption.Control == "Button2" || caption.Control == "Label1";
        EXPECT_EQ(caption.Text.ends_with(' '), mayEndInSpace) << caption.Control;
        EXPECT_FALSE(caption.Text.starts_with(' ')) << caption.Control;
    }

    const std::string yo = "\u0451";
    EXPECT_EQ(RussianCaption("RadioButton5"),
              "\u0412\u0435\u0440\u0442\u043e\u043b" + yo + "\u0442");
    EXPECT_EQ(RussianCaption("RadioButton6"), "\u0421\u0430\u043c\u043e\u043b" + yo + "\u0442");
}

// Every text the editor adds to its window has a wording in both languages: a text left
// out of a table would show as nothing (the caption's read-only marks among them), and
// one left in English would show in a Russian window.
TEST(Language, EditorTextsAreGivenInBothLanguages) {
    for (const char* language : {"Rus", "Eng"}) {
        const TEditorTexts& t = EditorTexts(language);
        const std::string_view texts[] = {t.ProblemsHeader, t.WriteAnyway, t.UndoStale,
                                          t.NoFindings,     t.Select,      t.Close,
                                          t.ReadOnlyMark,   t.InUseMark};
        for (std::size_t i = 0; i < std::size(texts); ++i) {
            EXPECT_FALSE(texts[i].empty()) << language << " text " << i;
            if (IsRussian(language)) {
                EXPECT_EQ(LatinLetters(texts[i]), "") << "text " << i;
            }
        }
    }
    // The Sounds menu's boxes; a Russian one keeps only the file names Latin.
    struct TSoundCase {
        std::string_view TSoundTexts::*Text;
        std::string_view Latin;
    };
    const TSoundCase sounds[] = {
        {&TSoundTexts::NoSoundFiles, "audioCONFIGBankLkupdat"},
        {&TSoundTexts::ChooseFolder, ""},
        {&TSoundTexts::FolderTitle, "audio"},
        {&TSoundTexts::NothingToPlay, ""},
        {&TSoundTexts::NoDevice, ""},
    };
    for (const TSoundCase& c : sounds) {
        const std::string_view english = SoundTexts("Eng").*c.Text;
        const std::string_view russian = SoundTexts("Rus").*c.Text;
        EXPECT_FALSE(english.empty()) << c.Latin;
        EXPECT_NE(russian, english);
        EXPECT_EQ(LatinLetters(russian), c.Latin) << russian;
    }
}

} // namespace
} // namespace klarvon
