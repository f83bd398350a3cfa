// The grid model follows the grid cells as a search and a removal change them.
#include "results/DupeGridModel.h"
#include "results/DupeGridView.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <cstdio>

namespace {

// As a search publishes: the first member fixes the header row.
void Publish(ResultGrid& g, int dataRow, int col, TFile* entry, const std::string& name) {
    if (g.RowCount() == 1) {
        g.SetRowCount(2);
        g.SetFixedRows(1);
        g.SetText(0, 0, " Dupe #1");
    }
    if (dataRow >= g.RowCount() - 1)
        g.SetRowCount(dataRow + 2);
    if (col >= g.ColCount()) {
        g.SetColCount(col + 1);
        g.SetText(col, 0, " Dupe #" + std::to_string(col + 1));
    }
    g.SetText(col, dataRow + 1, name);
    g.SetObject(col, dataRow + 1, entry);
}

// A grid, its model under the model tester, and a view of it.
struct TestedGrid {
    ResultGrid grid;
    DupeGridModel model{grid};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
    DupeGridView view;
    TestedGrid() { view.SetGridModel(&model); }
};

} // namespace

class DupeGridModelTest : public QObject {
    Q_OBJECT
private slots:
    void followsPublicationRemovalAndClear() {
        TestedGrid tested;
        auto& [grid, model, tester, view] = tested;
        QCOMPARE(model.rowCount(), 1);
        QVERIFY(view.horizontalHeader()->isHidden());

        TFile a, b;
        Publish(grid, 0, 0, &a, "a.txt");
        Publish(grid, 0, 1, &b, "b.txt");
        Publish(grid, 1, 0, &a, "c.txt");
        Publish(grid, 1, 1, &b, "d.txt");
        Publish(grid, 1, 2, &b, "e.txt");
        QVERIFY(!view.horizontalHeader()->isHidden());
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral(" Dupe #2"));
        QCOMPARE(model.index(1, 2).data().toString(), QStringLiteral("e.txt"));
        QCOMPARE(model.GridRow(model.index(1, 2)), 2);
        QCOMPARE(model.IndexOfCell(2, 2), model.index(1, 2));

        grid.SetText(2, 2, "renamed");
        QCOMPARE(model.index(1, 2).data().toString(), QStringLiteral("renamed"));
        grid.DeleteRow(1);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("c.txt"));
        grid.Clear();
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.columnCount(), 1);
        QVERIFY(view.horizontalHeader()->isHidden());
    }

    // Every scroll position shows whole rows from the top, the last position too, whatever the
    // height; the last row is then in full view.
    void everyScrollPositionShowsWholeRows() {
        ResultGrid grid;
        DupeGridModel model(grid);
        DupeGridView view;
        view.SetGridModel(&model);
        view.show();
        TFile e;
        for (int r = 0; r < 40; ++r) {
            Publish(grid, r, 0, &e, "file" + std::to_string(r));
            Publish(grid, r, 1, &e, "copy" + std::to_string(r));
        }
        QScrollBar* bar = view.verticalScrollBar();
        const int last = model.rowCount() - 1;
        for (int height : {169, 175, 180, 300}) {
            view.resize(434, height);
            QCoreApplication::processEvents();
            for (int value = bar->minimum(); value <= bar->maximum(); ++value) {
                bar->setValue(value);
                QCOMPARE(view.rowViewportPosition(view.rowAt(0)), 0);
            }
            QVERIFY(view.visualRect(model.index(last, 0)).bottom() < view.viewport()->height());
            // Shrinking the grid at the end keeps the rows whole too.
            view.resize(434, height - 5);
            QCoreApplication::processEvents();
            QCOMPARE(view.rowViewportPosition(view.rowAt(0)), 0);
        }
        // The keyboard's way to the end.
        view.setFocus();
        bar->setValue(0);
        QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(view.rowViewportPosition(view.rowAt(0)), 0);
        QVERIFY(view.visualRect(view.currentIndex()).bottom() < view.viewport()->height());
    }

    void deferredChangesReachTheViewInOneBatch() {
        TestedGrid tested;
        auto& [grid, model, tester, view] = tested;
        TFile e;
        const auto pair = [&](int row) {
            Publish(grid, row, 0, &e, "a" + std::to_string(row));
            Publish(grid, row, 1, &e, "b" + std::to_string(row));
        };
        pair(0);
        model.SetDeferred(true);
        QSignalSpy rows(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy cols(&model, &QAbstractItemModel::columnsInserted);
        QSignalSpy cells(&model, &QAbstractItemModel::dataChanged);
        for (int row = 1; row < 5; ++row)
            pair(row);
        Publish(grid, 4, 2, &e, "c4");
        grid.SetText(1, 1, "renamed"); // a cell the view shows already
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.columnCount(), 2);
        QCOMPARE(rows.count() + cols.count() + cells.count(), 0);
        QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("renamed"));

        model.Flush();
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(rows.count(), 1);
        QCOMPARE(cols.count(), 1);
        QCOMPARE(cells.count(), 1);
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral(" Dupe #3"));
        QCOMPARE(model.index(4, 2).data().toString(), QStringLiteral("c4"));

        // A removal, also of a row not yet shown, meets a view that is up to date.
        for (int row = 5; row < 8; ++row)
            pair(row);
        grid.DeleteRow(7);
        QCOMPARE(model.rowCount(), grid.RowCount() - 1);
        QCOMPARE(model.index(6, 0).data().toString(), QStringLiteral("a7"));
        grid.DeleteCell(0, 2);
        grid.DeleteRow(1);
        QCOMPARE(model.rowCount(), 6);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("b1"));

        // A new search starts the view anew; ending the deferral shows what waits.
        pair(8);
        grid.Clear();
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.columnCount(), 1);
        pair(0);
        pair(1);
        model.SetDeferred(false);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(1, 1).data().toString(), QStringLiteral("b1"));
    }

    // Prints the time to publish and show 100,000 groups; not a timed test.
    void benchmarkHundredThousandRows() {
        ResultGrid grid;
        DupeGridModel model(grid);
        DupeGridView view;
        view.SetGridModel(&model);
        view.resize(434, 169);
        view.show();
        TFile e;
        QElapsedTimer timer;
        timer.start();
        for (int r = 0; r < 100000; ++r) {
            Publish(grid, r, 0, &e, "file" + std::to_string(r) + ".dat");
            Publish(grid, r, 1, &e, "copy" + std::to_string(r) + ".dat");
        }
        const qint64 publish = timer.restart();
        view.scrollToBottom();
        QCoreApplication::processEvents();
        std::printf("100000 groups: published in %lld ms, scrolled and shown in %lld ms\n",
                    static_cast<long long>(publish), static_cast<long long>(timer.elapsed()));
        QCOMPARE(model.rowCount(), 100000);
    }
};

QTEST_MAIN(DupeGridModelTest)
#include "DupeGridModelTest.moc"
