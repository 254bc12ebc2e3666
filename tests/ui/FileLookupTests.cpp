// Where the editor finds its documents and the user's Settings.ini: the source folder
// keeps working as it always did, an installed copy finds its own documents wherever it
// is started from, and a user's settings in ~/.config switch the language.
#include "catalogue/Language.h"
#include "tests/support/AnsweringDialogs.h"
#include "tests/support/TempDir.h"
#include "tests/ui/UiTests.h"
#include "tests/ui/WorkingFolder.h"
#include "ui/controls/FileLookup.h"
#include "ui/main/TForm1.h"

#include <QDir>
#include <QTest>

#include <optional>
#include <string>
#include <vector>

namespace klarvon::test {
namespace {

namespace fs = std::filesystem;

void WriteText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    WriteBytes(path.string(), TBytes(text.begin(), text.end()));
}

// Sets an environment variable, or removes it, until destroyed.
class TEnvironmentOverride {
public:
    TEnvironmentOverride(const char* name, std::optional<std::string> value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), previous_(qgetenv(name)) {
        if (value) {
            qputenv(name_, QByteArray::fromStdString(*value));
        } else {
            qunsetenv(name_);
        }
    }
    ~TEnvironmentOverride() {
        if (had_) {
            qputenv(name_, previous_);
        } else {
            qunsetenv(name_);
        }
    }
    TEnvironmentOverride(const TEnvironmentOverride&) = delete;
    TEnvironmentOverride& operator=(const TEnvironmentOverride&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray previous_;
};

} // namespace

class FileLookupTests : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TWorkingFolder> folder_;

private slots:
    void init() {
        folder_ = std::make_unique<TWorkingFolder>();
        QVERIFY(folder_->Entered());
    }

    void cleanup() { folder_.reset(); }

    void documentFoldersStartBesideTheProgramAndEndInTheWorkingFolder() {
        const std::vector<fs::path> folders = DocumentFolders();
        QCOMPARE(folders.size(), std::size_t{3});
        QCOMPARE(folders.front(), fs::path(QCoreApplication::applicationDirPath().toStdString()));
        QVERIFY(folders[1].is_absolute());
        QCOMPARE(folders.back(), fs::path());
    }

    void settingsComeFromTheWorkingFolderThenTheUserConfiguration() {
        // What lies where ("" for nothing, "/" for a folder named Settings.ini), how
        // XDG_CONFIG_HOME is set ("" unset, "abs" the temporary config folder, otherwise
        // a relative value), and whether the window comes up in Russian.
        struct TCase {
            const char* Name;
            const char* Working;
            const char* XdgValue;
            const char* InXdg;
            const char* InHomeConfig;
            bool Russian;
        };
        const std::vector<TCase> cases{
            {"user configuration", "", "abs", "Rus", "", true},
            {"working folder wins", "Eng", "abs", "Rus", "", false},
            {"a folder in the working folder is no file", "/", "abs", "Rus", "", true},
            {"~/.config without XDG_CONFIG_HOME", "", "", "", "Rus", true},
            {"XDG_CONFIG_HOME replaces ~/.config", "", "abs", "", "Rus", false},
            {"a relative XDG_CONFIG_HOME is ignored", "", "config", "Eng", "Rus", true},
            {"none anywhere", "", "abs", "", "", false},
        };
        for (const TCase& c : cases) {
            TTempDir root;
            const fs::path working = root.Path() / "work";
            const fs::path home = root.Path() / "home";
            const fs::path xdg =
                c.XdgValue == std::string("abs") ? root.Path() / "config" : working / c.XdgValue;
            fs::create_directories(working);
            fs::create_directories(home);
            QVERIFY(QDir::setCurrent(QString::fromStdString(working.string())));
            if (c.Working == std::string("/")) {
                fs::create_directory(working / "Settings.ini");
            } else if (*c.Working != '\0') {
                WriteText(working / "Settings.ini", c.Working);
            }
            if (*c.InXdg != '\0') {
                WriteText(xdg / "klarvon/Settings.ini", c.InXdg);
            }
            if (*c.InHomeConfig != '\0') {
                WriteText(home / ".config/klarvon/Settings.ini", c.InHomeConfig);
            }

            const TEnvironmentOverride homeSetting("HOME", home.string());
            const TEnvironmentOverride xdgSetting(
                "XDG_CONFIG_HOME",
                *c.XdgValue == '\0'
                    ? std::nullopt
                    : std::optional<std::string>(c.XdgValue == std::string("abs") ? xdg.string()
                                                                                  : c.XdgValue));
            TAnsweringDialogs answers;
            const TPlatformDialogsOverride seam(answers);
            const TForm1 form;
            QVERIFY2(answers.Boxes.empty(), c.Name);
            QVERIFY2(IsRussian(form.Language()) == c.Russian, c.Name);
        }
    }

    void unreadableUserSettingsAreReportedByTheirPath() {
        const fs::path config = folder_->Path() / "config";
        fs::create_directories(config / "klarvon");
        // A link to itself exists but cannot be opened, even by root.
        fs::create_symlink("Settings.ini", config / "klarvon/Settings.ini");
        const TEnvironmentOverride xdgSetting("XDG_CONFIG_HOME", config.string());
        TAnsweringDialogs answers;
        const TPlatformDialogsOverride seam(answers);
        const TForm1 form;
        QCOMPARE(answers.Boxes.size(), std::size_t{1});
        const std::string& text = answers.Boxes.front().Text;
        QVERIFY2(text.starts_with("Cannot open file \"" +
                                  (config / "klarvon/Settings.ini").string() + "\". "),
                 text.c_str());
    }
};

namespace {
const TRegisterUiTest<FileLookupTests> registered;
} // namespace

} // namespace klarvon::test

#include "FileLookupTests.moc"
