// The result grid and the selection of copies, driven through the real window after a real
// search: mouse and keys on the grid, the step-4 buttons and arrows, the figures and the panel.
#include "app/Appearance.h"
#include "app/MainForm.h"
#include "app/UpDown.h"
#include "results/DupeGridModel.h"
#include "results/DupeGridView.h"
#include "results/Selection.h"
#include "search/FormatThousands.h"
#include "support/QtInput.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// Three groups over the folders a, a/sub and b:
//   report.doc (2000 bytes) in a, b and a/sub (as reportx.doc);
//   pic.zip / pic2.ZIP (1536 bytes) in a and b;
//   README / README2 (2560 bytes), both in b.
// and one file without a copy.
struct SearchedWindow {
    TempTree program;
    TempTree data;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;

    SearchedWindow() {
        data.CreatePatternFile("a/report.doc", 2000, 1);
        data.CreatePatternFile("b/report.doc", 2000, 1);
        data.CreatePatternFile("a/sub/reportx.doc", 2000, 1);
        data.CreatePatternFile("a/pic.zip", 1536, 2);
        data.CreatePatternFile("b/pic2.ZIP", 1536, 2);
        data.CreatePatternFile("b/README", 2560, 3);
        data.CreatePatternFile("b/README2", 2560, 3);
        data.CreatePatternFile("b/single.txt", 700, 4);
        form = std::make_unique<TMainForm>(dialogs, program.Root() + "/");
        form->show();
        for (const char* f : {"a", "a/sub", "b"})
            form->AddFolderToList(data.Path(f));
        form->FindFilesButton->setEnabled(true);
        QTest::mouseClick(form->FindFilesButton, Qt::LeftButton);
    }

    DupeGridView* Grid() const { return form->DupeGrid; }
    QWidget* Cells() const { return form->DupeGrid->viewport(); }
    const ResultGrid& Cellgrid() const { return form->State.DupeGrid; }

    // The grid cell of a file name.
    QPoint Find(const std::string& name) const {
        const ResultGrid& g = Cellgrid();
        for (int row = 1; row < g.RowCount(); ++row)
            for (int col = 0; col < g.ColCount(); ++col)
                if (g.Object(col, row) && g.Text(col, row) == name)
                    return {col, row};
        return {-1, -1};
    }
    QPoint At(QPoint cell) const { return Grid()->CellRect(cell.x(), cell.y()).center(); }
    QPoint At(const std::string& name) const { return At(Find(name)); }
    QPoint EmptyCell() const {
        const ResultGrid& g = Cellgrid();
        for (int row = 1; row < g.RowCount(); ++row)
            for (int col = 0; col < g.ColCount(); ++col)
                if (!g.Object(col, row))
                    return {col, row};
        return {-1, -1};
    }

    // The colour the grid shows at the bottom-right corner of a cell, clear of its text.
    QColor Shown(QPoint cell) const {
        const QImage image = Cells()->grab().toImage();
        const QRect r = Grid()->CellRect(cell.x(), cell.y());
        return image.pixelColor(r.right() - 1, r.bottom() - 1);
    }
    void Move(QPoint pos) const {
        SendMouse(Cells(), QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
    }
    std::string PathOf(QPoint cell) const {
        return EntryPath(form->State, *Cellgrid().Object(cell.x(), cell.y()));
    }
    QColor Highlight() const { return Grid()->palette().color(QPalette::Highlight); }
    QColor Plain() const { return Grid()->palette().color(QPalette::Base); }

    bool Marked(const std::string& name) const {
        const QPoint c = Find(name);
        return HasFlag(*Cellgrid().Object(c.x(), c.y()), flSelected);
    }
    QString Selected() const { return form->FilesSelLabel->text(); }
};

} // namespace

class GridSelectionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppearance(*qApp); }

    void beforeAnySearchTheOneCellIsAnEmptyHeader() {
        TempTree program;
        ScriptedDialogs dialogs;
        TMainForm form(dialogs, program.Root() + "/");
        form.show();
        QVERIFY(form.DupeGrid->horizontalHeader()->isHidden());
        QCOMPARE(form.DupeGridData->rowCount(), 1);
        const QRect r = form.DupeGrid->CellRect(0, 0);
        QCOMPARE(r.size(),
                 QSize(DupeGridView::kDefaultColWidth - 1, DupeGridView::kDefaultRowHeight - 1));
        // Even as the current cell in the range, it keeps the header colours.
        QTest::mouseClick(form.DupeGrid->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(form.State.HighlightedRange, (GridRect{0, 0, 0, 0}));
        const QImage image = form.DupeGrid->viewport()->grab().toImage();
        for (QPoint p : {r.topLeft(), r.center(), r.bottomRight()})
            QCOMPARE(image.pixelColor(p), form.DupeGrid->palette().color(QPalette::Button));
    }

    void headerStripRightOfTheLastColumnKeepsTheGridsColoursInEveryStep() {
        SearchedWindow w;
        QHeaderView* header = w.Grid()->horizontalHeader();
        const int right = header->sectionViewportPosition(w.Cellgrid().ColCount() - 1) +
                          header->sectionSize(w.Cellgrid().ColCount() - 1);
        QVERIFY(right + 10 < header->viewport()->width());
        const QPoint strip(right + 5, header->height() / 2);
        const QColor face = w.Grid()->palette().color(QPalette::Button);
        const std::function<void()> light[] = {
            [&] { w.form->Step1GroupMouseMove(); }, [&] { w.form->Step2GroupMouseMove(); },
            [&] { w.form->Step3GroupMouseMove(); }, [&] { w.form->Step4GroupMouseMove(); },
            [&] { w.form->Step5GroupMouseMove(); },
        };
        for (const auto& step : light) {
            step();
            QCOMPARE(header->viewport()->grab().toImage().pixelColor(strip), face);
        }
    }

    void searchFixesTheHeaderRowAndModelStaysConsistent() {
        SearchedWindow w;
        QAbstractItemModelTester tester(w.form->DupeGridData,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(!w.Grid()->horizontalHeader()->isHidden());
        QCOMPARE(w.Cellgrid().RowCount(), 4);
        QCOMPARE(w.Cellgrid().ColCount(), 3);
        QCOMPARE(w.Grid()->horizontalHeader()->sectionSize(0), 90);
        // Pressing the header row selects nothing and does not switch from the marks.
        w.form->SelectAllButton->click();
        QTest::mouseClick(w.Grid()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(20, 5));
        QVERIFY(w.form->State.UseMarks);

        // A removed row keeps the widths the user gave the columns.
        w.Grid()->horizontalHeader()->resizeSection(1, 150);
        QTest::mouseClick(w.Cells(), Qt::LeftButton, {}, w.At(w.Find("README")));
        w.form->State.DupeGrid.DeleteRow(1);
        QCOMPARE(w.form->DupeGridData->rowCount(), 2);
        QCOMPARE(w.Grid()->horizontalHeader()->sectionSize(1), 150);
        // The range moves with its row.
        const QPoint moved = w.Find("README");
        if (moved.y() >= 1)
            QCOMPARE(w.form->State.HighlightedRange,
                     (GridRect{moved.x(), moved.y(), moved.x(), moved.y()}));

        // The last group row takes the fixed row with it: one plain cell again.
        while (w.Cellgrid().RowCount() > 1)
            w.form->State.DupeGrid.DeleteRow(w.Cellgrid().RowCount() - 1);
        QCOMPARE(w.form->DupeGridData->rowCount(), 1);
        QVERIFY(w.Grid()->horizontalHeader()->isHidden());
        QVERIFY(SelectedFiles(w.form->State).empty());
    }

    void marksAndRangeAreDrawnByTheSelectionInForce() {
        SearchedWindow w;
        w.form->SelectAllButton->click();
        QVERIFY(w.form->State.UseMarks);
        // Grouped files 7, groups 3: one per group left.
        QCOMPARE(w.Selected(), QStringLiteral("4"));
        const ResultGrid& g = w.Cellgrid();
        for (int row = 1; row < g.RowCount(); ++row)
            for (int col = 0; col < g.ColCount(); ++col) {
                const TFile* f = g.Object(col, row);
                const bool marked = f && HasFlag(*f, flSelected);
                QCOMPARE(marked, f && col > 0);
                QCOMPARE(w.Shown({col, row}), marked ? w.Highlight() : w.Plain());
            }

        // One click switches to the range: the marks vanish, the cell alone counts.
        const QPoint first = w.Find("README");
        QTest::mouseClick(w.Cells(), Qt::LeftButton, {}, w.At(first));
        QVERIFY(!w.form->State.UseMarks);
        QCOMPARE(w.Selected(), QStringLiteral("1"));
        QCOMPARE(SelectedFiles(w.form->State).size(), std::size_t(1));
        QCOMPARE(w.Shown(first), w.Highlight());
        const QPoint other = w.Find("README2");
        QCOMPARE(w.Shown(other), w.Plain());

        // Shift with a click spans a rectangle, empty cells drawn highlighted too.
        const QPoint empty = w.EmptyCell();
        QVERIFY(empty.x() > 0);
        QTest::mouseClick(w.Cells(), Qt::LeftButton, Qt::ShiftModifier,
                          w.At(QPoint(g.ColCount() - 1, g.RowCount() - 1)));
        QCOMPARE(w.form->State.HighlightedRange,
                 (GridRect{std::min(first.x(), g.ColCount() - 1), first.y(), g.ColCount() - 1,
                           g.RowCount() - 1}));
        QCOMPARE(w.Shown(empty), w.Highlight());
    }

    void dragAndKeysSelectAndRaiseTheClick() {
        SearchedWindow w;
        const ResultGrid& g = w.Cellgrid();
        w.form->SelectAllButton->click();
        // A drag from column 1 of the first group row to the last cell: every file but the
        // first of each group, and "Leave at least one" does not apply to a range.
        const QPoint from = w.At(QPoint(1, 1)), to = w.At(QPoint(g.ColCount() - 1, 3));
        SendMouse(w.Cells(), QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        SendMouse(w.Cells(), QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        QVERIFY(w.form->State.UseMarks); // not before the release
        SendMouse(w.Cells(), QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        QVERIFY(!w.form->State.UseMarks);
        QCOMPARE(w.form->State.HighlightedRange, (GridRect{1, 1, g.ColCount() - 1, 3}));
        QCOMPARE(w.Selected(), QStringLiteral("4"));

        // Arrow keys move the current cell; Shift with them extends the range.
        w.form->SelectAllButton->click();
        QTest::keyClick(w.Grid(), Qt::Key_Left);
        QVERIFY(!w.form->State.UseMarks);
        QTest::keyClick(w.Grid(), Qt::Key_Up, Qt::ShiftModifier);
        const GridRect r = w.form->State.HighlightedRange;
        QCOMPARE(r.Bottom - r.Top, 1);
        QCOMPARE(r.Left, r.Right);
        QTest::keyClick(w.Grid(), Qt::Key_Tab);
        QCOMPARE(w.form->State.HighlightedRange.Left, r.Left + 1);
    }

    void theFirstFileOfTheFirstGroupIsCurrentAfterEverySearch() {
        SearchedWindow w;
        QCOMPARE(w.Grid()->CurrentCell(), std::optional<QPoint>(QPoint(0, 1)));
        QCOMPARE(w.form->State.HighlightedRange, (GridRect{0, 1, 0, 1}));
        QCOMPARE(SelectedFiles(w.form->State),
                 std::vector<TFile*>{w.form->State.DupeGrid.Object(0, 1)});
        QTest::mouseClick(w.Cells(), Qt::LeftButton, {}, w.At(QPoint(1, 2)));
        w.form->FindFilesButton->click();
        QCOMPARE(w.Grid()->CurrentCell(), std::optional<QPoint>(QPoint(0, 1)));
    }

    void everyKeyThatChangesTheRangeRecountsTheFigures() {
        SearchedWindow w;
        w.form->SelectAllButton->click();
        w.Grid()->setFocus();
        auto figuresMatch = [&] {
            return w.Selected() == QString::fromStdString(FormatThousands(
                                       std::int64_t(SelectedFiles(w.form->State).size())));
        };
        // Ctrl+A highlights every cell: all seven grouped files, counted at once.
        QTest::keyClick(w.Grid(), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!w.form->State.UseMarks);
        QCOMPARE(w.Selected(), QStringLiteral("7"));
        for (auto [key, mods] : {std::pair{Qt::Key_Space, Qt::KeyboardModifiers{}},
                                 {Qt::Key_Right, Qt::ShiftModifier},
                                 {Qt::Key_Space, Qt::ControlModifier},
                                 {Qt::Key_End, Qt::ShiftModifier},
                                 {Qt::Key_PageDown, Qt::ShiftModifier},
                                 {Qt::Key_A, Qt::ControlModifier}}) {
            QTest::keyClick(w.Grid(), key, mods);
            QVERIFY2(figuresMatch(), qPrintable(QString::number(key)));
        }
    }

    void rightClickAndColumnResizeDoNotSwitch() {
        SearchedWindow w;
        w.form->SelectAllButton->click();
        const QString marked = w.Selected();
        QTest::mouseClick(w.Cells(), Qt::RightButton, {}, w.At("report.doc"));
        QTest::mouseClick(w.Cells(), Qt::MiddleButton, {}, w.At("README"));
        QVERIFY(w.form->State.UseMarks);
        QVERIFY(!w.Grid()->CurrentCell() || w.Grid()->CurrentCell() != w.Find("README"));

        QHeaderView* header = w.Grid()->horizontalHeader();
        QWidget* strip = header->viewport();
        const int border = header->sectionViewportPosition(0) + header->sectionSize(0) - 1;
        SendMouse(strip, QEvent::MouseButtonPress, {border, 5}, Qt::LeftButton, Qt::LeftButton);
        SendMouse(strip, QEvent::MouseMove, {border + 40, 5}, Qt::NoButton, Qt::LeftButton);
        SendMouse(strip, QEvent::MouseButtonRelease, {border + 40, 5}, Qt::LeftButton,
                  Qt::NoButton);
        QCOMPARE(header->sectionSize(0), 130);
        QVERIFY(w.form->State.UseMarks);
        QCOMPARE(w.Selected(), marked);
    }

    void fileInfoFollowsTheMouseAndTheCurrentCell() {
        SearchedWindow w;
        const std::string big = w.data.CreatePatternFile("c/big.bin", 1234567, 9);
        w.data.CreatePatternFile("c/big2.bin", 1234567, 9);
        w.form->AddFolderToList(w.data.Path("c"));
        w.form->FindFilesButton->click();

        w.Move(w.At("big.bin"));
        QCOMPARE(w.form->NameLabel->text(), QStringLiteral("big.bin"));
        QCOMPARE(w.form->SizeLabel->text(), Text(FormatThousands(1234567) + " bytes"));
        QVERIFY(w.form->SizeLabel->text().contains(QStringLiteral("234")));
        QCOMPARE(w.form->DirLabel->text(), Text(w.data.Path("c")));
        QCOMPARE(w.form->StatusLabel->text(), QStringLiteral("Present"));
        QVERIFY(!w.form->DateLabel->text().isEmpty());

        // The header row and an empty cell leave the panel as it is.
        w.Move(w.At(w.EmptyCell()));
        QCOMPARE(w.form->NameLabel->text(), QStringLiteral("big.bin"));

        // A file removed behind the program's back.
        w.data.Remove("b/README");
        w.Move(w.At("README"));
        QCOMPARE(w.form->NameLabel->text(), QString());
        QCOMPARE(w.form->SizeLabel->text(), QString());
        QCOMPARE(w.form->DateLabel->text(), QString());
        QCOMPARE(w.form->DirLabel->text(), Text(w.data.Path("b")));
        QCOMPARE(w.form->StatusLabel->text(), QStringLiteral("Deleted"));

        // The keyboard's current cell writes the panel too.
        QTest::mouseClick(w.Cells(), Qt::LeftButton, {}, w.At("pic.zip"));
        QCOMPARE(w.form->NameLabel->text(), QStringLiteral("pic.zip"));

        const std::string empty = w.data.CreateFile("c/empty", "");
        w.form->ShowFileInfo(empty);
        QCOMPARE(w.form->SizeLabel->text(), QStringLiteral(" bytes"));
        QCOMPARE(w.form->StatusLabel->text(), QStringLiteral("Present"));
        (void)big;
    }

    void doubleClickAndOpenActOnTheCurrentCell() {
        SearchedWindow w;
        QTest::mouseDClick(w.Cells(), Qt::LeftButton, {}, w.At("pic.zip"));
        QCOMPARE(w.dialogs.opened, (std::vector<std::string>{w.data.Path("a/pic.zip")}));

        QTest::mouseDClick(w.Cells(), Qt::LeftButton, {}, w.At(w.EmptyCell()));
        w.data.Remove("b/README2");
        QTest::mouseDClick(w.Cells(), Qt::LeftButton, {}, w.At("README2"));
        QCOMPARE(w.dialogs.opened.size(), std::size_t(1));

        // The menu: Open in bold as the default, a separator, the two selections.
        const QList<QAction*> items = w.form->PopupMenu1->actions();
        QCOMPARE(items.size(), 4);
        QCOMPARE(w.form->PopupMenu1->defaultAction(), items[0]);
        QCOMPARE(items[0]->text(), QStringLiteral("Open"));
        QVERIFY(items[1]->isSeparator());
        QCOMPARE(items[2]->text(), QStringLiteral("Select All"));
        QCOMPARE(items[3]->text(), QStringLiteral("Select by Dir"));

        // Right-clicking another file and choosing Open opens the current cell's file.
        QTest::mouseClick(w.Cells(), Qt::LeftButton, {}, w.At("report.doc"));
        QTest::mouseClick(w.Cells(), Qt::RightButton, {}, w.At("README"));
        items[0]->trigger();
        QCOMPARE(w.dialogs.opened.back(), w.PathOf(w.Find("report.doc")));
        items[2]->trigger();
        QVERIFY(w.form->State.UseMarks);
    }

    // The right button opens the menu over the cells and over the fixed row alike, where it
    // was pressed.
    void menuOpensOverTheCellsAndTheHeaderRow() {
        SearchedWindow w;
        QMenu* menu = w.form->PopupMenu1;
        const auto rightClick = [&](QWidget* target, QPoint pos) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
            QApplication::sendEvent(target, &event);
            const bool shown = menu->isVisible();
            const QPoint at = menu->pos();
            menu->hide();
            return shown ? at : QPoint(-1, -1);
        };
        const QPoint cell = w.At("README");
        QCOMPARE(rightClick(w.Cells(), cell), w.Cells()->mapToGlobal(cell));
        QWidget* header = w.Grid()->horizontalHeader()->viewport();
        QCOMPARE(rightClick(header, QPoint(30, 5)), header->mapToGlobal(QPoint(30, 5)));
    }

    void maskFromAPressedFileAndArrowsSelectAtOnce() {
        SearchedWindow w;
        QToolButton* left = w.form->PatternUpDown->LeftButton();
        QToolButton* right = w.form->PatternUpDown->RightButton();
        // Any button sets the mask; nothing is selected by it.
        QTest::mouseClick(w.Cells(), Qt::RightButton, {}, w.At("report.doc"));
        QCOMPARE(w.form->PatternEdit->text(), QStringLiteral("report.doc"));
        QVERIFY(!w.form->State.UseMarks);
        QTest::mouseClick(right, Qt::LeftButton); // at the maximum: nothing
        QCOMPARE(w.form->PatternEdit->text(), QStringLiteral("report.doc"));
        QVERIFY(!w.form->State.UseMarks);

        QTest::mouseClick(left, Qt::LeftButton);
        QCOMPARE(w.form->PatternEdit->text(), QStringLiteral("repor*.doc"));
        QVERIFY(w.form->State.UseMarks);
        // report.doc twice and reportx.doc: the whole group, so its first stays unmarked.
        QCOMPARE(w.Selected(), QStringLiteral("2"));
        QVERIFY(!w.Marked("README"));
        for (int i = 0; i < 10; ++i)
            QTest::mouseClick(left, Qt::LeftButton);
        QCOMPARE(w.form->PatternEdit->text(), QStringLiteral("r*.doc"));
        QCOMPARE(w.form->PatternUpDown->Position(), 1);
        QTest::mouseClick(right, Qt::LeftButton);
        QCOMPARE(w.form->PatternEdit->text(), QStringLiteral("re*.doc"));

        // "*.ZIP" matches "pic.zip"; without "Leave at least one" both copies.
        w.form->LeaveOneCheck->setChecked(false);
        w.form->PatternEdit->setText(QStringLiteral("*.ZIP"));
        w.form->SelectPatternButton->click();
        QCOMPARE(w.Selected(), QStringLiteral("2"));
        QVERIFY(w.Marked("pic.zip") && w.Marked("pic2.ZIP"));
        // "*.*" leaves the names without a dot; the empty mask matches nothing.
        w.form->PatternEdit->setText(QStringLiteral("*.*"));
        w.form->SelectPatternButton->click();
        QVERIFY(!w.Marked("README") && w.Marked("report.doc"));
        w.form->PatternEdit->clear();
        w.form->SelectPatternButton->click();
        QCOMPARE(w.Selected(), QString());

        // README: no extension, the arrows shorten it to "READM*".
        QTest::mouseClick(w.Cells(), Qt::LeftButton, {}, w.At("README"));
        QTest::mouseClick(left, Qt::LeftButton);
        QCOMPARE(w.form->PatternEdit->text(), QStringLiteral("READM*"));
        QCOMPARE(w.Selected(), QStringLiteral("2"));
    }

    void invalidMaskReachesTheErrorBoxAndChangesNoMark() {
        SearchedWindow w;
        w.form->SelectAllButton->click();
        const QString before = w.Selected();
        w.form->PatternEdit->setText(QStringLiteral("[a-"));
        w.form->SelectPatternButton->click();
        QCOMPARE(w.dialogs.messages.size(), std::size_t(1));
        QVERIFY(Text(w.dialogs.messages[0].text).contains(QStringLiteral("invalid mask")));
        QCOMPARE(w.Selected(), before);
        QCOMPARE(SelectedFiles(w.form->State).size(), std::size_t(4));
    }

    void rightArrowBeforeAnyPressGivesStar() {
        SearchedWindow w;
        QTest::mouseClick(w.form->PatternUpDown->RightButton(), Qt::LeftButton);
        QCOMPARE(w.form->PatternEdit->text(), QStringLiteral("*"));
        QCOMPARE(w.Selected(), QStringLiteral("4"));
    }

    void selectByFolderMarksOnlyThatFolder() {
        SearchedWindow w;
        QListView* list = w.form->DirListBox;
        const auto selectOnly = [&](const std::string& folder) {
            list->clearSelection();
            for (int i = 0; i < list->model()->rowCount(); ++i) {
                const QModelIndex index = list->model()->index(i, 0);
                if (index.data(Qt::UserRole).toByteArray() ==
                    QByteArray::fromStdString(w.data.Path(folder)))
                    list->selectionModel()->select(index, QItemSelectionModel::Select);
            }
        };
        // Nothing highlighted: the message, then every mark cleared.
        w.form->SelectAllButton->click();
        w.form->SelectByDirButton->click();
        QCOMPARE(w.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(Text(w.dialogs.messages[0].text), QString::fromUtf8(kNoFolderHighlightedText));
        QCOMPARE(w.Selected(), QString());

        selectOnly("b");
        w.form->SelectByDirButton->click();
        // README and README2 lie wholly in b: the first stays; report.doc and pic2.ZIP of b.
        QVERIFY(!w.Marked("reportx.doc"));
        QCOMPARE(w.Selected(), QStringLiteral("3"));
        QCOMPARE(w.form->KbSelLabel->text(),
                 Text(FormatThousands(RoundKiloBytes(2560 + 2000 + 1536))));

        w.form->LeaveOneCheck->setChecked(false);
        QCOMPARE(w.Selected(), QStringLiteral("3")); // the box alone changes nothing
        w.form->SelectByDirButton->click();
        QCOMPARE(w.Selected(), QStringLiteral("4"));

        // "a" is not "a/sub".
        selectOnly("a");
        w.form->SelectByDirButton->click();
        QVERIFY(w.Marked("pic.zip"));
        QVERIFY(!w.Marked("reportx.doc"));
        QCOMPARE(w.Selected(), QStringLiteral("2"));
    }

    void kilobyteFiguresOfARange() {
        SearchedWindow w;
        QTest::mouseClick(w.Cells(), Qt::LeftButton, {}, w.At("pic.zip"));
        QCOMPARE(w.form->KbSelLabel->text(), QStringLiteral("2")); // 1536 bytes
        QTest::mouseClick(w.Cells(), Qt::LeftButton, {}, w.At("README"));
        QCOMPARE(w.form->KbSelLabel->text(), QStringLiteral("2")); // 2560 bytes
        QTest::mouseClick(w.Cells(), Qt::LeftButton, {}, w.At(w.EmptyCell()));
        QCOMPARE(w.Selected(), QString());
        QCOMPARE(w.form->KbSelLabel->text(), QString());
        QCOMPARE(w.form->FilesDelLabel->text(), QString());
    }
};

QTEST_MAIN(GridSelectionTest)
#include "GridSelectionTest.moc"
