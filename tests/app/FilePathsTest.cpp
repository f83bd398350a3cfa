// Where the window keeps kelvaro.ini and "Archive" and where it finds its help file: beside the
// program while the user may write its folder, in the user's XDG folders for an installed
// program. Every test points HOME and the XDG variables into a temporary tree of its own.
#include "app/Appearance.h"
#include "app/MainForm.h"
#include "platform/ProfileIni.h"
#include "support/FileChecks.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"

#include <QCheckBox>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Sets or clears an environment variable for the life of the object.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvVar() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    EnvVar(const EnvVar&) = delete;
    EnvVar& operator=(const EnvVar&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A home of its own, with XDG_CONFIG_HOME and XDG_DATA_HOME as given (nullptr: unset).
struct Home {
    TempTree tree;
    EnvVar home{"HOME", tree.Root().c_str()};
    EnvVar config;
    EnvVar data;
    Home(const char* configHome, const char* dataHome)
        : config("XDG_CONFIG_HOME", configHome), data("XDG_DATA_HOME", dataHome) {}
};

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

int Mode(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

// A program as an installation lays it out: PREFIX/bin/kelvaro, its help file in
// PREFIX/share/kelvaro. Its folder stays writable, as /usr/bin is for root.
struct Installed {
    TempTree prefix;
    Installed() {
        prefix.CreateFile("share/kelvaro/kelvaro.html", "installed help");
        prefix.CreateDir("bin");
    }
    std::string Folder() const { return prefix.Path("bin/"); }
};

} // namespace

class FilePathsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppearance(*qApp); }

    void installedProgramKeepsItsFilesInTheXdgFolders() {
        TempTree xdg;
        Home home(xdg.Path("config").c_str(), xdg.Path("data").c_str());
        Installed program;
        ScriptedDialogs dialogs;
        auto form = std::make_unique<TMainForm>(dialogs, program.Folder());
        QVERIFY(form->IsInstalled());
        QVERIFY(!form->KeepsFilesBesideProgram());
        const std::string ini = xdg.Path("config/kelvaro/kelvaro.ini");
        QCOMPARE(Text(form->IniFileName), Text(ini));
        QCOMPARE(Text(form->ArchiveFolder), Text(xdg.Path("data/kelvaro/Archive")));
        QVERIFY(dialogs.messages.empty());
        // The settings folder is the user's alone; the archive exists from the start.
        QCOMPARE(Mode(xdg.Path("config/kelvaro")), 0700);
        QCOMPARE(Mode(xdg.Path("data/kelvaro")), 0700);
        QVERIFY(Exists(form->ArchiveFolder));
        QCOMPARE(platform::ReadProfileString(ini, "Info", "AppVersion", ""), std::string("2.11"));

        form->IncludeSubdirCheck->setChecked(false);
        form.reset();
        QVERIFY(dialogs.messages.empty());
        QCOMPARE(platform::ReadProfileString(ini, "Config", "IncludeSubdir", ""), std::string("0"));
        QVERIFY(!Exists(program.Folder() + "kelvaro.ini"));
        QVERIFY(!Exists(program.Folder() + "Archive"));

        // The next start reads them back from there.
        TMainForm again(dialogs, program.Folder());
        QVERIFY(!again.IncludeSubdirCheck->isChecked());
    }

    // Unset or relative XDG variables mean the defaults under the home folder.
    void xdgDefaultsAreUnderHome() {
        for (const char* value : {static_cast<const char*>(nullptr), "", "relative/xdg"}) {
            Home home(value, value);
            Installed program;
            ScriptedDialogs dialogs;
            TMainForm form(dialogs, program.Folder());
            QCOMPARE(Text(form.IniFileName), Text(home.tree.Path(".config/kelvaro/kelvaro.ini")));
            QCOMPARE(Text(form.ArchiveFolder),
                     Text(home.tree.Path(".local/share/kelvaro/Archive")));
            QVERIFY(Exists(form.IniFileName));
            QVERIFY(dialogs.messages.empty());
        }
    }

    void aFolderTheUserCannotWriteCountsAsInstalled() {
        if (::geteuid() == 0)
            QSKIP("root may write every folder");
        TempTree xdg;
        Home home(xdg.Path("config").c_str(), xdg.Path("data").c_str());
        TempTree program;
        ::chmod(program.Root().c_str(), 0555);
        {
            ScriptedDialogs dialogs;
            TMainForm form(dialogs, program.Root() + "/");
            QCOMPARE(Text(form.IniFileName), Text(xdg.Path("config/kelvaro/kelvaro.ini")));
            QVERIFY(dialogs.messages.empty());
        }
        ::chmod(program.Root().c_str(), 0755);
    }

    // A settings folder that cannot be made is a refused write, shown as such.
    void settingsFolderThatCannotBeMadeIsARefusedWrite() {
        TempTree xdg;
        xdg.CreateFile("config", "a file where the folder should be");
        Home home(xdg.Path("config").c_str(), xdg.Path("data").c_str());
        Installed program;
        ScriptedDialogs dialogs;
        {
            TMainForm form(dialogs, program.Folder());
            QCOMPARE(dialogs.messages.size(), std::size_t(1));
            QCOMPARE(Text(dialogs.messages[0].text),
                     Text("Unable to write to " + xdg.Path("config/kelvaro/kelvaro.ini") + "."));
        }
        QCOMPARE(dialogs.messages.size(), std::size_t(2));
    }

    void helpFileWhereItIsInstalledOrBesideTheProgram() {
        Installed program;
        ScriptedDialogs dialogs;
        TMainForm form(dialogs, program.Folder());
        QCOMPARE(ReadAll(form.HelpFileName()), std::string("installed help"));

        // A help file beside the program makes it a build or a portable copy, which keeps its
        // files beside it.
        program.prefix.CreateFile("bin/kelvaro.html", "beside");
        QVERIFY(!form.IsInstalled());
        QVERIFY(form.KeepsFilesBesideProgram());
        QCOMPARE(Text(form.HelpFileName()), Text(program.Folder() + "kelvaro.html"));
        // Neither: the name beside the program, for the message that it is missing.
        program.prefix.Remove("bin/kelvaro.html");
        program.prefix.Remove("share/kelvaro/kelvaro.html");
        QCOMPARE(Text(form.HelpFileName()), Text(program.Folder() + "kelvaro.html"));
    }
};

QTEST_MAIN(FilePathsTest)
#include "FilePathsTest.moc"
