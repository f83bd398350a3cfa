// Renders the main window at its design size and widened, and the about box, into PNGs, for
// people to look at. Run under a virtual X server by scripts/screenshot.sh.
#include "app/AboutForm.h"
#include "app/Appearance.h"
#include "app/MainForm.h"
#include "removal/DeleteFilesForm.h"
#include "results/DupeGridView.h"
#include "results/Selection.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyAppearance(app);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    TempTree programFolder;
    QFile::copy(QStringLiteral(KELVARO_HELP_FILE),
                QString::fromStdString(programFolder.Path("kelvaro.html")));
    ScriptedDialogs dialogs;
    TMainForm form(dialogs, programFolder.Root() + "/");
    for (const char* f : {"/home/me/Pictures", "/home/me/Pictures/2019", "/home/me/Documents"})
        form.AddFolderToList(f);
    form.show();
    QTest::qWait(200);
    form.Step2GroupMouseMove();
    QTest::qWait(50);
    form.grab().save(out + QStringLiteral("/main-design.png"));

    form.resize(TMainForm::kDesignWidth + 180, TMainForm::kDesignHeight + 120);
    form.Step3GroupMouseMove();
    QTest::qWait(200);
    form.grab().save(out + QStringLiteral("/main-resized.png"));

    form.AboutForm->show();
    QTest::qWait(200);
    form.AboutForm->grab().save(out + QStringLiteral("/about.png"));
    form.AboutForm->hide();

    // The delete dialog as step 5 fills it from a real search, answered No.
    TempTree data;
    for (const char* name : {"a/holiday.jpg", "b/holiday copy.jpg", "b/holiday (2).jpg"})
        data.CreatePatternFile(name, 250000, 1);
    for (const char* name : {"a/report.pdf", "b/report-final.pdf"})
        data.CreatePatternFile(name, 90000, 2);
    form.AddFolderToList(data.Path("a"));
    form.AddFolderToList(data.Path("b"));
    form.FindFilesButtonClick();
    SelectAll(form.State, true);
    QTimer::singleShot(300, form.DeleteFilesForm, [&] {
        form.DeleteFilesForm->grab().save(out + QStringLiteral("/delete-dialog.png"));
        form.DeleteFilesForm->BitBtn2->click();
    });
    form.DeleteFiles();
    // Without "Leave at least one": the dialog warns that both groups lose every copy.
    SelectAll(form.State, false);
    QTimer::singleShot(300, form.DeleteFilesForm, [&] {
        form.DeleteFilesForm->grab().save(out + QStringLiteral("/delete-dialog-whole-groups.png"));
        form.DeleteFilesForm->BitBtn2->click();
    });
    form.DeleteFiles();

    // The grid after a search: the marks of Select All, then a range made with the mouse.
    TempTree gridData;
    const char* names[] = {"holiday.jpg", "holiday (copy).jpg", "scan.pdf", "scan-old.pdf",
                           "notes.txt",   "notes.bak",          "notes.old"};
    const unsigned seeds[] = {1, 1, 2, 2, 3, 3, 3};
    for (int i = 0; i < 7; ++i)
        gridData.CreatePatternFile(std::string(i % 2 ? "b/" : "a/") + names[i],
                                   3000 + 500 * seeds[i], seeds[i]);
    TMainForm results(dialogs, programFolder.Root() + "/");
    results.AddFolderToList(gridData.Path("a"));
    results.AddFolderToList(gridData.Path("b"));
    results.show();
    results.FindFilesButton->setEnabled(true);
    results.FindFilesButton->click();
    results.SelectAllButton->click();
    QTest::qWait(200);
    results.grab().save(out + QStringLiteral("/main-marks.png"));
    QWidget* cells = results.DupeGrid->viewport();
    QTest::mouseClick(cells, Qt::LeftButton, {}, results.DupeGrid->CellRect(1, 1).center());
    QTest::mouseClick(cells, Qt::LeftButton, Qt::ShiftModifier,
                      results.DupeGrid->CellRect(2, 3).center());
    QTest::qWait(200);
    results.grab().save(out + QStringLiteral("/main-range.png"));
    return 0;
}
