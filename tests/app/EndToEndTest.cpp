// Whole journeys through the real window, as a user makes them: typing, clicks on the buttons,
// the folder list and the grid, keys, and the delete dialog answered while it is up. Each
// journey works on a real temporary tree with its own program folder and its own Trash, and
// ends by checking the disk: every file the delete dialog listed is gone from its place, every
// other file is there with its bytes.
#include "app/Appearance.h"
#include "app/MainForm.h"
#include "app/UpDown.h"
#include "platform/Paths.h"
#include "removal/DeleteFilesForm.h"
#include "results/DupeGridModel.h"
#include "results/DupeGridView.h"
#include "results/Selection.h"
#include "support/FileChecks.h"
#include "support/QtInput.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// Every regular file under a root with its bytes.
std::map<std::string, std::string> Snapshot(const std::string& root) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file() && !e.is_symlink())
            files[e.path().string()] = ReadAll(e.path().string());
    return files;
}

// A user's window on a data tree, with its own program folder and Trash.
struct Journey {
    TempTree program;
    TempTree data;
    std::string dataHome;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
    // Full paths the delete dialog listed when Yes was pressed, over the whole journey.
    std::set<std::string> listed;
    std::vector<std::string> lastListed;
    std::map<std::string, std::string> before;
    int dialogsShown = 0;

    Journey() : dataHome(program.Path("xdg-data")) {
        ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        Open();
    }
    ~Journey() {
        form.reset();
        ::unsetenv("XDG_DATA_HOME");
    }
    void Open() {
        form = std::make_unique<TMainForm>(dialogs, program.Root() + "/");
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void Close() {
        form->close();
        form.reset();
    }
    std::string Trash(const std::string& relative) const { return dataHome + "/Trash/" + relative; }

    // groups sets of three copies in t/, the first largest, each next 5,000 bytes smaller,
    // and 30 unique files of 4,000 bytes.
    std::vector<std::vector<std::string>> MakeGroupsOfThree(int groups, std::int64_t largest) {
        std::vector<std::vector<std::string>> contents;
        for (int g = 0; g < groups; ++g) {
            std::vector<std::string> group;
            for (int m = 0; m < 3; ++m) {
                const std::string name =
                    "t/g" + std::to_string(g) + "_" + std::to_string(m) + ".dat";
                data.CreatePatternFile(name, largest - g * 5000, unsigned(10 + g));
                group.push_back(name);
            }
            contents.push_back(group);
        }
        for (int i = 0; i < 30; ++i)
            data.CreatePatternFile("t/u" + std::to_string(i), 4000, 100u + unsigned(i));
        return contents;
    }

    // The folder typed into step 1 and added with or without its tree.
    void TypeAndAdd(const std::string& relative, bool subdirs) {
        QLineEdit* edit = form->DirectoryEdit1;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        TypeText(edit, QString::fromStdString(data.Path(relative)));
        if (form->IncludeSubdirCheck->isChecked() != subdirs)
            QTest::mouseClick(form->IncludeSubdirCheck, Qt::LeftButton);
        QTest::mouseClick(form->AddDirButton, Qt::LeftButton);
    }
    void Find() {
        QVERIFY(form->FindFilesButton->isEnabled());
        QTest::mouseClick(form->FindFilesButton, Qt::LeftButton);
    }
    QModelIndex FolderItem(const std::string& relative) const {
        const QByteArray want = QByteArray::fromStdString(data.Path(relative));
        for (int i = 0; i < form->DirListBox->model()->rowCount(); ++i)
            if (form->DirListBox->model()->index(i, 0).data(Qt::UserRole).toByteArray() == want)
                return form->DirListBox->model()->index(i, 0);
        return {};
    }
    QStringList FolderList() const {
        QStringList items;
        for (int i = 0; i < form->DirListBox->model()->rowCount(); ++i)
            items << form->DirListBox->model()->index(i, 0).data().toString();
        return items;
    }
    // Each group row's names, sorted, one text per row.
    QStringList Groups() const {
        QStringList rows;
        DupeGridModel* m = form->DupeGridData;
        if (!form->State.DupeGrid.FixedRows())
            return rows;
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList names;
            for (int c = 0; c < m->columnCount(); ++c)
                if (const QString n = m->index(r, c).data().toString(); !n.isEmpty())
                    names << n;
            names.sort();
            rows << names.join(QLatin1Char(','));
        }
        return rows;
    }
    QPoint CellOf(const std::string& name) const {
        const ResultGrid& g = form->State.DupeGrid;
        for (int row = 1; row < g.RowCount(); ++row)
            for (int col = 0; col < g.ColCount(); ++col)
                if (g.Object(col, row) && g.Text(col, row) == name)
                    return {col, row};
        return {-1, -1};
    }
    QPoint At(QPoint cell) const { return form->DupeGrid->CellRect(cell.x(), cell.y()).center(); }

