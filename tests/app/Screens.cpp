// Renders the main window at its design size and widened, and the about box, into PNGs, for
// people to look at. Run under a virtual X server by scripts/screenshot.sh.
#include "app/AboutForm.h"
#include "app/Appearance.h"
#include "app/MainForm.h"
#include "results/DupeGridView.h"
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

    // The grid after a search: the marks of Select All, then a range made with the mouse.
    TempTree data;
    const char* names[] = {"holiday.jpg", "holiday (copy).jpg", "scan.pdf", "scan-old.pdf",
                           "notes.txt",   "notes.bak",          "notes.old"};
    const unsigned seeds[] = {1, 1, 2, 2, 3, 3, 3};
    for (int i = 0; i < 7; ++i)
        data.CreatePatternFile(std::string(i % 2 ? "b/" : "a/") + names[i], 3000 + 500 * seeds[i],
                               seeds[i]);
    TMainForm results(dialogs, programFolder.Root() + "/");
    results.AddFolderToList(data.Path("a"));
    results.AddFolderToList(data.Path("b"));
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
