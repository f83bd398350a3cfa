#include "removal/DeleteFilesForm.h"
#include "platform/Locale.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempTree.h"

#include <QApplication>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <deque>
#include <sys/stat.h>

class DeleteFilesFormTest : public QObject {
    Q_OBJECT

    static bool IsDir(const std::string& p) {
        struct stat st;
        return ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }
    void Fill(TDeleteFilesForm& form, int n) {
        form.Model().ClearFiles();
        for (int i = 1; i <= n; ++i) {
            TFile* f = files_.Add("file" + std::to_string(i));
            f->Size = 1000 * i;
            form.Model().SetFileRow(i, f, "/folder");
        }
        form.UpdateNotification();
    }
    // Shows the dialog, runs act once it is open, and returns its result.
    int Show(TDeleteFilesForm& form, std::function<void()> act) {
        QTimer::singleShot(0, &form, [act] { act(); });
        return form.ShowModal();
    }
    TFileList files_;

private slots:
    void initTestCase() { platform::SetUserNumberFormat({",", "."}); }

    void createsTheArchiveFolderAndLaysOutTheWindow() {
        TempTree tree;
        std::string archive = tree.Path("prog/Archive");
        ScriptedDialogs dialogs;
        TDeleteFilesForm form(archive, dialogs);
        QVERIFY(IsDir(archive));
        QCOMPARE(form.windowTitle(), QStringLiteral("Delete Files"));
        QCOMPARE(form.size(), QSize(544, 445));
        QCOMPARE(form.property("helpContext").toInt(), 19);
        QCOMPARE(form.GroupBox2->title(),
                 QStringLiteral("&File List: Click and/or use [shift] to select"));
        QCOMPARE(form.ArchiveEditText->text(), QString::fromStdString(archive));
        QVERIFY(form.RecycleRadio->isChecked());
        QVERIFY(form.ArchiveEdit->isHidden());
        QVERIFY(form.BitBtn1->isDefault());
        QVERIFY(!form.Image1->pixmap().isNull());
        // Tab order: Yes, No, Cancel, then the file list and the options.
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.BitBtn1->setFocus();
        QList<QWidget*> order;
        for (int i = 0; i < 6; ++i) {
            order << QApplication::focusWidget();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, (QList<QWidget*>{form.BitBtn1, form.BitBtn2, form.BitBtn3, form.FilesGrid,
                                         form.RemoveButton, form.RecycleRadio}));
        form.hide();
    }

    void answersYesNoCancelAndEscapeIsNo() {
        std::string archive = "/nonexistent-kelvaro/Archive";
        ScriptedDialogs dialogs;
        TDeleteFilesForm form(archive, dialogs);
        Fill(form, 3);
        QCOMPARE(Show(form, [&] { QTest::mouseClick(form.BitBtn1, Qt::LeftButton); }), mrYes);
        QCOMPARE(Show(form, [&] { QTest::mouseClick(form.BitBtn2, Qt::LeftButton); }), mrNo);
        QCOMPARE(Show(form, [&] { QTest::mouseClick(form.BitBtn3, Qt::LeftButton); }), mrCancel);
        QCOMPARE(Show(form, [&] { QTest::keyClick(&form, Qt::Key_Escape); }), mrNo);
        QCOMPARE(Show(form, [&] { form.close(); }), mrCancel);
        QCOMPARE(Show(form, [&] { QTest::keyClick(form.FilesGrid, Qt::Key_Return); }), mrYes);
    }