    // Arms the answer to the delete dialog; what it listed is kept when the answer is Yes.
    void WhenDialogShows(std::function<void(TDeleteFilesForm&)> act) {
        auto* timer = new QTimer(form.get());
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, timer, [this, timer, act] {
            TDeleteFilesForm* dialog = form->DeleteFilesForm;
            if (!dialog->isVisible())
                return;
            timer->stop();
            timer->deleteLater();
            ++dialogsShown;
            lastListed.clear();
            const ResultGrid& rows = dialog->Model().FilesGrid();
            for (int r = 1; r < rows.RowCount(); ++r)
                if (rows.Object(0, r))
                    lastListed.push_back(platform::JoinPath(rows.Text(1, r), rows.Text(0, r)));
            act(*dialog);
        });
        timer->start();
    }
    void AnswerYes() {
        WhenDialogShows([this](TDeleteFilesForm& dialog) {
            listed.insert(lastListed.begin(), lastListed.end());
            QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
        });
    }

    // The invariant of every journey: the listed files are gone from their places, every other
    // file of the tree is where it was with its bytes, and nothing new appeared in the tree.
    void CheckDisk() const {
        for (const std::string& path : listed) {
            QVERIFY2(before.count(path), path.c_str());
            QVERIFY2(!Exists(path), path.c_str());
        }
        const auto now = Snapshot(data.Root());
        for (const auto& [path, bytes] : before)
            if (!listed.count(path)) {
                QVERIFY2(now.count(path), path.c_str());
                QVERIFY2(now.at(path) == bytes, path.c_str());
            }
        for (const auto& [path, bytes] : now)
            QVERIFY2(before.count(path), path.c_str());
    }
    // Every group of identical contents in the tree keeps at least one copy.
    void CheckOneLeftPerContent(const std::vector<std::vector<std::string>>& groups) const {
        for (const auto& group : groups) {
            int left = 0;
            for (const std::string& relative : group)
                left += Exists(data.Path(relative)) ? 1 : 0;
            QVERIFY2(left >= 1, group.front().c_str());
        }
    }
};

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppearance(*qApp); }

    void selectAllIntoTheTrash() {
        Journey j;
        // Two groups across a tree, two unique files of a shared size, and hidden copies that
        // neither the walk nor the scan may take.
        j.data.CreatePatternFile("top/p1.bin", 8000, 1);
        j.data.CreatePatternFile("top/sub/p2.bin", 8000, 1);
        j.data.CreatePatternFile("top/sub/deeper/p3.bin", 8000, 1);
        j.data.CreatePatternFile("top/q1.txt", 3000, 2);
        j.data.CreatePatternFile("top/sub/q2.txt", 3000, 2);
        j.data.CreatePatternFile("top/u1", 5000, 3);
        j.data.CreatePatternFile("top/sub/u2", 5000, 4);
        j.data.CreatePatternFile("top/.cache/p4.bin", 8000, 1);
        j.data.CreatePatternFile("top/.q3.txt", 3000, 2);
        j.before = Snapshot(j.data.Root());

        j.TypeAndAdd("top", true);
        QCOMPARE(j.form->DirListBox->model()->rowCount(), 3);
        QVERIFY(!j.FolderItem("top/.cache").isValid());
        QCOMPARE(j.form->StatusText(), QStringLiteral("Ready."));
        j.Find();
        QCOMPARE(j.form->StatusText(), QStringLiteral("Ready."));
        QCOMPARE(j.Groups(), (QStringList{QStringLiteral("p1.bin,p2.bin,p3.bin"),
                                          QStringLiteral("q1.txt,q2.txt")}));
        QCOMPARE(j.form->DirsCheckedLabel->text(), QStringLiteral("3"));
        QCOMPARE(j.form->FilesDetectLabel->text(), QStringLiteral("7"));

        QVERIFY(j.form->LeaveOneCheck->isChecked());
        QTest::mouseClick(j.form->SelectAllButton, Qt::LeftButton);
        QCOMPARE(j.form->FilesSelLabel->text(), QStringLiteral("3"));
        // 19,000 bytes: 18.55 kB.
        QCOMPARE(j.form->KbSelLabel->text(), QStringLiteral("19"));

        j.AnswerYes();
        QTest::mouseClick(j.form->DeleteButton, Qt::LeftButton);
        QCOMPARE(j.dialogsShown, 1);
        QCOMPARE(j.lastListed.size(), std::size_t(3));
        QVERIFY(j.dialogs.messages.empty());
        j.CheckDisk();
        j.CheckOneLeftPerContent({{"top/p1.bin", "top/sub/p2.bin", "top/sub/deeper/p3.bin"},
                                  {"top/q1.txt", "top/sub/q2.txt"}});
        for (const std::string& gone : j.listed) {
            const std::string name = gone.substr(gone.rfind('/') + 1);
            QCOMPARE(ReadAll(j.Trash("files/" + name)), j.before.at(gone));
            QVERIFY(ReadAll(j.Trash("info/" + name + ".trashinfo")).rfind("[Trash Info]\n", 0) ==
                    0);
        }
        // Both groups fell below two files: only the header row is left.
        QCOMPARE(j.form->State.DupeGrid.RowCount(), 1);
        QCOMPARE(j.form->FilesDelLabel->text(), QStringLiteral("3"));
        QCOMPARE(j.form->KbDelLabel->text(), QStringLiteral("19"));
        QCOMPARE(j.form->FilesSelLabel->text(), QString());
        QCOMPARE(j.form->StatusText(), QStringLiteral("Ready."));

        // Nothing left to remove: the dialog does not come up again.
        QTest::mouseClick(j.form->DeleteButton, Qt::LeftButton);
        QCOMPARE(j.dialogsShown, 1);
        QCOMPARE(j.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(j.dialogs.messages[0].text,
                 std::string("You must first start a search for duplicates with\r"
                             "the button \"Find Duplicates\"!"));
        j.CheckDisk();
    }

    void selectByFolderIntoTheArchive() {
        Journey j;
        j.data.CreatePatternFile("top/p1.bin", 8000, 1);
        j.data.CreatePatternFile("top/caf\xe9/p2 \xff.bin", 8000, 1);
        j.data.CreatePatternFile("top/caf\xe9/deeper/p3.bin", 8000, 1);
        j.data.CreatePatternFile("top/q1.txt", 3000, 2);
        j.data.CreatePatternFile("top/caf\xe9/q2.txt", 3000, 2);
        j.data.CreatePatternFile("top/caf\xe9/alone.txt", 3000, 9);
        j.before = Snapshot(j.data.Root());
        j.TypeAndAdd("top", true);
        j.Find();

        // Only the folder whose name is no valid text is highlighted: its copies go, not those
        // of its subfolder.
        const QModelIndex sub = j.FolderItem("top/caf\xe9");
        QVERIFY(sub.isValid());
        QTest::mouseClick(j.form->DirListBox->viewport(), Qt::LeftButton, {},
                          j.form->DirListBox->visualRect(sub).center());
        QCOMPARE(j.form->DirListBox->selectionModel()->selectedRows().size(), 1);
        QTest::mouseClick(j.form->SelectByDirButton, Qt::LeftButton);
        QCOMPARE(j.form->FilesSelLabel->text(), QStringLiteral("2"));

        j.WhenDialogShows([&j](TDeleteFilesForm& dialog) {
            QTest::mouseClick(dialog.MoveArchiveRadio, Qt::LeftButton);
            QVERIFY(dialog.MoveArchiveRadio->isChecked());
            j.listed.insert(j.lastListed.begin(), j.lastListed.end());
            QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
        });
        QTest::mouseClick(j.form->DeleteButton, Qt::LeftButton);
        QCOMPARE(j.dialogsShown, 1);
        QCOMPARE(j.listed, (std::set<std::string>{j.data.Path("top/caf\xe9/p2 \xff.bin"),
                                                  j.data.Path("top/caf\xe9/q2.txt")}));
        QVERIFY(j.dialogs.messages.empty());
        j.CheckDisk();
        QCOMPARE(ReadAll(j.form->ArchiveFolder + "/p2 \xff.bin"),
                 j.before.at(j.data.Path("top/caf\xe9/p2 \xff.bin")));
        QCOMPARE(ReadAll(j.form->ArchiveFolder + "/q2.txt"),
                 j.before.at(j.data.Path("top/caf\xe9/q2.txt")));
        // The group of three keeps two; the pair is gone.
        QCOMPARE(j.Groups(), QStringList{QStringLiteral("p1.bin,p3.bin")});
        QCOMPARE(j.form->FilesDelLabel->text(), QStringLiteral("2"));
        QCOMPARE(j.form->KbDelLabel->text(), QStringLiteral("11"));
    }

    void maskFromAPressedFileAndTheArrows() {
        Journey j;
        j.data.CreatePatternFile("a/report.doc", 2000, 1);
        j.data.CreatePatternFile("b/report.doc", 2000, 1);
        j.data.CreatePatternFile("a/repair.doc", 2100, 2);
        j.data.CreatePatternFile("b/repair.doc", 2100, 2);
        j.data.CreatePatternFile("a/read.txt", 2200, 3);
        j.data.CreatePatternFile("b/rep.doc", 2200, 3);
        j.before = Snapshot(j.data.Root());
        j.TypeAndAdd("a", false);
        j.TypeAndAdd("b", false);
        QCOMPARE(j.form->DirListBox->model()->rowCount(), 2);
        j.Find();
        QCOMPARE(j.Groups().size(), 3);

        // A right press builds the mask as well, and selects nothing.
        const QPoint report = j.CellOf("report.doc");
        QTest::mouseClick(j.form->DupeGrid->viewport(), Qt::RightButton, {}, j.At(report));
        QCOMPARE(j.form->PatternEdit->text(), QStringLiteral("report.doc"));
        QCOMPARE(j.form->FilesSelLabel->text(), QStringLiteral("0"));
        // Each left arrow shortens the mask and selects at once.
        QToolButton* left = j.form->PatternUpDown->LeftButton();
        QTest::mouseClick(left, Qt::LeftButton);
        QCOMPARE(j.form->PatternEdit->text(), QStringLiteral("repor*.doc"));
        QCOMPARE(j.form->FilesSelLabel->text(), QStringLiteral("1"));
        QTest::mouseClick(left, Qt::LeftButton);
        QTest::mouseClick(left, Qt::LeftButton);
        QCOMPARE(j.form->PatternEdit->text(), QStringLiteral("rep*.doc"));
        // report.doc and repair.doc: one of each pair; rep.doc has its twin read.txt left.
        QCOMPARE(j.form->FilesSelLabel->text(), QStringLiteral("3"));
        QTest::mouseClick(j.form->PatternUpDown->RightButton(), Qt::LeftButton);
        QCOMPARE(j.form->PatternEdit->text(), QStringLiteral("repo*.doc"));
        QCOMPARE(j.form->FilesSelLabel->text(), QStringLiteral("1"));
        QTest::mouseClick(left, Qt::LeftButton);

        // Permanent deletion, behind its warning answered Yes.
        j.dialogs.answers = {mrYes};
        j.WhenDialogShows([&j](TDeleteFilesForm& dialog) {
            QTest::mouseClick(dialog.DeleteRadio, Qt::LeftButton);
            j.listed.insert(j.lastListed.begin(), j.lastListed.end());
            QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
        });
        QTest::mouseClick(j.form->DeleteButton, Qt::LeftButton);
        QCOMPARE(j.listed.size(), std::size_t(3));
        QVERIFY(j.listed.count(j.data.Path("b/rep.doc")));
        j.CheckDisk();
        j.CheckOneLeftPerContent({{"a/report.doc", "b/report.doc"},
                                  {"a/repair.doc", "b/repair.doc"},
                                  {"a/read.txt", "b/rep.doc"}});
        QVERIFY(!Exists(j.Trash("files")));
        QCOMPARE(j.form->State.DupeGrid.RowCount(), 1);
        QCOMPARE(j.form->FilesDelLabel->text(), QStringLiteral("3"));
    }

    void rangeByMouseAndTheDeleteKey() {
        Journey j;
        for (const char* n : {"a/w1", "a/w2", "a/w3", "a/w4"})
            j.data.CreatePatternFile(n, 9000, 1);
        for (const char* n : {"a/v1", "a/v2", "a/v3"})
            j.data.CreatePatternFile(n, 8000, 2);
        j.data.CreatePatternFile("a/lone", 7000, 3);
        j.before = Snapshot(j.data.Root());
        j.TypeAndAdd("a", false);
        j.Find();
        // After Select All the marks are in force; the drag switches to the range.
        QTest::mouseClick(j.form->SelectAllButton, Qt::LeftButton);
        QCOMPARE(j.form->FilesSelLabel->text(), QStringLiteral("5"));

        const ResultGrid& g = j.form->State.DupeGrid;
        QCOMPARE(g.RowCount(), 3);
        const std::vector<std::string> expected = {
            EntryPath(j.form->State, *g.Object(1, 1)), EntryPath(j.form->State, *g.Object(1, 2)),
            EntryPath(j.form->State, *g.Object(2, 1)), EntryPath(j.form->State, *g.Object(2, 2))};
        QWidget* cells = j.form->DupeGrid->viewport();
        SendMouse(cells, QEvent::MouseButtonPress, j.At({1, 1}), Qt::LeftButton, Qt::LeftButton);
        SendMouse(cells, QEvent::MouseMove, j.At({2, 2}), Qt::NoButton, Qt::LeftButton);
        SendMouse(cells, QEvent::MouseButtonRelease, j.At({2, 2}), Qt::LeftButton, Qt::NoButton);
        QVERIFY(!j.form->State.UseMarks);
        QCOMPARE(j.form->FilesSelLabel->text(), QStringLiteral("4"));

        j.AnswerYes();
        QTest::keyClick(j.form->DupeGrid, Qt::Key_Delete);
        QCOMPARE(j.dialogsShown, 1);
        // Column by column, top to bottom.
        QCOMPARE(j.lastListed, expected);
        j.CheckDisk();
        QCOMPARE(g.RowCount(), 2);
        QCOMPARE(j.Groups().front().count(QLatin1Char(',')), 1);
        QCOMPARE(j.form->FilesDelLabel->text(), QStringLiteral("4"));
    }

    void storedListComesBackWithTheSameGroups() {
        Journey j;
        j.data.CreatePatternFile("x/one", 4000, 1);
        j.data.CreatePatternFile("x/deep/two", 4000, 1);
        j.data.CreatePatternFile("y/three", 4000, 1);
        j.data.CreatePatternFile("y/four", 1000, 2);
        j.data.CreatePatternFile("x/five", 1000, 2);
        j.before = Snapshot(j.data.Root());
        j.TypeAndAdd("x", true);
        j.TypeAndAdd("y", false);
        j.Find();
        const QStringList groups = j.Groups();
        QCOMPARE(groups.size(), 2);
        const QStringList folders = j.FolderList();
        QCOMPARE(folders.size(), 3);

        const std::string listFile = j.program.Path("lists/Folders.txt");
        j.program.CreateDir("lists");
        j.dialogs.fileAnswers = {listFile};
        QTest::mouseClick(j.form->StoreListButton, Qt::LeftButton);
        QVERIFY(Exists(listFile));
        QTest::mouseClick(j.form->ClearListButton, Qt::LeftButton);
        QCOMPARE(j.form->DirListBox->model()->rowCount(), 0);
        QVERIFY(!j.form->FindFilesButton->isEnabled());
        j.dialogs.fileAnswers = {listFile};
        QTest::mouseClick(j.form->LoadListButton, Qt::LeftButton);
        QCOMPARE(j.FolderList(), folders);
        j.Find();
        QCOMPARE(j.Groups(), groups);
        QVERIFY(j.dialogs.messages.empty());
        j.CheckDisk();
    }

    void settingsComeBackInANewWindow() {
        Journey j;
        j.data.CreateDir("start");
        j.TypeAndAdd("start", true);
        QCOMPARE(j.form->DirListBox->model()->rowCount(), 1);
        j.dialogs.answers = {mrYes, mrYes};
        QTest::mouseClick(j.form->ProtectFoldersCheck, Qt::LeftButton);
        QTest::mouseClick(j.form->SkipSysfilesCheck, Qt::LeftButton);
        QVERIFY(!j.form->ProtectFoldersCheck->isChecked());
        QVERIFY(!j.form->SkipSysfilesCheck->isChecked());
        QTest::mouseClick(j.form->IncludeSubdirCheck, Qt::LeftButton);
        QTest::mouseClick(j.form->EffectsCheck, Qt::LeftButton);
        QTest::mouseClick(j.form->LeaveOneCheck, Qt::LeftButton);
        const QString typed = QString::fromStdString(j.data.Path("start"));
        QCOMPARE(j.form->DirectoryEdit1->text(), typed);
        j.Close();

        const std::string ini = ReadAll(j.program.Path("kelvaro.ini"));
        QVERIFY(ini.find("AppVersion=2.11") != std::string::npos);
        QVERIFY(ini.find("InitialFolder=" + typed.toStdString()) != std::string::npos);
        QVERIFY(ini.find("IncludeSubdir=0") != std::string::npos);
        QVERIFY(ini.find("UseEffects=0") != std::string::npos);

        j.Open();
        QCOMPARE(j.form->windowTitle(), QStringLiteral("Kelvaro - Version 2.11"));
        QCOMPARE(j.form->DirectoryEdit1->text(), typed);
        QVERIFY(!j.form->IncludeSubdirCheck->isChecked());
        QVERIFY(!j.form->EffectsCheck->isChecked());
        QVERIFY(j.form->DirectoryEdit1->toolTip().isEmpty());
        // What is not stored starts safe again.
        QVERIFY(j.form->ProtectFoldersCheck->isChecked());
        QVERIFY(j.form->SkipSysfilesCheck->isChecked());
        QVERIFY(j.form->LeaveOneCheck->isChecked());
        QCOMPARE(j.form->DirListBox->model()->rowCount(), 0);
        QVERIFY(!j.form->FindFilesButton->isEnabled());
        QCOMPARE(j.form->ArchiveFolder, j.program.Path("Archive"));
    }

    void stoppedSearchThenRemovalOfWhatWasFound() {
        Journey j;
        // Largest first: the big groups are published before the stop, the small never.
        const auto contents = j.MakeGroupsOfThree(6, 60000);
        j.before = Snapshot(j.data.Root());
        j.TypeAndAdd("t", false);

        bool stopped = false;
        auto* poll = new QTimer(j.form.get());
        poll->setInterval(0);
        QObject::connect(poll, &QTimer::timeout, poll, [&] {
            if (!j.form->SearchRunning() || j.form->State.NextGroupRow < 3)
                return;
            poll->stop();
            stopped = true;
            QTest::mouseClick(j.form->BitBtn1, Qt::LeftButton);
        });
        poll->start();
        j.Find();
        delete poll;
        QVERIFY(stopped);
        QCOMPARE(j.form->StatusText(), QStringLiteral("Search operation terminated by user."));
        QCOMPARE(j.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(j.dialogs.messages[0].type, MsgType::Information);
        QVERIFY(j.form->FindFilesButton->isEnabled());
        const int rows = j.form->State.DupeGrid.RowCount() - 1;
        QVERIFY(rows >= 2 && rows < 6);

        QTest::mouseClick(j.form->SelectAllButton, Qt::LeftButton);
        QCOMPARE(j.form->FilesSelLabel->text(), QString::number(rows * 2));
        j.AnswerYes();
        QTest::mouseClick(j.form->DeleteButton, Qt::LeftButton);
        QCOMPARE(j.lastListed.size(), std::size_t(rows * 2));
        QCOMPARE(j.dialogs.messages.size(), std::size_t(1));
        j.CheckDisk();
        j.CheckOneLeftPerContent(contents);
        QCOMPARE(j.form->State.DupeGrid.RowCount(), 1);
        QCOMPARE(j.form->FilesDelLabel->text(), QString::number(rows * 2));

        // A search afterwards finds the groups the stop cut off, and nothing of the removed.
        j.Find();
        QCOMPARE(j.Groups().size(), 6 - rows);
        QCOMPARE(j.form->StatusText(), QStringLiteral("Ready."));
    }

    void closingTheWindowStopsTheSearch() {
        Journey j;
        for (int g = 0; g < 6; ++g)
            for (int m = 0; m < 2; ++m)
                j.data.CreatePatternFile("t/g" + std::to_string(g) + "_" + std::to_string(m),
                                         60000 - g * 5000, unsigned(10 + g));
        j.TypeAndAdd("t", false);
        // The user closes the window once the first group is up: the run must not go on in a
        // window no one sees.
        bool closed = false;
        auto* poll = new QTimer(j.form.get());
        poll->setInterval(0);
        QObject::connect(poll, &QTimer::timeout, poll, [&] {
            if (!j.form->SearchRunning() || j.form->State.NextGroupRow < 2)
                return;
            poll->stop();
            closed = j.form->close();
        });
        poll->start();
        j.Find();
        delete poll;
        QVERIFY(closed);
        QVERIFY(!j.form->isVisible());
        QCOMPARE(j.form->StatusText(), QStringLiteral("Search operation terminated by user."));
        QVERIFY(j.form->State.DupeGrid.RowCount() - 1 < 6);
        QVERIFY(!j.form->State.Busy);
        QVERIFY(!j.form->State.StopFlag);
    }

    void removalFromAPumpPointOfARunningSearch() {
        Journey j;
        const auto contents = j.MakeGroupsOfThree(5, 70000);
        j.before = Snapshot(j.data.Root());
        j.TypeAndAdd("t", false);

        // Once two groups are up: Select All and Delete Dialog, as the user would.
        bool pressed = false;
        auto* poll = new QTimer(j.form.get());
        poll->setInterval(0);
        QObject::connect(poll, &QTimer::timeout, poll, [&] {
            if (!j.form->SearchRunning() || j.form->State.NextGroupRow < 3)
                return;
            poll->stop();
            pressed = true;
            QTest::mouseClick(j.form->SelectAllButton, Qt::LeftButton);
            j.AnswerYes();
            QTest::mouseClick(j.form->DeleteButton, Qt::LeftButton);
        });
        poll->start();
        j.Find();
        delete poll;

        QVERIFY(pressed);
        QCOMPARE(j.dialogsShown, 1);
        QVERIFY(!j.lastListed.empty());
        QCOMPARE(j.lastListed.size() % 2, std::size_t(0));
        QVERIFY(j.dialogs.messages.empty());
        QCOMPARE(j.form->StatusText(), QStringLiteral("Ready."));
        j.CheckDisk();
        j.CheckOneLeftPerContent(contents);
        // The groups the removal emptied stay out; every later group is whole.
        const int removedGroups = int(j.lastListed.size() / 2);
        const QStringList groups = j.Groups();
        QCOMPARE(groups.size(), 5 - removedGroups);
        for (const QString& row : groups)
            QCOMPARE(row.count(QLatin1Char(',')), 2);
        QCOMPARE(j.form->State.NextGroupRow, 5 - removedGroups + 1);
        QCOMPARE(j.form->FilesDelLabel->text(), QString::number(j.lastListed.size()));
        QVERIFY(!j.form->State.Busy);
        QVERIFY(j.form->FindFilesButton->isEnabled());

        // Select All over the finished run and a second removal leave one of each.
        QTest::mouseClick(j.form->SelectAllButton, Qt::LeftButton);
        j.AnswerYes();
        QTest::mouseClick(j.form->DeleteButton, Qt::LeftButton);
        QCOMPARE(j.dialogsShown, 2);
        j.CheckDisk();
        j.CheckOneLeftPerContent(contents);
        QCOMPARE(j.form->State.DupeGrid.RowCount(), 1);
        QCOMPARE(j.form->FileList.Count(), std::int64_t(0));
    }
};

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
