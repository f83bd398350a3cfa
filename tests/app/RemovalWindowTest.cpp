// Step 5 in the real window: a real search over a temporary tree, the selection, the delete
// dialog answered while it is up, and what the disk, the grid and the statistics show after.
// Every test has its own program folder and its own Trash.
#include "app/Appearance.h"
#include "app/MainForm.h"
#include "app/QtDialogService.h"
#include "removal/DeleteFilesForm.h"
#include "removal/RemovalFaults.h"
#include "results/DupeGridModel.h"
#include "results/DupeGridView.h"
#include "results/Selection.h"
#include "search/FormatThousands.h"
#include "support/FileChecks.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <linux/fs.h>
#include <map>
#include <optional>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What the user sees and does once the delete dialog is up.
struct DialogSeen {
    bool shown = false;
    QString line1;
    QString line2;
    QString wholeGroups;
    int rows = 0;
};

// Acts on the delete dialog as soon as it shows (its modal loop runs the timer).
void WhenDialogShows(TMainForm& form, DialogSeen& seen,
                     std::function<void(TDeleteFilesForm&)> act) {
    auto* timer = new QTimer(&form);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &form, &seen, act] {
        TDeleteFilesForm* dialog = form.DeleteFilesForm;
        if (!dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        seen.shown = true;
        seen.line1 = dialog->Label3->text();
        seen.line2 = dialog->Label4->text();
        seen.rows = dialog->Model().FileCount();
        seen.wholeGroups = dialog->WholeGroupsLabel->text();
        act(*dialog);
    });
    timer->start();
}

void PressYes(TDeleteFilesForm& dialog) {
    dialog.BitBtn1->click();
}

void PressNo(TDeleteFilesForm& dialog) {
    dialog.BitBtn2->click();
}

// A file made immutable (chattr +i) while it lives, where the file system and the rights allow.
struct Immutable {
    std::string path;
    bool set = false;
    explicit Immutable(std::string p) : path(std::move(p)) { set = Flag(true); }
    ~Immutable() {
        if (set)
            Flag(false);
    }
    bool Flag(bool on) const {
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }
};

// A window with its own program folder and its own data home for the Trash.
struct Fixture {
    TempTree program;
    TempTree data;
    std::string dataHome;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;

    Fixture() : dataHome(program.Path("xdg-data")) {
        ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        form = std::make_unique<TMainForm>(dialogs, program.Root() + "/");
        form->show();
    }
    ~Fixture() {
        form.reset();
        ::unsetenv("XDG_DATA_HOME");
    }
    std::string Trash(const std::string& relative) const { return dataHome + "/Trash/" + relative; }
    void Search(const std::vector<std::string>& folders) {
        for (const std::string& f : folders)
            form->AddFolderToList(data.Path(f));
        form->FindFilesButton->setEnabled(true);
        form->FindFilesButton->click();
    }
    // Marks exactly the files under the data tree's folder.
    void MarkUnder(const std::string& folder) {
        form->State.UseMarks = true;
        for (std::int64_t i = 0; i < form->FileList.Count(); ++i) {
            TFile& entry = *form->FileList[i];
            SetFlag(entry, flSelected,
                    EntryPath(form->State, entry).rfind(data.Path(folder) + "/", 0) == 0);
        }
    }
    // Marks every grouped file as Select All does, "Leave at least one" as ticked.
    void SelectAll() { ::SelectAll(form->State, form->LeaveOneCheck->isChecked()); }
    QStringList GridNames() const {
        QStringList names;
        for (int r = 0; r < form->DupeGridData->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < form->DupeGridData->columnCount(); ++c)
                row << form->DupeGridData->index(r, c).data().toString();
            names << row.join(QLatin1Char(','));
        }
        return names;
    }
    bool IndexHoldsRemovedEntries() const {
        for (std::int64_t i = 0; i < form->FileList.Count(); ++i)
            if (HasFlag(*form->FileList[i], flDeleted))
                return true;
        return false;
    }
};

} // namespace

class RemovalWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppearance(*qApp); }

    void dialogIsMadeAtStartWithTheArchiveFolder() {
        Fixture f;
        QVERIFY(f.form->DeleteFilesForm);
        QVERIFY(!f.form->DeleteFilesForm->isVisible());
        QCOMPARE(f.form->ArchiveFolder, f.program.Root() + "/Archive");
        struct stat st;
        QCOMPARE(::stat(f.form->ArchiveFolder.c_str(), &st), 0);
        QVERIFY(S_ISDIR(st.st_mode));
    }

    // With nothing to remove, Delete Dialog says what the user has to do first.
    void withNothingToRemoveTheButtonSaysWhatComesFirst() {
        Fixture f;
        f.data.CreateFile("a/x", "same");
        const auto said = [&] {
            f.dialogs.messages.clear();
            f.form->DeleteButton->click();
            return f.dialogs.messages.size() == 1
                       ? QString::fromStdString(f.dialogs.messages[0].text)
                       : QString();
        };
        QVERIFY(said().contains(QStringLiteral("Add to List")));
        f.form->AddFolderToList(f.data.Path("a"));
        QVERIFY(said().contains(QStringLiteral("Find Duplicates")));
    }

    void selectAllThenTrash() {
        Fixture f;
        const std::string one = f.data.CreatePatternFile("a/one.bin", 5000, 1);
        const std::string two = f.data.CreatePatternFile("a/two.bin", 5000, 1);
        const std::string three = f.data.CreatePatternFile("b/three.bin", 5000, 1);
        const std::string x = f.data.CreatePatternFile("b/x.txt", 3000, 2);
        const std::string y = f.data.CreatePatternFile("b/y.txt", 3000, 2);
        f.Search({"a", "b"});
        QCOMPARE(f.form->DupeGridData->rowCount(), 2);
        f.SelectAll();

        DialogSeen seen;
        WhenDialogShows(*f.form, seen, PressYes);
        QTest::mouseClick(f.form->DeleteButton, Qt::LeftButton);

        QVERIFY(seen.shown);
        QCOMPARE(seen.rows, 3);
        QCOMPARE(seen.line1,
                 QStringLiteral("You're about to put these 3 files into the recycle bin,"));
        // 13,000 bytes: 12.7 kB.
        QCOMPARE(seen.line2, QStringLiteral("clearing approximately 13 kB of diskspace."));
        QVERIFY(f.dialogs.messages.empty());
        // One file of each group stays; the others are in the Trash, each with its record.
        QCOMPARE(int(Exists(one)) + int(Exists(two)) + int(Exists(three)), 1);
        QCOMPARE(int(Exists(x)) + int(Exists(y)), 1);
        for (const std::string& gone : {one, two, three, x, y}) {
            if (Exists(gone))
                continue;
            const std::string name = gone.substr(gone.rfind('/') + 1);
            QVERIFY(Exists(f.Trash("files/" + name)));
            QCOMPARE(DecodedTrashPath(ReadAll(f.Trash("info/" + name + ".trashinfo"))), gone);
        }
        // Both groups fell below two files: their rows and their kept files leave; the
        // header row is all that is left.
        QCOMPARE(f.form->State.DupeGrid.RowCount(), 1);
        QCOMPARE(f.form->FileList.Count(), std::int64_t(0));
        QCOMPARE(f.form->State.NextGroupRow, 1);
        QCOMPARE(f.form->FilesDelLabel->text(), QStringLiteral("3"));
        QCOMPARE(f.form->KbDelLabel->text(), QStringLiteral("13"));
        QCOMPARE(f.form->FilesSelLabel->text(), QString());
        QCOMPARE(f.form->StatusText(), QStringLiteral("Ready."));
        QVERIFY(!f.form->State.Busy);

        // The counters keep growing over a new search.
        f.data.CreatePatternFile("a/four.bin", 2048, 3);
        f.data.CreatePatternFile("a/five.bin", 2048, 3);
        f.form->FindFilesButton->click();
        f.SelectAll();
        WhenDialogShows(*f.form, seen, PressYes);
        f.form->DeleteButton->click();
        QCOMPARE(f.form->FilesDelLabel->text(), QStringLiteral("4"));
        QCOMPARE(f.form->KbDelLabel->text(), QStringLiteral("15"));
    }

    void moveIntoTheArchiveKeepsTakenNames() {
        Fixture f;
        const std::string a = f.data.CreatePatternFile("a/one.bin", 4000, 1);
        const std::string b = f.data.CreatePatternFile("b/one.bin", 4000, 1);
        const std::string bytes = f.data.Read("a/one.bin");
        const std::string taken = f.form->ArchiveFolder + "/one.bin";
        QFile old(QString::fromStdString(taken));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("already here");
        old.close();
        f.Search({"a", "b"});
        f.SelectAll();

        DialogSeen seen;
        QString moveLine;
        WhenDialogShows(*f.form, seen, [&](TDeleteFilesForm& dialog) {
            dialog.MoveArchiveRadio->click();
            moveLine = dialog.Label3->text();
            PressYes(dialog);
        });
        f.form->DeleteButton->click();

        QCOMPARE(moveLine, QStringLiteral("You're about to move these 1 files to folder %1,")
                               .arg(QString::fromStdString(f.form->ArchiveFolder)));
        QVERIFY(f.dialogs.messages.empty());
        QCOMPARE(int(Exists(a)) + int(Exists(b)), 1);
        QCOMPARE(ReadAll(taken), std::string("already here"));
        QCOMPARE(ReadAll(f.form->ArchiveFolder + "/one (2).bin"), bytes);
        QCOMPARE(f.form->FilesDelLabel->text(), QStringLiteral("1"));
        QCOMPARE(f.form->KbDelLabel->text(), QStringLiteral("4"));
        QCOMPARE(f.form->State.DupeGrid.RowCount(), 1);
        // The dialog keeps its method for the next showing.
        QVERIFY(f.form->DeleteFilesForm->MoveArchiveRadio->isChecked());
    }

    void permanentDeletionOnlyBehindItsWarning() {
        Fixture f;
        f.data.CreatePatternFile("a/one.bin", 3000, 1);
        const std::string two = f.data.CreatePatternFile("a/two.bin", 3000, 1);
        f.Search({"a"});
        f.SelectAll();
        f.dialogs.answers = {mrYes}; // the warning of the delete option

        DialogSeen seen;
        QString eraseLine;
        WhenDialogShows(*f.form, seen, [&](TDeleteFilesForm& dialog) {
            dialog.DeleteRadio->click();
            eraseLine = dialog.Label3->text();
            PressYes(dialog);
        });
        f.form->DeleteButton->click();

        QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(f.dialogs.messages[0].type, MsgType::Warning);
        QCOMPARE(f.dialogs.messages[0].buttons, MsgButtons::YesNoCancel);
        QVERIFY(f.dialogs.messages[0].text.rfind("You are strongly discouraged", 0) == 0);
        QCOMPARE(eraseLine, QStringLiteral("You're about to permanently delete these 1 files,"));
        QVERIFY(!Exists(two));
        QVERIFY(!Exists(f.Trash("files/two.bin")));
        QVERIFY(Exists(f.data.Path("a/one.bin")));
        QCOMPARE(f.form->FilesDelLabel->text(), QStringLiteral("1"));
    }

    void noAndCancelChangeNothing_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("No") << false;
        QTest::newRow("Cancel") << true;
    }
    void noAndCancelChangeNothing() {
        QFETCH(bool, cancel);
        Fixture f;
        f.data.CreatePatternFile("a/one.bin", 3000, 1);
        f.data.CreatePatternFile("a/two.bin", 3000, 1);
        f.Search({"a"});
        f.SelectAll();
        const QStringList grid = f.GridNames();
        const SelectionFigures before = UpdateSelectionInfo(f.form->State);
        f.form->SetStatusText("something else");

        DialogSeen seen;
        WhenDialogShows(*f.form, seen, [cancel](TDeleteFilesForm& dialog) {
            (cancel ? dialog.BitBtn3 : dialog.BitBtn2)->click();
        });
        f.form->DeleteButton->click();

        QVERIFY(seen.shown);
        QVERIFY(Exists(f.data.Path("a/one.bin")) && Exists(f.data.Path("a/two.bin")));
        QCOMPARE(f.GridNames(), grid);
        QCOMPARE(UpdateSelectionInfo(f.form->State), before);
        QCOMPARE(f.form->FilesDelLabel->text(), QStringLiteral("0"));
        QCOMPARE(f.form->StatusText(), QStringLiteral("Ready."));
        QVERIFY(!Exists(f.Trash("files")));
    }

    void clicksWhileARemovalWorksStartNothingUnderIt() {
        Fixture f;
        f.data.CreatePatternFile("a/one.bin", 3000, 1);
        f.data.CreatePatternFile("a/two.bin", 3000, 1);
        f.data.CreatePatternFile("a/three.bin", 3000, 1);
        f.Search({"a"});
        f.SelectAll();

        // Delete Dialog and Find Duplicates pressed again while the removal lets messages run.
        DialogSeen seen, again;
        WhenDialogShows(*f.form, seen, [&](TDeleteFilesForm& dialog) {
            QTimer::singleShot(0, f.form.get(), [&] {
                f.form->DeleteButton->click();
                f.form->FindFilesButton->click();
                WhenDialogShows(*f.form, again, [](TDeleteFilesForm& d) { d.BitBtn2->click(); });
            });
            PressYes(dialog);
        });
        f.form->DeleteButton->click();

        QVERIFY(seen.shown);
        QVERIFY(!again.shown);
        QCOMPARE(f.form->FilesDelLabel->text(), QStringLiteral("2"));
        QCOMPARE(f.form->State.DupeGrid.RowCount(), 1);
        QCOMPARE(f.form->FileList.Count(), std::int64_t(0));
        QVERIFY(!f.form->State.Busy);
        QVERIFY(f.form->FindFilesButton->isEnabled());
    }

    void aFileThatCannotGoIsNamedWhileTheRestGo() {
        struct FailTwo : RemovalFaults {
            int FailRemoval(const std::string& path) override {
                return path.find("/two.bin") != std::string::npos ? EACCES : 0;
            }
        } faults;
        ScopedRemovalFaults scope(faults);
        Fixture f;
        f.data.CreatePatternFile("a/one.bin", 3000, 1);
        const std::string two = f.data.CreatePatternFile("a/two.bin", 3000, 1);
        const std::string three = f.data.CreatePatternFile("a/three.bin", 3000, 1);
        f.Search({"a"});
        f.SelectAll();

        DialogSeen seen;
        WhenDialogShows(*f.form, seen, PressYes);
        f.form->DeleteButton->click();

        QCOMPARE(seen.rows, 2);
        // The shell's own error (answered OK: go on), then the one warning of the flow.
        QCOMPARE(f.dialogs.messages.size(), std::size_t(2));
        QCOMPARE(f.dialogs.messages[0].type, MsgType::Error);
        QVERIFY(f.dialogs.messages[0].text.find(two) != std::string::npos);
        QCOMPARE(f.dialogs.messages[1].type, MsgType::Warning);
        QCOMPARE(QString::fromStdString(f.dialogs.messages[1].text),
                 QStringLiteral("Unable to delete two.bin.\r\ra/two.bin: Permission denied"));
        QVERIFY(Exists(two));
        QVERIFY(!Exists(three));
        QCOMPARE(f.form->FilesDelLabel->text(), QStringLiteral("1"));
        // The row keeps the kept file and the failed one, still marked, for a retry.
        QCOMPARE(f.form->DupeGridData->rowCount(), 1);
        QStringList row = f.GridNames().front().split(QLatin1Char(','));
        row.removeAll(QString());
        row.sort();
        QCOMPARE(row, (QStringList{QStringLiteral("one.bin"), QStringLiteral("two.bin")}));
        QCOMPARE(f.form->FilesSelLabel->text(), QStringLiteral("1"));
    }

    void rightAfterASearchTheDialogListsTheFirstFileOfTheFirstGroup() {
        Fixture f;
        f.data.CreatePatternFile("a/one.bin", 3000, 1);
        f.data.CreatePatternFile("a/two.bin", 3000, 1);
        f.Search({"a"});
        QVERIFY(!f.form->State.UseMarks);
        DialogSeen seen;
        WhenDialogShows(*f.form, seen, PressNo);
        f.form->DeleteButton->click();
        QVERIFY(seen.shown);
        QCOMPARE(seen.rows, 1);
        QCOMPARE(f.form->DeleteFilesForm->Model().FilesGrid().Text(0, 1),
                 f.form->State.DupeGrid.Text(0, 1));
        QVERIFY(f.dialogs.messages.empty());
    }

    void ctrlAInTheGridCountsAndListsEveryCopyAndSaysSo() {
        Fixture f;
        for (const char* name : {"a/one.bin", "a/two.bin", "b/three.bin"})
            f.data.CreatePatternFile(name, 3000, 1);
        for (const char* name : {"a/x.txt", "b/y.txt"})
            f.data.CreatePatternFile(name, 2000, 2);
        f.Search({"a", "b"});
        f.form->SelectAllButton->click();
        QCOMPARE(f.form->FilesSelLabel->text(), QStringLiteral("3"));
        f.form->DupeGrid->setFocus();
        QTest::keyClick(f.form->DupeGrid, Qt::Key_A, Qt::ControlModifier);
        // What the figures say is what the dialog lists.
        QCOMPARE(f.form->FilesSelLabel->text(), QStringLiteral("5"));
        DialogSeen seen;
        WhenDialogShows(*f.form, seen, PressNo);
        QTest::keyClick(f.form->DupeGrid, Qt::Key_Delete);
        QCOMPARE(seen.rows, 5);
        QCOMPARE(seen.wholeGroups,
                 QStringLiteral("2 groups lose every copy: none of their files is kept."));

        // Space brings the range back to the current cell; the figures follow.
        QTest::keyClick(f.form->DupeGrid, Qt::Key_Space);
        QCOMPARE(f.form->FilesSelLabel->text(), QStringLiteral("1"));
        WhenDialogShows(*f.form, seen, PressNo);
        f.form->DeleteButton->click();
        QCOMPARE(seen.rows, 1);
        QCOMPARE(seen.wholeGroups, QString());
    }

    void aFileEditedWhileTheDialogIsOpenStaysAndTheUserIsToldWhy() {
        Fixture f;
        const std::string one = f.data.CreatePatternFile("a/one.bin", 3000, 1);
        const std::string two = f.data.CreatePatternFile("b/two.bin", 3000, 1);
        f.Search({"a", "b"});
        f.SelectAll();
        const std::string marked = EntryPath(f.form->State, *f.form->State.DupeGrid.Object(1, 1));
        DialogSeen seen;
        WhenDialogShows(*f.form, seen, [&](TDeleteFilesForm& dialog) {
            std::ofstream(marked, std::ios::app) << "edited";
            PressYes(dialog);
        });
        // The grid shows the state of the files while the boxes are up.
        int paintsBeforeBox = -1, paints = 0;
        struct CountPaints : QObject {
            int& count;
            explicit CountPaints(int& c) : count(c) {}
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint)
                    ++count;
                return false;
            }
        } counter(paints);
        f.form->DupeGrid->viewport()->installEventFilter(&counter);
        f.dialogs.onMessage = [&](const MessageRequest&) {
            if (paintsBeforeBox < 0) {
                const int before = paints;
                QCoreApplication::processEvents(); // what the box's own loop would do
                paintsBeforeBox = paints - before;
            }
        };
        f.form->DeleteButton->click();
        QVERIFY(Exists(one));
        QVERIFY(Exists(two));
        const std::string name = marked.substr(marked.rfind('/') + 1);
        const std::string folder = marked.substr(0, marked.rfind('/'));
        const std::string shown = folder.substr(folder.rfind('/') + 1) + "/" + name;
        // Told once, with its folder and why.
        QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(f.dialogs.messages[0].text),
                 QStringLiteral("Unable to delete %1.\r\r%2: it changed since the search")
                     .arg(QString::fromStdString(name), QString::fromStdString(shown)));
        QVERIFY(paintsBeforeBox > 0);
        QCOMPARE(f.form->FilesDelLabel->text(), QString()); // nothing removed
        QCOMPARE(f.form->FilesSelLabel->text(), QStringLiteral("1"));
    }

    // The real message boxes and progress window: a file early in the batch fails, its box
    // must stay usable above the progress window, and "go on" must go on with the rest.
    void anErrorBoxStaysAboveTheProgressWindowAndGoOnGoesOn() {
        struct FailFirst : RemovalFaults {
            int calls = 0;
            int FailRemoval(const std::string&) override { return calls++ == 0 ? EACCES : 0; }
        } faults;
        ScopedRemovalFaults scope(faults);
        TempTree program, data;
        ::setenv("XDG_DATA_HOME", program.Path("xdg-data").c_str(), 1);
        QtDialogService dialogs;
        TMainForm form(dialogs, program.Root() + "/");
        dialogs.SetOwner(&form);
        form.show();
        // A name of 251 bytes: both boxes must wrap it to stay on the screen.
        const std::string longName = std::string(247, 'l') + ".bin";
        std::vector<std::string> files;
        for (const std::string& name : {longName, std::string("m.bin"), std::string("n.bin")})
            for (const char* folder : {"a/", "b/"})
                files.push_back(data.CreatePatternFile(folder + name, 3000, unsigned(name[0])));
        form.AddFolderToList(data.Path("a"));
        form.AddFolderToList(data.Path("b"));
        form.FindFilesButton->setEnabled(true);
        form.FindFilesButton->click();
        ::SelectAll(form.State, true);

        struct Boxes {
            QElapsedTimer clock;
            QWidget* current = nullptr;
            qint64 since = 0;
            int seen = 0;
            bool firstAboveProgress = false;
            bool coveredByProgress = false;
            int widest = 0;
            int widestProgress = 0;
        } boxes;
        boxes.clock.start();
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, &form, [&] {
            if (form.DeleteFilesForm->isVisible()) {
                PressYes(*form.DeleteFilesForm);
                return;
            }
            for (QProgressDialog* p : form.findChildren<QProgressDialog*>())
                if (p->isVisible())
                    boxes.widestProgress = std::max(boxes.widestProgress, p->width());
            // The open message box, whether or not something covers it.
            QWidget* box = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->findChild<QLabel*>(QStringLiteral("MessageText"),
                                                            Qt::FindDirectChildrenOnly))
                    box = w;
            if (!box)
                return;
            if (auto* cover = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())) {
                // The fault itself: the box can no longer be answered. Move the cover away so
                // that the test can end and report it.
                boxes.coveredByProgress = true;
                cover->hide();
            }
            if (box != boxes.current) {
                boxes.current = box;
                boxes.since = boxes.clock.elapsed();
                boxes.widest = std::max(boxes.widest, box->width());
                if (++boxes.seen == 1)
                    boxes.firstAboveProgress =
                        qobject_cast<QProgressDialog*>(box->parentWidget()) != nullptr;
            }
            // The first box is held past the progress window's own delay before it is answered.
            if (boxes.seen == 1 && boxes.clock.elapsed() - boxes.since < 800)
                return;
            for (QPushButton* b : box->findChildren<QPushButton*>())
                if (b->text() == QStringLiteral("OK")) {
                    boxes.current = nullptr;
                    b->click();
                    return;
                }
        });
        poll.start();
        form.DeleteButton->click();
        poll.stop();

        // The shell's box, then the flow's "Unable to delete".
        QCOMPARE(boxes.seen, 2);
        QVERIFY(boxes.firstAboveProgress);
        QVERIFY(!boxes.coveredByProgress);
        QVERIFY2(boxes.widest < 760, qPrintable(QString::number(boxes.widest)));
        QVERIFY2(boxes.widestProgress < 600, qPrintable(QString::number(boxes.widestProgress)));
        int left = 0;
        for (const std::string& file : files)
            left += Exists(file);
        QCOMPARE(left, 4); // one of each group, and the file that failed
        QCOMPARE(form.FilesDelLabel->text(), QStringLiteral("2"));
        ::unsetenv("XDG_DATA_HOME");
    }

    void deleteKeyInTheGridOpensTheDialog() {
        Fixture f;
        f.data.CreatePatternFile("a/one.bin", 3000, 1);
        const std::string two = f.data.CreatePatternFile("a/two.bin", 3000, 1);
        f.Search({"a"});
        f.SelectAll();
        f.form->DupeGrid->setFocus();

        // Another key is the grid's own.
        DialogSeen seen;
        QTest::keyClick(f.form->DupeGrid, Qt::Key_Right);
        QVERIFY(!f.form->DeleteFilesForm->isVisible());

        WhenDialogShows(*f.form, seen, PressYes);
        QTest::keyClick(f.form->DupeGrid, Qt::Key_Delete, Qt::ShiftModifier);
        QVERIFY(seen.shown);
        QVERIFY(!Exists(two));
        QCOMPARE(f.form->FilesDelLabel->text(), QStringLiteral("1"));
    }

    void highlightedRangeRemovesExactlyItsCells() {
        Fixture f;
        // Two groups of three; the range is the third column of both rows.
        for (const char* n : {"a/p1", "a/p2", "a/p3"})
            f.data.CreatePatternFile(n, 6000, 1);
        for (const char* n : {"a/q1", "a/q2", "a/q3"})
            f.data.CreatePatternFile(n, 5000, 2);
        f.Search({"a"});
        QVERIFY(!f.form->State.UseMarks);
        const QStringList before = f.GridNames();
        QCOMPARE(before.size(), 2);
        DupeGridModel* model = f.form->DupeGridData;
        const QString gone1 = model->index(0, 2).data().toString();
        const QString gone2 = model->index(1, 2).data().toString();
        f.form->DupeGrid->setCurrentIndex(model->index(0, 2));
        f.form->DupeGrid->selectionModel()->select(
            QItemSelection(model->index(0, 2), model->index(1, 2)),
            QItemSelectionModel::ClearAndSelect);

        DialogSeen seen;
        WhenDialogShows(*f.form, seen, PressYes);
        f.form->DeleteButton->click();

        QCOMPARE(seen.rows, 2);
        for (const QString& name : {gone1, gone2})
            QVERIFY(!Exists(f.data.Path("a/" + name.toStdString())));
        QCOMPARE(f.form->DupeGridData->rowCount(), 2);
        for (int r = 0; r < 2; ++r) {
            QCOMPARE(model->index(r, 2).data().toString(), QString());
            for (int c = 0; c < 2; ++c) {
                const QString kept = model->index(r, c).data().toString();
                QCOMPARE(kept, before[r].split(QLatin1Char(','))[c]);
                QVERIFY(Exists(f.data.Path("a/" + kept.toStdString())));
            }
        }
        QCOMPARE(f.form->FilesDelLabel->text(), QStringLiteral("2"));
    }

    void removalAtAPumpPointOfARunningSearch() {
        Fixture f;
        // Three groups, largest first; the removal comes once the first is published.
        for (const char* n : {"a/big1", "a/big2", "a/big3"})
            f.data.CreatePatternFile(n, 90000, 1);
        for (const char* n : {"a/mid1", "a/mid2"})
            f.data.CreatePatternFile(n, 60000, 2);
        for (const char* n : {"a/small1", "a/small2"})
            f.data.CreatePatternFile(n, 30000, 3);
        for (int i = 0; i < 40; ++i)
            f.data.CreatePatternFile("a/u" + std::to_string(i), 20000, 100u + unsigned(i));

        DialogSeen seen;
        bool pressed = false;
        bool searchingAtPress = false;
        auto* poll = new QTimer(f.form.get());
        poll->setInterval(0);
        QObject::connect(poll, &QTimer::timeout, poll, [&] {
            if (!f.form->SearchRunning() || f.form->State.NextGroupRow < 2)
                return;
            poll->stop();
            pressed = true;
            searchingAtPress = f.form->State.Busy;
            f.SelectAll();
            WhenDialogShows(*f.form, seen, PressYes);
            f.form->DeleteButton->click();
        });
        poll->start();
        f.Search({"a"});
        delete poll;

        QVERIFY(pressed);
        QVERIFY(searchingAtPress);
        QVERIFY(seen.shown);
        // Only the complete first row was offered: two of its three copies.
        QCOMPARE(seen.rows, 2);
        int bigLeft = 0;
        for (const char* n : {"a/big1", "a/big2", "a/big3"})
            bigLeft += Exists(f.data.Path(n)) ? 1 : 0;
        QCOMPARE(bigLeft, 1);
        for (const char* n : {"a/mid1", "a/mid2", "a/small1", "a/small2"})
            QVERIFY(Exists(f.data.Path(n)));
        // The search went on: the two later groups fill the rows the first one left.
        QCOMPARE(f.form->StatusText(), QStringLiteral("Ready."));
        QCOMPARE(f.form->DupeGridData->rowCount(), 2);
        const QStringList rows = f.GridNames();
        for (int r = 0; r < 2; ++r) {
            QStringList members = rows[r].split(QLatin1Char(','));
            members.removeAll(QString());
            members.sort();
            QCOMPARE(members.join(QLatin1Char(',')),
                     r == 0 ? QStringLiteral("mid1,mid2") : QStringLiteral("small1,small2"));
        }
        QCOMPARE(f.form->State.NextGroupRow, 3);
        QVERIFY(!f.IndexHoldsRemovedEntries());
        QCOMPARE(f.form->FileList.Count(), std::int64_t(4));
        QCOMPARE(f.form->FilesDelLabel->text(), QStringLiteral("2"));
        // The removed files, marked as they were, no longer count as selected.
        const auto stillSelected = static_cast<std::int64_t>(SelectedFiles(f.form->State).size());
        QCOMPARE(f.form->FilesSelLabel->text(),
                 QString::fromStdString(FormatThousands(stillSelected)));
        QVERIFY(!f.form->SearchRunning());
        QVERIFY(!f.form->State.Busy);
    }

    // While the box for a file the system refuses is open, the user or a program changes another
    // file of the batch; OK goes on with the rest. With every method: a copy whose kept twin
    // changed or went stays, an edited copy stays with its edit, and the user is told once.
    void aChangeWhileAnErrorBoxIsOpenIsCaughtAtTheFileItConcerns_data() {
        QTest::addColumn<int>("method");
        QTest::addColumn<int>("change");
        const char* const methods[] = {"trash", "archive", "erase"};
        const char* const changes[] = {"kept copy replaced", "copy edited", "kept copy deleted"};
        for (int m = 0; m < 3; ++m)
            for (int c = 0; c < 3; ++c)
                QTest::addRow("%s, %s", methods[m], changes[c]) << m << c;
    }
    void aChangeWhileAnErrorBoxIsOpenIsCaughtAtTheFileItConcerns() {
        QFETCH(int, method);
        QFETCH(int, change);
        Fixture f;
        f.data.CreatePatternFile("a/1.bin", 3000, 1);
        const std::string victim1 = f.data.CreatePatternFile("b/1.bin", 3000, 1);
        // The system refuses the first copy: made immutable where the file system and the
        // rights allow it, else refused through the test seam.
        const Immutable immutable(victim1);
        struct RefuseFirst : RemovalFaults {
            int FailRemoval(const std::string& path) override {
                return path.find("/b/1.bin") != std::string::npos ? EPERM : 0;
            }
        } faults;
        std::optional<ScopedRemovalFaults> scope;
        if (!immutable.set)
            scope.emplace(faults);
        const std::string kept2 = f.data.CreatePatternFile("a/2.bin", 2000, 2);
        const std::string victim2 = f.data.CreatePatternFile("b/2.bin", 2000, 2);
        f.Search({"a", "b"});
        f.MarkUnder("b");
        if (method == rmErase)
            f.dialogs.answers = {mrYes}; // the warning of the delete option
        std::map<std::string, std::string> expected;
        f.dialogs.onMessage = [&](const MessageRequest& m) {
            if (m.type != MsgType::Error)
                return;
            switch (change) {
            case 0:
                f.data.CreateFile("a/2.bin", "replaced by a newer version");
                break;
            case 1:
                f.data.CreateFile("b/2.bin", "edited while the box was open");
                break;
            case 2:
                f.data.Remove("a/2.bin");
                break;
            }
            expected = FilesUnder(f.data.Root());
        };
        DialogSeen seen;
        WhenDialogShows(*f.form, seen, [&](TDeleteFilesForm& dialog) {
            (method == rmRecycle ? dialog.RecycleRadio
             : method == rmMove  ? dialog.MoveArchiveRadio
                                 : dialog.DeleteRadio)
                ->click();
            PressYes(dialog);
        });
        f.form->DeleteButton->click();

        QCOMPARE(FilesUnder(f.data.Root()), expected); // nothing went at all
        QVERIFY(!Exists(f.Trash("files/2.bin")));
        QVERIFY(!Exists(f.program.Path("Archive/2.bin")));
        const MessageRequest& last = f.dialogs.messages.back();
        QCOMPARE(last.type, MsgType::Warning);
        const char* why =
            change == 1 ? "it changed since the search" : "its kept copy changed or is gone";
        QCOMPARE(QString::fromStdString(last.text),
                 QStringLiteral("Unable to delete 1.bin and 2.bin.\r\rb/1.bin: %1\rb/2.bin: %2")
                     .arg(QString::fromUtf8(std::strerror(EPERM)), QString::fromUtf8(why)));
        QCOMPARE(f.form->FilesDelLabel->text(), QString());
        QCOMPARE(f.form->KbDelLabel->text(), QString());
        (void)victim2;
        (void)kept2;
    }

    // A program that replaces every kept copy as soon as the first copy of a batch is gone (a
    // sync client does this): the rest stay, and the message names ten and counts the others.
    void aSyncClientThatReplacesKeptCopiesMidwayLosesNothing() {
        struct SyncClient : RemovalFaults {
            TempTree* data = nullptr;
            int files = 0;
            void AtStep(RemovalStep step, const std::string&) override {
                if (step != RemovalStep::BeforeTakingAway || ++files != 2)
                    return;
                for (int g = 0; g < 400; ++g)
                    data->CreateFile("a/" + std::to_string(1000 + g), "synced");
            }
        } sync;
        Fixture f;
        sync.data = &f.data;
        for (int g = 0; g < 400; ++g) {
            const std::string name = std::to_string(1000 + g);
            f.data.CreatePatternFile("a/" + name, 100 + g, unsigned(g));
            f.data.CreatePatternFile("b/" + name, 100 + g, unsigned(g));
        }
        f.Search({"a", "b"});
        QCOMPARE(f.form->DupeGridData->rowCount(), 400);
        f.MarkUnder("b");
        const auto before = FilesUnder(f.data.Path("b"));
        f.dialogs.answers = {mrYes};
        DialogSeen seen;
        WhenDialogShows(*f.form, seen, [&](TDeleteFilesForm& dialog) {
            dialog.DeleteRadio->click();
            PressYes(dialog);
        });
        ScopedRemovalFaults scope(sync);
        f.form->DeleteButton->click();

        // The first went while its kept copy was whole; every other copy is as it was. The
        // message lists them in the order of the dialog (largest first).
        auto expected = before;
        expected.erase("1000");
        QCOMPARE(FilesUnder(f.data.Path("b")), expected);
        QCOMPARE(f.form->FilesDelLabel->text(), QStringLiteral("1"));
        const std::string& text = f.dialogs.messages.back().text;
        QVERIFY2(
            text.rfind("Unable to delete 399 files.\r\rb/1399: its kept copy changed or is gone\r",
                       0) == 0,
            text.c_str());
        QVERIFY(text.ends_with("\r... and 389 more."));
        QCOMPARE(f.form->DupeGridData->rowCount(), 399);
    }

    // Files someone else removed while the dialog was open leave the grid but are not counted.
    void onlyFilesThisRemovalTookAwayCount() {
        Fixture f;
        f.data.CreatePatternFile("a/one.bin", 3000, 1);
        f.data.CreatePatternFile("a/two.bin", 3000, 1);
        f.data.CreatePatternFile("a/three.bin", 3000, 1);
        f.Search({"a"});
        f.SelectAll();
        DialogSeen seen;
        WhenDialogShows(*f.form, seen, [&](TDeleteFilesForm& dialog) {
            // A marked copy, gone before Yes.
            ::unlink(EntryPath(f.form->State, *f.form->State.DupeGrid.Object(1, 1)).c_str());
            PressYes(dialog);
        });
        f.form->DeleteButton->click();
        QCOMPARE(seen.rows, 2);
        QVERIFY(f.dialogs.messages.empty());
        QCOMPARE(f.form->FilesDelLabel->text(), QStringLiteral("1"));
        QCOMPARE(f.form->KbDelLabel->text(), QStringLiteral("3"));
        QCOMPARE(f.form->State.DupeGrid.RowCount(), 1); // the header alone
    }

    void aNameThatIsNoTextGoesToTheTrashAndComesBack() {
        Fixture f;
        const std::string first = f.data.CreatePatternFile("a/\xff\xfe-1.bin", 3000, 1);
        const std::string second = f.data.CreatePatternFile("a/caf\xe9-2.bin", 3000, 1);
        f.Search({"a"});
        QCOMPARE(f.form->DupeGridData->rowCount(), 1);
        f.SelectAll();

        DialogSeen seen;
        WhenDialogShows(*f.form, seen, PressYes);
        f.form->DeleteButton->click();

        QVERIFY(f.dialogs.messages.empty());
        QCOMPARE(f.form->FilesDelLabel->text(), QStringLiteral("1"));
        // Whichever was not kept is in the Trash under its own bytes.
        const std::string gone = Exists(first) ? second : first;
        QVERIFY(!Exists(gone));
        const std::string name = gone.substr(gone.rfind('/') + 1);
        const std::string trashed = f.Trash("files/" + name);
        QVERIFY(Exists(trashed));
        const std::string info = ReadAll(f.Trash("info/" + name + ".trashinfo"));
        QVERIFY(info.rfind("[Trash Info]\n", 0) == 0);
        QVERIFY(info.find("\nDeletionDate=") != std::string::npos);
        QVERIFY(info.find('%') != std::string::npos);
        const std::string recorded = DecodedTrashPath(info);
        QCOMPARE(recorded, gone);
        // What a file manager does to restore it.
        QCOMPARE(::rename(trashed.c_str(), recorded.c_str()), 0);
        QCOMPARE(ReadAll(gone), ReadAll(gone == first ? second : first));
    }
};

QTEST_MAIN(RemovalWindowTest)
#include "RemovalWindowTest.moc"