    void removeButtonTakesTheSelectedRowsOff() {
        std::string archive = "/nonexistent-kelvaro/Archive";
        ScriptedDialogs dialogs;
        TDeleteFilesForm form(archive, dialogs);
        Fill(form, 5);
        int shownCount = -1;
        QString firstName;
        Show(form, [&] {
            auto* sel = form.FilesGrid->selectionModel();
            auto* m = form.FilesModel();
            sel->select(QItemSelection(m->index(1, 0), m->index(2, 1)),
                        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            QTest::mouseClick(form.RemoveButton, Qt::LeftButton);
            shownCount = m->rowCount();
            firstName = m->index(1, 0).data().toString();
            form.done(mrNo);
        });
        QCOMPARE(shownCount, 3);
        QCOMPARE(firstName, QStringLiteral("file4"));
        QCOMPARE(form.Label3->text(),
                 QStringLiteral("You're about to put these 3 files into the recycle bin,"));
        QCOMPARE(form.Model().FileCount(), 3);
    }

    void declinedWarningFallsBackToTheTrash() {
        TempTree tree;
        std::string archive = tree.Path("Archive");
        ScriptedDialogs dialogs;
        TDeleteFilesForm form(archive, dialogs);
        Fill(form, 1);
        form.MoveArchiveRadio->click();
        QCOMPARE(form.Model().RemoveMethod(), rmMove);
        QVERIFY(!form.ArchiveEdit->isHidden());
        QCOMPARE(form.Label3->text(),
                 QStringLiteral("You're about to move these 1 files to folder ") +
                     QString::fromStdString(archive) + QStringLiteral(","));
        dialogs.answers = {mrNo};
        form.DeleteRadio->click();
        QCOMPARE(dialogs.messages.size(), size_t(1));
        QCOMPARE(dialogs.messages[0].type, MsgType::Warning);
        QCOMPARE(dialogs.messages[0].buttons, MsgButtons::YesNoCancel);
        QVERIFY(dialogs.messages[0].text.rfind("You are strongly discouraged", 0) == 0);
        QVERIFY(form.RecycleRadio->isChecked());
        QCOMPARE(form.Model().RemoveMethod(), rmRecycle);
        QVERIFY(form.ArchiveEdit->isHidden());

        dialogs.answers = {mrYes};
        form.DeleteRadio->click();
        QVERIFY(form.DeleteRadio->isChecked());
        QCOMPARE(form.Model().RemoveMethod(), rmErase);
        QCOMPARE(form.Label3->text(),
                 QStringLiteral("You're about to permanently delete these 1 files,"));
    }

    void archiveFolderBoxCreatesRefusesEmptyAndKeepsItsStateBetweenShowings() {
        TempTree tree;
        std::string archive = tree.Path("Archive");
        ScriptedDialogs dialogs;
        TDeleteFilesForm form(archive, dialogs);
        Fill(form, 2);
        Show(form, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&form));
            form.MoveArchiveRadio->click();
            form.ArchiveEditText->setText(QString::fromStdString(tree.Path("other/deep")));
            form.RemoveButton->setFocus(); // leaving the box
            form.done(mrCancel);
        });
        QVERIFY(IsDir(tree.Path("other/deep")));
        QCOMPARE(archive, tree.Path("other/deep"));

        bool visibleOnReopen = false;
        Show(form, [&] {
            visibleOnReopen = form.MoveArchiveRadio->isChecked() && form.ArchiveEdit->isVisible();
            form.ArchiveEditText->setText(QString());
            form.ArchiveEditExit();
            form.done(mrNo);
        });
        QVERIFY(visibleOnReopen);
        QCOMPARE(archive, tree.Path("other/deep"));
        QCOMPARE(dialogs.messages.back().text, std::string("Unable to create directory."));
        QCOMPARE(dialogs.messages.back().type, MsgType::Error);

        dialogs.fileAnswers = {tree.Path("browsed")};
        form.ArchiveBrowseClick();
        QCOMPARE(dialogs.fileAsks.back().title, std::string("Select Archive Folder"));
        QCOMPARE(archive, tree.Path("browsed"));
        QVERIFY(IsDir(archive));
    }

    void screenshot() {
        std::string archive = "/home/user/Archive";
        ScriptedDialogs dialogs;
        TDeleteFilesForm form(archive, dialogs);
        Fill(form, 4);
        form.MoveArchiveRadio->click();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QString out = qEnvironmentVariable("KELVARO_SHOT");
        if (!out.isEmpty())
            form.grab().save(out);
        QVERIFY(!form.grab().isNull());
    }
};

QTEST_MAIN(DeleteFilesFormTest)
#include "DeleteFilesFormTest.moc"
