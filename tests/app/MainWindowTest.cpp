// The main window driven as a user drives it, on the offscreen platform. Every window gets a
// program folder of its own, so that no settings file is shared between tests.
#include "app/AboutForm.h"
#include "app/Appearance.h"
#include "app/HelpWindow.h"
#include "app/MainForm.h"
#include "app/QtDialogService.h"
#include "app/UpDown.h"
#include "platform/Errors.h"
#include "platform/ProfileIni.h"
#include "results/DupeGridModel.h"
#include "results/DupeGridView.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// A program folder with the help file beside the program, as the build lays it out.
struct ProgramFolder {
    TempTree tree;
    ProgramFolder() {
        QFile::copy(QStringLiteral(KELVARO_HELP_FILE),
                    QString::fromStdString(tree.Path("kelvaro.html")));
    }
    std::string Path() const { return tree.Root() + "/"; }
    std::string Ini() const { return tree.Path("kelvaro.ini"); }
    std::string Read(const char* section, const char* key) const {
        return platform::ReadProfileString(Ini(), section, key, "<missing>");
    }
};

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

void MoveMouse(QWidget* w, QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppearance(*qApp); }

    void firstStartWritesInfoThenConfigAtExit() {
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        auto form = std::make_unique<TMainForm>(dialogs, folder.Path());
        QCOMPARE(form->objectName(), QStringLiteral("MainForm"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Kelvaro - Version 2.11"));
        QCOMPARE(form->StatusText(), QStringLiteral("Ready."));
        QCOMPARE(form->DirectoryEdit1->text(),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QVERIFY(form->IncludeSubdirCheck->isChecked());
        QVERIFY(form->EffectsCheck->isChecked());
        QCOMPARE(Text(form->IniFileName), Text(folder.Ini()));
        QCOMPARE(Text(form->ArchiveFolder), Text(folder.Path() + "Archive"));
        QCOMPARE(folder.Read("Info", "AppVersion"), std::string("2.11"));
        QVERIFY(folder.Read("Info", "WindowsVersion") != "<missing>");
        QCOMPARE(folder.Read("Config", "UseEffects"), std::string("<missing>"));
        QVERIFY(dialogs.messages.empty());

        form->DirectoryEdit1->setText(QString());
        form.reset();
        QCOMPARE(folder.Read("Config", "InitialFolder"), std::string());
        QCOMPARE(folder.Read("Config", "IncludeSubdir"), std::string("1"));
        QCOMPARE(folder.Read("Config", "UseEffects"), std::string("1"));
        QCOMPARE(folder.Read("Config", "DoUpdateCheck"), std::string("1"));
    }

    void storedValuesAreApplied() {
        ProgramFolder folder;
        folder.tree.CreateFile("kelvaro.ini", "[Config]\nInitialFolder=/no/such/folder\n"
                                              "IncludeSubdir=0\nUseEffects=0\nDoUpdateCheck=0\n");
        ScriptedDialogs dialogs;
        auto form = std::make_unique<TMainForm>(dialogs, folder.Path());
        QCOMPARE(form->DirectoryEdit1->text(), QStringLiteral("/no/such/folder"));
        QVERIFY(!form->IncludeSubdirCheck->isChecked());
        QVERIFY(!form->EffectsCheck->isChecked());
        QVERIFY(!form->UseEffects);
        QVERIFY(!form->DoUpdateCheck);
        // Effects off from the start: no hints, and no area lights up.
        QVERIFY(form->DupeGrid->toolTip().isEmpty());
        QVERIFY(form->Step1Group->toolTip().isEmpty());
        form->Step4GroupMouseMove();
        QVERIFY(form->Step4Group->palette().color(QPalette::Window) != TMainForm::HighlightColor);
        form.reset();
        QCOMPARE(folder.Read("Config", "InitialFolder"), std::string("/no/such/folder"));
        QCOMPARE(folder.Read("Config", "UseEffects"), std::string("0"));
        QCOMPARE(folder.Read("Config", "DoUpdateCheck"), std::string("0"));
    }

    // A folder whose name is not UTF-8 goes through a start and a close byte for byte, and
    // Add to List takes those bytes while the field is untouched.
    void initialFolderKeepsItsBytes() {
        ProgramFolder folder;
        const std::string odd = folder.tree.Path("caf\xe9");
        folder.tree.CreateDir("caf\xe9");
        folder.tree.CreateFile("kelvaro.ini", "[Config]\nInitialFolder=" + odd + "\n");
        ScriptedDialogs dialogs;
        auto form = std::make_unique<TMainForm>(dialogs, folder.Path());
        QCOMPARE(form->DirectoryEdit1->text(),
                 Text(folder.tree.Path("caf")) + QStringLiteral("\\xE9"));
        form->IncludeSubdirCheck->setChecked(false);
        form->AddDirButton->click();
        QCOMPARE(form->FolderListItems(), std::vector<std::string>{odd});
        form.reset();
        QCOMPARE(folder.Read("Config", "InitialFolder"), odd);

        // Typed over, the field holds what was typed.
        form = std::make_unique<TMainForm>(dialogs, folder.Path());
        form->DirectoryEdit1->setText(QStringLiteral("/tmp/caf\u00e9"));
        form.reset();
        QCOMPARE(folder.Read("Config", "InitialFolder"), std::string("/tmp/caf\xc3\xa9"));
    }

    void booleanTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ticked");
        const std::pair<const char*, bool> cases[] = {{"2", true},   {"0x1", true},  {"$1", true},
                                                      {"0", false},  {"0x0", false}, {"0X0", false},
                                                      {"yes", true}, {"", true}};
        for (const auto& [text, ticked] : cases)
            QTest::addRow("'%s'", text) << QString::fromLatin1(text) << ticked;
    }
    void booleanTexts() {
        QFETCH(QString, text);
        QFETCH(bool, ticked);
        ProgramFolder folder;
        folder.tree.CreateFile("kelvaro.ini", "[Config]\nIncludeSubdir=" + text.toStdString() +
                                                  "\nUseEffects=" + text.toStdString() + "\n");
        ScriptedDialogs dialogs;
        TMainForm form(dialogs, folder.Path());
        QCOMPARE(form.IncludeSubdirCheck->isChecked(), ticked);
        QCOMPARE(form.EffectsCheck->isChecked(), ticked);
        QCOMPARE(form.UseEffects, ticked);
    }

    void refusedWriteShowsTheErrorAndKeepsDesignValues() {
        // A folder where the settings file should be: every write of it is refused.
        TempTree tree;
        tree.CreateDir("kelvaro.ini");
        const std::string programFolder = tree.Root() + "/";
        ScriptedDialogs dialogs;
        auto form = std::make_unique<TMainForm>(dialogs, programFolder);
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        const MessageRequest m = dialogs.messages[0];
        QCOMPARE(m.type, MsgType::Error);
        QCOMPARE(Text(m.title), QStringLiteral("Kelvaro"));
        QCOMPARE(m.buttons, MsgButtons::Ok);
        QCOMPARE(Text(m.text), Text("Unable to write to " + programFolder + "kelvaro.ini."));
        // The stored settings were not loaded: design values, and a whole window.
        QCOMPARE(form->DirectoryEdit1->text(), QStringLiteral("/"));
        QVERIFY(form->IncludeSubdirCheck->isChecked());
        QCOMPARE(form->StatusText(), QStringLiteral("Ready."));
        QVERIFY(form->FileList.Empty());
        form.reset();
        // At exit the first refused key ends the writing, once.
        QCOMPARE(dialogs.messages.size(), std::size_t(2));
        QCOMPARE(dialogs.messages[1].text, m.text);
    }

    void errorsReachTheGeneralDisplay() {
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        TMainForm form(dialogs, folder.Path());
        form.Guarded([] { throw AppError("Cannot open file x.txt"); });
        form.Guarded([] { throw AppError("Invalid mask."); });
        QCOMPARE(dialogs.messages.size(), std::size_t(2));
        QCOMPARE(Text(dialogs.messages[0].text), QStringLiteral("Cannot open file x.txt."));
        QCOMPARE(Text(dialogs.messages[1].text), QStringLiteral("Invalid mask."));
        QCOMPARE(dialogs.messages[0].type, MsgType::Error);
    }

    void designLayout() {
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        TMainForm form(dialogs, folder.Path());
        form.show();
        QCOMPARE(form.size(), QSize(624, 554));
        QCOMPARE(form.minimumSize(), QSize(624, 554));
        QCOMPARE(form.InfoGroup->geometry(), QRect(2, 462, 465, 68));
        QCOMPARE(form.Step3Group->geometry(), QRect(2, 216, 465, 241));
        QCOMPARE(form.DupeGrid->geometry(), QRect(16, 64, 434, 169));
        QCOMPARE(form.PatternUpDown->geometry(), QRect(96, 130, 33, 13));
        QCOMPARE(form.StatusBar1->geometry(), QRect(0, 535, 624, 19));
        QCOMPARE(form.Step1Group->title(),
                 QStringLiteral("Step 1: Roughly &estimate the list of folders you want to check "
                                "for identical files"));
        QCOMPARE(form.InfoGroup->property("helpContext").toInt(), 6);
        QCOMPARE(form.SkipSysfilesCheck->property("helpContext").toInt(), 23);
        QVERIFY(!form.FindFilesButton->isEnabled());
        QVERIFY(!form.RemoveListButton->isEnabled());
        QVERIFY(!form.ClearListButton->isEnabled());
        QVERIFY(form.LoadListButton->isEnabled());
        QCOMPARE(form.FilesDetectLabel->text(), QStringLiteral("0"));
        QCOMPARE(form.NameLabel->text(), QStringLiteral("N/A"));
        QCOMPARE(form.DupeGridData->rowCount(), 1);
        QCOMPARE(form.DupeGrid->columnWidth(0), 90);
        QCOMPARE(form.DupeGrid->rowHeight(0), 14);
        QCOMPARE(Text(TMainForm::HintOf(form.DupeGrid)),
                 QStringLiteral("This list shows the duplicate files\r\nthat are found, one group "
                                "per line. \r\n\r\nDouble click on a file to open the\r\ndefault "
                                "viewer."));
        QCOMPARE(form.DeleteButton->toolTip(),
                 QStringLiteral("Click here to go to the delete dialog box where\nyou can select "
                                "wich delete method to use.\nYou can safely do so while running "
                                "a search."));
        // Tab order follows the table: the window's children, each group's own in turn.
        QStringList order;
        for (QWidget* w = form.nextInFocusChain(); w != &form; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus && w->isVisibleTo(&form) && w->isEnabled())
                order << w->objectName();
        QCOMPARE(order.join(QLatin1Char(' ')),
                 QStringLiteral("HelpButton DirectoryEdit1 AddDirButton IncludeSubdirCheck "
                                "ProtectFoldersCheck DirListBox LoadListButton StoreListButton "
                                "SkipSysfilesCheck DupeGrid BitBtn1 SelectAllButton "
                                "SelectByDirButton SelectPatternButton LeaveOneCheck PatternEdit "
                                "DeleteButton AboutButton EffectsCheck"));
    }

    // Alt with a step's accelerator goes to the step's first control, wherever the focus was
    // in it before; the folder list shows rows of 13 pixels.
    void stepAcceleratorsAndFolderRows() {
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        TMainForm form(dialogs, folder.Path());
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.ProtectFoldersCheck->setFocus();
        form.DupeGrid->setFocus();
        QTest::keyClick(form.DupeGrid, Qt::Key_E, Qt::AltModifier);
        QVERIFY(form.DirectoryEdit1->hasFocus());
        form.SkipSysfilesCheck->setFocus();
        QTest::keyClick(form.SkipSysfilesCheck, Qt::Key_F, Qt::AltModifier);
        QVERIFY(form.SkipSysfilesCheck->hasFocus()); // Find Duplicates is off
        form.FindFilesButton->setEnabled(true);
        QTest::keyClick(form.SkipSysfilesCheck, Qt::Key_F, Qt::AltModifier);
        QVERIFY(form.FindFilesButton->hasFocus());

        for (const char* f : {"/a", "/b", "/c", "/d", "/e", "/f", "/g", "/h", "/i", "/j"})
            form.AddFolderToList(f);
        QCOMPARE(form.DirListBox->visualRect(form.DirListBox->model()->index(0, 0)).height(), 13);
        QCOMPARE(form.DirListBox->visualRect(form.DirListBox->model()->index(7, 0)).top(), 7 * 13);
    }

    void resizeMovesAndStretchesAsDesigned() {
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        TMainForm form(dialogs, folder.Path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const auto snapshot = [&form] {
            QList<QRect> r;
            for (auto* w : form.findChildren<QWidget*>())
                r << w->geometry();
            return r;
        };
        const QList<QRect> design = snapshot();

        form.resize(724, 604);
        QTRY_COMPARE(form.size(), QSize(724, 604));
        QCOMPARE(form.StatGroup->geometry(), QRect(575, 60, 145, 149));
        QCOMPARE(form.Step4Group->pos(), QPoint(575, 216));
        QCOMPARE(form.Step5Group->pos(), QPoint(575, 400));
        QCOMPARE(form.HelpButton->pos(), QPoint(587, 464));
        QCOMPARE(form.AboutButton->pos(), QPoint(587, 492));
        QCOMPARE(form.EffectsCheck->pos(), QPoint(587, 519));
        QCOMPARE(form.Step1Group->width(), 718);
        QCOMPARE(form.Step2Group->geometry(), QRect(2, 60, 565, 149));
        QCOMPARE(form.Step3Group->geometry(), QRect(2, 216, 565, 291));
        QCOMPARE(form.InfoGroup->geometry(), QRect(2, 512, 565, 68));
        // Inside the groups: anchored right, stretching, stretching both ways.
        QCOMPARE(form.AddDirButton->pos(), QPoint(438, 22));
        QCOMPARE(form.DirectoryEdit1->width(), 374);
        QCOMPARE(form.DirListBox->geometry(), QRect(16, 32, 413, 105));
        QCOMPARE(form.RemoveListButton->pos(), QPoint(437, 16));
        QCOMPARE(form.BitBtn1->pos(), QPoint(436, 20));
        QCOMPARE(form.DupeGrid->geometry(), QRect(16, 64, 534, 219));
        QCOMPARE(form.FindFilesButton->pos(), QPoint(16, 20));
        QCOMPARE(form.NameLabel->geometry().right(), form.InfoGroup->width() - 9);
        QCOMPARE(form.DirLabel->geometry().right(), form.InfoGroup->width() - 9);
        QCOMPARE(form.StatusBar1->geometry(), QRect(0, 585, 724, 19));
        // A layout pass that finds no difference changes nothing.
        const QList<QRect> widened = snapshot();
        form.WMExitSizeMove();
        QCOMPARE(snapshot(), widened);

        form.resize(624, 554);
        QTRY_COMPARE(form.size(), QSize(624, 554));
        QCOMPARE(snapshot(), design);

        // Maximised and back.
        form.showMaximized();
        QTest::qWait(50);
        form.showNormal();
        form.resize(624, 554);
        QTRY_COMPARE(form.size(), QSize(624, 554));
        QCOMPARE(snapshot(), design);
        form.resize(300, 200);
        QCOMPARE(form.size(), QSize(624, 554));
    }

    void f1ShowsTheNearestTopicAtTheControl() {
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        TMainForm form(dialogs, folder.Path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        form.DupeGrid->setFocus();
        QTest::keyClick(form.DupeGrid, Qt::Key_F1);
        QCOMPARE(form.LastHelpPopup().topic, 3);
        QCOMPARE(form.LastHelpPopup().position, form.DupeGrid->mapToGlobal(QPoint(0, 0)));
        QVERIFY(form.LastHelpPopup().text.contains(QStringLiteral("duplicates list")));
        // The pop-up's own top-left corner is there.
        QWidget* popup = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QWhatsThat") && w->isVisible())
                popup = w;
        QVERIFY(popup);
        QCOMPARE(popup->pos(), form.DupeGrid->mapToGlobal(QPoint(0, 0)));
        popup->close();

        QCOMPARE(form.ShowContextHelp(form.SelectAllButton), 4);
        QCOMPARE(form.ShowContextHelp(form.FindFilesButton), 0);
        QCOMPARE(form.ShowContextHelp(form.AddDirButton), 0);
        // A control without a number takes its group's.
        QCOMPARE(form.ShowContextHelp(form.FilesDetectLabel), 5);
        QCOMPARE(form.ShowContextHelp(form.NameLabel), 6);

        // Every help context the window uses has a topic in the help file.
        for (auto* w : form.findChildren<QWidget*>()) {
            const int topic = w->property("helpContext").toInt();
            if (topic > 0)
                QVERIFY2(!HelpWindow::TopicText(Text(form.HelpFileName()), topic).isEmpty(),
                         qPrintable(QString::number(topic)));
        }
    }

    void helpButtonOpensTheContents() {
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        TMainForm form(dialogs, folder.Path());
        form.show();
        form.HelpButton->click();
        QVERIFY(form.Help()->isVisible());
        QVERIFY(form.Help()->Browser()->toPlainText().contains(QStringLiteral("Contents")));
        // Every topic is a section of its own: the file has no heading beside them but the
        // contents'.
        QFile file(Text(form.HelpFileName()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString outside = QString::fromUtf8(file.readAll());
        outside.remove(QRegularExpression(QStringLiteral("<section.*?</section>"),
                                          QRegularExpression::DotMatchesEverythingOption));
        QCOMPARE(outside.count(QStringLiteral("<h2>")), 1);
        QVERIFY(outside.contains(QStringLiteral("<h2>Contents</h2>")));
        QCOMPARE(outside.count(QStringLiteral("<h3>")), 0);
        // Escape closes the window, from its text too.
        QTest::keyClick(form.Help()->Browser(), Qt::Key_Escape);
        QVERIFY(!form.Help()->isVisible());
    }

    void stepHighlightingAndEffects() {
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        TMainForm form(dialogs, folder.Path());
        form.show();
        const auto lit = [&form] {
            QList<int> steps;
            int n = 1;
            for (auto* g : {form.Step1Group, form.Step2Group, form.Step3Group, form.Step4Group,
                            form.Step5Group}) {
                if (g->palette().color(QPalette::Window) == TMainForm::HighlightColor)
                    steps << n;
                ++n;
            }
            return steps;
        };
        QCOMPARE(lit(), QList<int>());
        MoveMouse(form.Step1Group, QPoint(5, 30));
        QCOMPARE(lit(), QList<int>{1});
        MoveMouse(form.Step4Group, QPoint(139, 100));
        QCOMPARE(lit(), QList<int>{4});
        // Over a control of another step, the window or the statistics: the light stays.
        MoveMouse(form.Step2Group, form.DirListBox->geometry().center());
        MoveMouse(&form, QPoint(470, 300));
        MoveMouse(form.StatGroup, QPoint(5, 5));
        QCOMPARE(lit(), QList<int>{4});
        // The folder list and the grid light their steps.
        MoveMouse(form.DirListBox->viewport(), QPoint(5, 5));
        QCOMPARE(lit(), QList<int>{2});
        MoveMouse(form.DupeGrid->viewport(), QPoint(5, 5));
        QCOMPARE(lit(), QList<int>{3});

        form.EffectsCheck->click();
        QVERIFY(!form.UseEffects);
        QCOMPARE(lit(), QList<int>());
        QVERIFY(form.SelectAllButton->toolTip().isEmpty());
        MoveMouse(form.Step1Group, QPoint(5, 30));
        QCOMPARE(lit(), QList<int>());

        form.EffectsCheck->click();
        QVERIFY(form.UseEffects);
        QCOMPARE(lit(), QList<int>());
        QCOMPARE(form.SelectAllButton->toolTip(),
                 QStringLiteral("By clicking this button you will\nselect all duplicate files"));
        QCOMPARE(form.SelectAllButton->toolTipDuration(), 4000);
    }

    void safetyWarnings_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("staysCleared");
        for (const char* box : {"ProtectFoldersCheck", "SkipSysfilesCheck"}) {
            QTest::addRow("%s yes", box) << box << mrYes << true;
            QTest::addRow("%s no", box) << box << mrNo << false;
            QTest::addRow("%s cancel", box) << box << mrCancel << false;
        }
    }
    void safetyWarnings() {
        QFETCH(QString, box);
        QFETCH(int, answer);
        QFETCH(bool, staysCleared);
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        TMainForm form(dialogs, folder.Path());
        auto* check = form.findChild<QCheckBox*>(box);
        QVERIFY(check);
        dialogs.answers = {answer};
        check->click();
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        const MessageRequest& m = dialogs.messages[0];
        QCOMPARE(m.type, MsgType::Warning);
        QCOMPARE(Text(m.title), QStringLiteral("Warning"));
        QCOMPARE(m.buttons, MsgButtons::YesNoCancel);
        QCOMPARE(Text(m.text),
                 QStringLiteral("You are strongly discouraged to uncheck this option.\r\r"
                                "Possibly critical system files will show up in the duplicates "
                                "list,\rand when deleted your system might get damaged!\r\r"
                                "Do you really want to uncheck this option?"));
        QCOMPARE(check->isChecked(), !staysCleared);
        // Ticking again asks nothing.
        if (staysCleared)
            check->click();
        QVERIFY(check->isChecked());
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
    }

    void searchFromTheWindow() {
        ProgramFolder folder;
        TempTree data;
        data.CreatePatternFile("a/one.bin", 5000, 7);
        data.CreatePatternFile("a/two.bin", 5000, 7);
        data.CreatePatternFile("a/three.bin", 5000, 7);
        data.CreatePatternFile("a/unique.bin", 5000, 8);
        data.CreatePatternFile("b/copy.bin", 5000, 8);
        ScriptedDialogs dialogs;
        TMainForm form(dialogs, folder.Path());
        form.show();
        form.AddFolderToList(data.Path("b"));
        form.AddFolderToList(data.Path("a"));
        QCOMPARE(form.FolderListItems(),
                 (std::vector<std::string>{data.Path("a"), data.Path("b")}));
        form.FindFilesButton->setEnabled(true);
        QTest::mouseClick(form.FindFilesButton, Qt::LeftButton);

        QVERIFY(dialogs.messages.empty());
        QCOMPARE(form.StatusText(), QStringLiteral("Ready."));
        QCOMPARE(form.FilesDetectLabel->text(), QStringLiteral("5"));
        QCOMPARE(form.DirsCheckedLabel->text(), QStringLiteral("2"));
        QCOMPARE(form.FileIndexedLabel->text(), QStringLiteral("5"));
        QCOMPARE(form.DupeFilesLabel->text(), QStringLiteral("Duplicate Files (2 Groups):"));
        QVERIFY(form.FindFilesButton->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        // The grid: header row fixed, two groups beneath it.
        QCOMPARE(form.DupeGridData->rowCount(), 2);
        QCOMPARE(form.DupeGridData->columnCount(), 3);
        QCOMPARE(form.DupeGridData->headerData(2, Qt::Horizontal).toString(),
                 QStringLiteral(" Dupe #3"));
        QVERIFY(!form.DupeGrid->horizontalHeader()->isHidden());
        QStringList names;
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 3; ++c)
                names << form.DupeGridData->index(r, c).data().toString();
        names.sort();
        QCOMPARE(names, QStringLiteral(",copy.bin,one.bin,three.bin,two.bin,unique.bin")
                            .split(QLatin1Char(',')));
    }

    void stopEndsTheSearch() {
        ProgramFolder folder;
        TempTree data;
        for (int i = 0; i < 20; ++i)
            data.CreatePatternFile("a/f" + std::to_string(i), 3000, static_cast<unsigned>(i % 2));
        ScriptedDialogs dialogs;
        bool busyCursorShown = false;
        dialogs.onMessage = [&](const MessageRequest&) {
            busyCursorShown = QApplication::overrideCursor() &&
                              QApplication::overrideCursor()->shape() == Qt::BusyCursor;
        };
        TMainForm form(dialogs, folder.Path());
        form.show();
        form.AddFolderToList(data.Path("a"));
        form.FindFilesButton->setEnabled(true);
        // Stop! is pressed at the run's first pump point.
        QTimer::singleShot(0, form.BitBtn1,
                           [&form] { QTest::mouseClick(form.BitBtn1, Qt::LeftButton); });
        form.FindFilesButton->click();

        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages[0].type, MsgType::Information);
        QCOMPARE(Text(dialogs.messages[0].text),
                 QStringLiteral("You have terminated the search.\r\rYou can still select the "
                                "files already found and delete them."));
        QVERIFY(busyCursorShown);
        QCOMPARE(form.StatusText(), QStringLiteral("Search operation terminated by user."));
        QVERIFY(!form.State.StopFlag);
        QVERIFY(!form.State.Busy);
        QVERIFY(form.FindFilesButton->isEnabled());
        QVERIFY(!QApplication::overrideCursor());

        // The next run is not stopped by the old request.
        dialogs.messages.clear();
        form.FindFilesButton->click();
        QVERIFY(dialogs.messages.empty());
        QCOMPARE(form.StatusText(), QStringLiteral("Ready."));
        QCOMPARE(form.DupeGridData->rowCount(), 2);
    }

    void emptyFolderListAsksForFolders() {
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        TMainForm form(dialogs, folder.Path());
        form.FindFilesButton->setEnabled(true);
        form.FindFilesButton->click();
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages[0].buttons, MsgButtons::OkHelp);
        QCOMPARE(dialogs.messages[0].helpContext, 2);
        QVERIFY(form.FindFilesButton->isEnabled());
    }

    void escapeGoesToTheFirstEnabledCancelButton() {
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        TMainForm form(dialogs, folder.Path());
        QSignalSpy clear(form.ClearListButton, &QPushButton::clicked);
        QSignalSpy load(form.LoadListButton, &QPushButton::clicked);
        QTest::keyClick(form.DirectoryEdit1, Qt::Key_Escape);
        QCOMPARE(load.count(), 1);
        form.ClearListButton->setEnabled(true);
        QTest::keyClick(form.DupeGrid, Qt::Key_Escape);
        QCOMPARE(clear.count(), 1);
        QCOMPARE(load.count(), 1);
    }

    void desktopMessageBoxAnswers() {
        int helpShown = 0;
        QtDialogService service([&](int topic) { helpShown = topic; });
        const auto answer = [&](MsgButtons buttons, auto act) {
            QTimer::singleShot(
                0, [act] { act(qobject_cast<QDialog*>(QApplication::activeModalWidget())); });
            return service.MessageBox({MsgType::Warning, "Warning", "line 1\rline 2", buttons, 7});
        };
        const auto key = [](Qt::Key k) {
            return [k](QDialog* d) {
                QVERIFY(d);
                QTest::keyClick(d, k);
            };
        };
        QCOMPARE(answer(MsgButtons::YesNoCancel, key(Qt::Key_Return)), mrYes);
        QCOMPARE(answer(MsgButtons::YesNoCancel, key(Qt::Key_Escape)), mrCancel);
        QCOMPARE(answer(MsgButtons::YesNo, key(Qt::Key_Escape)), mrNo);
        QCOMPARE(answer(MsgButtons::Ok, key(Qt::Key_Escape)), mrOk);
        // Help shows the topic and leaves the box open; OK then closes it.
        bool stillOpen = false;
        QCOMPARE(answer(MsgButtons::OkHelp,
                        [&](QDialog* d) {
                            QVERIFY(d);
                            QCOMPARE(d->findChild<QLabel*>(QStringLiteral("MessageText"))->text(),
                                     QStringLiteral("line 1\nline 2"));
                            for (auto* b : d->findChildren<QPushButton*>())
                                if (b->text() == QStringLiteral("&Help"))
                                    b->click();
                            stillOpen = d->isVisible();
                            QTest::keyClick(d, Qt::Key_Return);
                        }),
                 mrOk);
        QVERIFY(stillOpen);
        QCOMPARE(helpShown, 7);
    }

    // The desktop's opener is handed the encoded URL and decodes it back to the very bytes of
    // the name, also where they are not UTF-8.
    void openedFilesKeepEveryByteOfTheirName() {
        const auto bytesOf = [](const QUrl& url) {
            const QByteArray encoded = url.toEncoded();
            return encoded.startsWith("file://")
                       ? QByteArray::fromPercentEncoding(encoded.mid(7)).toStdString()
                       : std::string("<not a file URL>");
        };
        for (const std::string path :
             {"/tmp/caf\xe9.txt", "/tmp/50% #1?.txt", "/tmp/\xc3\xa9t\xc3\xa9/a b"}) {
            const QUrl url = QtDialogService::LocalFileUrl(path);
            QVERIFY(url.isValid() && url.isLocalFile());
            QCOMPARE(bytesOf(url), path);
        }
        QCOMPARE(QtDialogService::LocalFileUrl("/tmp/\xc3\xa9").toLocalFile(),
                 QStringLiteral("/tmp/\u00e9"));
        const std::string here = QFile::encodeName(QDir::currentPath()).toStdString();
        QCOMPARE(bytesOf(QtDialogService::LocalFileUrl("sub/x")), here + "/sub/x");
    }

    // The desktop ties a window to its entry by the class on X11 and by the desktop file's
    // name on Wayland; the icon carries the same name.
    void desktopEntryNamesTheRunningWindow() {
        QFile entry(QStringLiteral(KELVARO_DESKTOP_ENTRY));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(entry.readAll());
        QVERIFY(text.contains(QStringLiteral("\nStartupWMClass=") +
                              QApplication::applicationName() + QStringLiteral("\n")));
        QVERIFY(text.contains(QStringLiteral("\nIcon=") + QGuiApplication::desktopFileName() +
                              QStringLiteral("\n")));
        QVERIFY(QFileInfo(entry).completeBaseName() == QGuiApplication::desktopFileName());
    }

    void aboutBox() {
        ProgramFolder folder;
        ScriptedDialogs dialogs;
        TMainForm form(dialogs, folder.Path());
        TAboutForm* about = form.AboutForm;
        QVERIFY(!about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Kelvaro"));
        QCOMPARE(about->size(), QSize(301, 383));
        for (int opening = 0; opening < 2; ++opening) {
            QString shown;
            QTimer::singleShot(0, about, [&] {
                shown = about->RxLabel1->text();
                QTest::keyClick(about, Qt::Key_Return);
            });
            form.AboutButton->click();
            QCOMPARE(shown, QStringLiteral("Version 2.11 "));
            QVERIFY(!about->isVisible());
            QCOMPARE(about->result(), int(QDialog::Accepted));
        }
        // No website yet: each link closes the box and opens the help at the topic on
        // updates and feedback, which the help file holds.
        const std::function<void()> links[] = {
            [&] { about->EmailButton->click(); },
            [&] { QTest::mouseClick(about->WWWLabel, Qt::LeftButton); },
            [&] { about->btnUpdate->click(); },
        };
        QVERIFY(
            HelpWindow::TopicText(Text(folder.Path() + "kelvaro.html"), TAboutForm::kUpdatesTopic)
                .contains(QStringLiteral("feedback")));
        auto* helpWindow = form.findChild<HelpWindow*>();
        QVERIFY(helpWindow);
        for (const auto& click : links) {
            helpWindow->hide();
            bool shownFirst = false;
            QTimer::singleShot(0, about, [&] {
                shownFirst = about->isVisible();
                click();
            });
            form.AboutButton->click();
            QVERIFY(shownFirst);
            QVERIFY(!about->isVisible());
            QVERIFY(helpWindow->isVisible());
            QVERIFY(helpWindow->Browser()->toPlainText().contains(
                QStringLiteral("Updates and feedback")));
        }
        QVERIFY(dialogs.opened.empty());
        // Its hints stay on whatever the main window's setting.
        form.EffectsCheck->click();
        QCOMPARE(about->WWWLabel->toolTip(), QStringLiteral("Click here to visit our website!"));
        QCOMPARE(about->EmailButton->toolTip(),
                 QStringLiteral("Click here to write us an e-mail\nwith your feedback!"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
