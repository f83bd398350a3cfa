// Start-up and exit: program paths, the caption, and the settings file kelvaro.ini.
#include "app/MainForm.h"

#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/ProfileIni.h"
#include "removal/FileNames.h"
#include "search/RunControl.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QStandardPaths>
#include <QSysInfo>

namespace {

void WriteKey(const std::string& file, const char* section, const char* key,
              const std::string& value) {
    if (!platform::WriteProfileString(file, section, key, value))
        throw AppError("Unable to write to " + file);
}

std::string BoolText(bool b) {
    return b ? "1" : "0";
}

std::string DefaultInitialFolder() {
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return docs.isEmpty() ? QDir::homePath().toStdString() : docs.toStdString();
}

} // namespace

bool TMainForm::IsInstalled() const {
    // An installation puts the help file into its data folder; a build and a portable copy keep
    // it beside the program.
    return !platform::PathExists(ProgramFolder + "kelvaro.html") &&
           platform::PathExists(ProgramFolder + KELVARO_INSTALLED_DATA + "/kelvaro.html");
}

bool TMainForm::KeepsFilesBesideProgram() const {
    // An installed program's folder is not the user's, even where the user (root) may write it.
    return platform::CanWriteIn(ProgramFolder) && !IsInstalled();
}

void TMainForm::SetFilePaths() {
    const std::string configHome = platform::ConfigHome();
    const std::string dataHome = platform::DataHome();
    if (KeepsFilesBesideProgram() || configHome.empty() || dataHome.empty()) {
        ArchiveFolder = ProgramFolder + "Archive";
        IniFileName = ProgramFolder + "kelvaro.ini";
        return;
    }
    ArchiveFolder = platform::JoinPath(dataHome, "kelvaro/Archive");
    IniFileName = platform::JoinPath(configHome, "kelvaro/kelvaro.ini");
    // The first write creates the file, not its folder; a folder that cannot be made shows as
    // the refused write of the settings. Base directories made for the user are private.
    MakeFolders(platform::ParentFolder(IniFileName), 0700);
    MakeFolders(platform::JoinPath(dataHome, "kelvaro"), 0700);
}

std::string TMainForm::GetWindowsFolder() {
    // The system trees stand in for the Windows folder; /usr is the one a user is likeliest to
    // point at by mistake.
    return "/usr";
}

bool TMainForm::GetWindowsVersion(std::string& name, std::string& number) {
    const QString product = QSysInfo::prettyProductName();
    const QString kernel = QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion();
    if (product.isEmpty() || QSysInfo::kernelVersion().isEmpty())
        return false;
    name = product.toStdString();
    number = kernel.toStdString();
    return true;
}

void TMainForm::FormCreate() {
    LastWidth = width();
    LastHeight = height();
    ShowStatus(*this, "Ready.");

    if (ProgramFolder.empty())
        ProgramFolder = QCoreApplication::applicationDirPath().toStdString();
    if (ProgramFolder.empty() || ProgramFolder.back() != '/')
        ProgramFolder += '/';
    // A failure here leaves the folder empty; the protection rules have their own list.
    Guarded([this] { WindowsFolder = GetWindowsFolder(); });
    SetFilePaths();
    setWindowTitle(
        QStringLiteral("%1 - Version %2")
            .arg(QString::fromStdString(kAppTitle), QString::fromStdString(VersionText())));

    // A refused write ends the settings step; the controls keep their design values and the
    // rest of creation goes on, so the window is whole either way.
    Guarded([this] {
        WriteKey(IniFileName, "Info", "AppVersion", VersionText());
        std::string name, number;
        if (GetWindowsVersion(name, number)) {
            WriteKey(IniFileName, "Info", "WindowsVersion", name);
            WriteKey(IniFileName, "Info", "WindowsNumber", number);
        }
        SetFolderField(platform::ReadProfileString(IniFileName, "Config", "InitialFolder",
                                                   DefaultInitialFolder()));
        IncludeSubdirCheck->setChecked(
            platform::ReadProfileBool(IniFileName, "Config", "IncludeSubdir", true));
        UseEffects = platform::ReadProfileBool(IniFileName, "Config", "UseEffects", true);
        EffectsCheck->setChecked(UseEffects);
        DoUpdateCheck = platform::ReadProfileBool(IniFileName, "Config", "DoUpdateCheck", true);
    });

    FileList.Clear();
    DirList.clear();
}

void TMainForm::FormDestroy() {
    // Keys after a refused one are not written.
    WriteKey(IniFileName, "Config", "InitialFolder", FolderFieldText());
    WriteKey(IniFileName, "Config", "IncludeSubdir", BoolText(IncludeSubdirCheck->isChecked()));
    WriteKey(IniFileName, "Config", "UseEffects", BoolText(UseEffects));
    WriteKey(IniFileName, "Config", "DoUpdateCheck", BoolText(DoUpdateCheck));
}
