// A running operation reaches the screen at most once a frame: label texts, grid rows and the
// folders a walk finds wait for the frame, the end of the operation shows everything, and a
// handler that runs at a pump point meets the grid and the folder list as their views show them.
#include "app/PacedDisplay.h"
#include "app/MainForm.h"
#include "results/DupeGridModel.h"
#include "results/DupeGridView.h"
#include "support/ProbeForm.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Window {
    TempTree program;
    TempTree data;
    ScriptedDialogs dialogs;
    std::unique_ptr<ProbeForm> form;
    Window() {
        form = std::make_unique<ProbeForm>(dialogs, program.Root() + "/");
        form->stillClock = true;
    }

    // Rows of groups as the view knows them, the fixed row included.
    int ShownRows() const {
        return form->DupeGridData->rowCount() + form->DupeGridData->FixedRowCount();
    }
    int GridRows() const { return form->State.DupeGrid.RowCount(); }
    // groups pairs of identical files, each pair of its own size.
    void MakePairs(int groups) {
        for (int g = 0; g < groups; ++g)
            for (const char* copy : {"a", "b"})
                data.CreatePatternFile(std::string(copy) + "/f" + std::to_string(g), 1000 + g,
                                       unsigned(g));
        form->AddFolderToList(data.Path("a"));
        form->AddFolderToList(data.Path("b"));
        form->ValidateControls();
    }
    // A folder "top" with subfolders dFIRST and on, set up for Add to List with subfolders.
    std::string FolderTree(int subfolders, int first) {
        for (int i = 0; i < subfolders; ++i)
            data.CreateDir("top/d" + std::to_string(first + i));
        form->DirectoryEdit1->setText(QString::fromStdString(data.Path("top")));
        form->IncludeSubdirCheck->setChecked(true);
        return data.Path("top");
    }
};

} // namespace

class PacedDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void labelsWaitForTheFrameAndTheEndShowsAll() {
        QLabel label;
        PacedDisplay display;
        display.SetText(&label, QStringLiteral("outside")); // no operation: at once
        QCOMPARE(label.text(), QStringLiteral("outside"));
        {
            const PacedDisplay::Operation op(display);
            display.SetText(&label, QStringLiteral("one"));
            QCOMPARE(label.text(), QStringLiteral("outside"));
            QCOMPARE(display.Text(&label), QStringLiteral("one"));
            display.Pump(1000); // the first pump of an operation draws
            QCOMPARE(label.text(), QStringLiteral("one"));
            display.SetText(&label, QStringLiteral("two"));
            display.Pump(1000 + PacedDisplay::kFrameMs - 1);
            QCOMPARE(label.text(), QStringLiteral("one"));
            display.Pump(1000 + PacedDisplay::kFrameMs);
            QCOMPARE(label.text(), QStringLiteral("two"));
            display.SetText(&label, QStringLiteral("three"));
            display.Pump(500); // a clock that went back draws
            QCOMPARE(label.text(), QStringLiteral("three"));
            display.SetText(&label, QStringLiteral("last"));
        }
        QCOMPARE(label.text(), QStringLiteral("last"));
        QCOMPARE(display.Text(&label), QStringLiteral("last"));
    }

    void viewsDeferOnlyWhileAnOperationRuns() {
        PacedDisplay display;
        std::vector<std::string> calls;
        display.AddView({[&](bool deferred) { calls.push_back(deferred ? "defer" : "show"); },
                         [&](bool all) { calls.push_back(all ? "flush" : "frame"); }});
        {
            const PacedDisplay::Operation outer(display);
            {
                const PacedDisplay::Operation nested(display); // a removal inside a search
            }
            display.Pump(0);
        }
        QCOMPARE(calls, (std::vector<std::string>{"defer", "flush", "frame", "flush", "show"}));
    }

    void groupsReachTheViewInBatchesAndAllAtTheEnd() {
        Window w;
        w.MakePairs(30);
        QAbstractItemModelTester tester(w.form->DupeGridData,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(w.form->DupeGridData, &QAbstractItemModel::rowsInserted);
        int behind = 0;
        w.form->onPump = [&] {
            // The view shows a leading part of the grid, never more.
            QVERIFY(w.ShownRows() <= w.GridRows());
            if (w.ShownRows() < w.GridRows())
                ++behind;
        };
        w.form->FindFilesButton->click();
        QVERIFY(behind > 20);
        // The first group came with the fixed row; the 29 others in one batch at the end.
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(w.ShownRows(), 31);
        QCOMPARE(w.GridRows(), 31);
        QCOMPARE(w.form->StatusText(), QStringLiteral("Ready."));
        QCOMPARE(w.form->DupeFilesLabel->text(), QStringLiteral("Duplicate Files (30 Groups):"));
        QCOMPARE(w.form->FilesCheckedLabel->text(), QStringLiteral("60"));
        // No frame was due, yet the sort, which lets no message run, is announced on screen.
        QCOMPARE(w.form->drawn, (std::vector<QString>{QStringLiteral("Sorting 60 files..")}));
    }

    void aHandlerAtAPumpPointMeetsTheGridAsShown() {
        Window w;
        w.MakePairs(30);
        QAbstractItemModelTester tester(w.form->DupeGridData,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        bool clicked = false;
        const ResultGrid& grid = w.form->State.DupeGrid;
        w.form->onPump = [&] {
            // Once the tenth pair is up in full.
            if (clicked || w.GridRows() != 11 || grid.MembersInRow(10) != 2)
                return;
            clicked = true;
            QVERIFY(w.ShownRows() < w.GridRows());
            w.form->SelectAllButton->click();
            QCOMPARE(w.ShownRows(), w.GridRows());
            QCOMPARE(w.form->FilesSelLabel->text(), QStringLiteral("10")); // one of each pair
        };
        w.form->FindFilesButton->click();
        QVERIFY(clicked);
        QCOMPARE(w.ShownRows(), 31);
    }

    void thePointerOverTheGridShowsItsFileAtTheFrame() {
        Window w;
        w.MakePairs(5);
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        std::string name;
        w.form->onPump = [&] {
            if (!name.empty() || w.ShownRows() < 2)
                return;
            name = w.form->State.DupeGrid.Text(0, 1);
            QWidget* cells = w.form->DupeGrid->viewport();
            const QPoint at = w.form->DupeGrid->CellRect(0, 1).center();
            QMouseEvent move(QEvent::MouseMove, at, cells->mapToGlobal(at), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(cells, &move);
            QCOMPARE(w.form->NameLabel->text(), QStringLiteral("N/A"));
        };
        w.form->FindFilesButton->click();
        QVERIFY(!name.empty());
        QCOMPARE(w.form->NameLabel->text(), QString::fromStdString(name));
    }

    void foldersFoundWaitForTheFrameAndEveryHandlerSeesThem() {
        Window w;
        const std::string top = w.FolderTree(30, 100);
        w.form->onPump = [&] {
            if (w.form->pumps != 10)
                return;
            // The first pump drew the start and the first folder found; nine more wait.
            QCOMPARE(w.form->DirListBox->model()->rowCount(), 2);
            // Remove from List takes the start away from the list as it then is.
            w.form->DirListBox->selectionModel()->select(w.form->DirListBox->model()->index(0, 0),
                                                         QItemSelectionModel::Select);
            w.form->RemoveListButton->click();
            QCOMPARE(w.form->DirListBox->model()->rowCount(), 10);
        };
        w.form->AddDirButton->click();
        // The walk went on adding to the list as the user left it.
        const std::vector<std::string> items = w.form->FolderListItems();
        QCOMPARE(items.size(), std::size_t{30});
        QCOMPARE(items.front(), top + "/d100");
        QCOMPARE(items.back(), top + "/d129");
        QCOMPARE(w.form->StatusText(), QStringLiteral("Ready."));
        QVERIFY(w.form->FindFilesButton->isEnabled());
    }

    void aFrameInsertsFoundFoldersForItsShareOfTimeOnly() {
        Window w;
        const std::string top = w.FolderTree(1000, 1000);
        // The clock stands still while the walk finds every folder, then moves 5 ms at each
        // look: the next frame has a thousand folders to insert and time for a few hundred.
        std::int64_t now = 0;
        std::int64_t step = 0;
        w.form->clock = [&] { return now += step; };
        int afterFrame = -1;
        w.form->onPump = [&] {
            if (step > 0 && afterFrame < 0) {
                afterFrame = w.form->DirListBox->model()->rowCount();
            } else if (step == 0 &&
                       w.form->statuses.back() == "Reading directories.. 1001 found.") {
                QCOMPARE(w.form->DirListBox->model()->rowCount(), 2);
                step = 5;
                now = 1000;
            }
        };
        w.form->AddDirButton->click();
        QVERIFY(afterFrame > 2);
        QVERIFY(afterFrame < 1001);
        // The rest came at later frames or at the end, each folder once, in order.
        const std::vector<std::string> items = w.form->FolderListItems();
        QCOMPARE(items.size(), std::size_t{1001});
        QCOMPARE(items[0], top);
        for (int i = 0; i < 1000; ++i)
            QCOMPARE(items[std::size_t(i) + 1], top + "/d" + std::to_string(1000 + i));
    }
};

QTEST_MAIN(PacedDisplayTest)
#include "PacedDisplayTest.moc"
