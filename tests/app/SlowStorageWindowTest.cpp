// The real window on storage that hangs or leaves few descriptors: the test file system
// (tests/testfs) mounted over a tree. Mounting needs root and /dev/fuse; without them each test
// says why and is skipped.
#include "app/MainForm.h"
#include "support/DescriptorLimit.h"
#include "support/QtInput.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"
#include "support/TestFsMount.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

struct Window {
    TempTree program;
    TempTree data;
    ScriptedDialogs dialogs;
    std::unique_ptr<TestFsMount> mount;
    std::unique_ptr<TMainForm> form;

    // Mounts the file system over data's "src" at "mnt" and opens the window; false where it
    // cannot mount.
    bool Open(const std::vector<std::string>& options) {
        mount = std::make_unique<TestFsMount>(KELVARO_TESTFS, data.Path("src"), data.Path("mnt"),
                                              options);
        if (!mount->Why().empty())
            return false;
        form = std::make_unique<TMainForm>(dialogs, program.Root() + "/");
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }
    ~Window() {
        form.reset();
        mount.reset();
    }
    void Add(const std::string& relative) {
        form->DirectoryEdit1->setText(QString::fromStdString(data.Path(relative)));
        if (form->IncludeSubdirCheck->isChecked())
            QTest::mouseClick(form->IncludeSubdirCheck, Qt::LeftButton);
        QTest::mouseClick(form->AddDirButton, Qt::LeftButton);
    }
};

} // namespace

class SlowStorageWindowTest : public QObject {
    Q_OBJECT

private slots:
    void stopAnswersWhileAReadHangs() {
        Window w;
        w.data.CreatePatternFile("src/1/hangs", 300000, 1);
        w.data.CreatePatternFile("src/2/hangs", 300000, 1);
        w.data.CreatePatternFile("src/1/small", 1000, 2);
        w.data.CreatePatternFile("src/2/small", 1000, 2);
        if (!w.Open({"--hang-read", "hangs"}))
            QSKIP(qPrintable(QString::fromStdString(w.mount->Why())));
        w.Add("mnt/1");
        w.Add("mnt/2");
        // Should the window wait for the read after all, the read is let go after ten seconds
        // and the test fails rather than hangs.
        QTimer::singleShot(10000, w.form.get(), [&w] { w.mount->Release(); });

        Clock::time_point analysing{};
        Clock::time_point stopped{};
        auto* poll = new QTimer(w.form.get());
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, poll, [&] {
            if (!w.form->SearchRunning() ||
                !w.form->StatusText().startsWith(QStringLiteral("Analysing")))
                return;
            if (analysing == Clock::time_point{}) {
                analysing = Clock::now();
            } else if (Clock::now() - analysing > std::chrono::milliseconds(300)) {
                poll->stop();
                stopped = Clock::now();
                QTest::mouseClick(w.form->BitBtn1, Qt::LeftButton);
            }
        });
        poll->start();
        QTest::mouseClick(w.form->FindFilesButton, Qt::LeftButton);
        const Clock::time_point returned = Clock::now();
        delete poll;

        QVERIFY(stopped != Clock::time_point{});
        QVERIFY2(returned - stopped < std::chrono::seconds(1), "Stop! waited for the read");
        QCOMPARE(w.form->StatusText(), QStringLiteral("Search operation terminated by user."));
        QCOMPARE(w.dialogs.messages.size(), std::size_t(1));
        QVERIFY(w.form->FindFilesButton->isEnabled());
        QCOMPARE(w.form->State.DupeGrid.RowCount(), 1);
    }

    void aFewFreeDescriptorsStillFinishTheSearch() {
        Window w;
        for (int d = 0; d < 8; ++d)
            for (int f = 0; f < 8; ++f)
                w.data.CreatePatternFile("src/t/d" + std::to_string(d) + "/f" + std::to_string(f),
                                         1500 + 100 * (f % 4), unsigned(f));
        if (!w.Open({"--read-delay", "2", "--stat-delay", "1"}))
            QSKIP(qPrintable(QString::fromStdString(w.mount->Why())));
        w.form->DirectoryEdit1->setText(QString::fromStdString(w.data.Path("mnt/t")));
        if (!w.form->IncludeSubdirCheck->isChecked())
            QTest::mouseClick(w.form->IncludeSubdirCheck, Qt::LeftButton);
        // Three descriptors left to the window once it runs: the readers must leave it some.
        DescriptorLimit limit(256, 3);
        QTest::mouseClick(w.form->AddDirButton, Qt::LeftButton);
        QCOMPARE(w.form->DirListBox->model()->rowCount(), 9);
        QTest::mouseClick(w.form->FindFilesButton, Qt::LeftButton);
        QCOMPARE(w.form->StatusText(), QStringLiteral("Ready."));
        QVERIFY(w.dialogs.messages.empty());
        // Eight contents, each in every folder.
        QCOMPARE(w.form->State.DupeGrid.RowCount(), 1 + 8);
    }

    // A share whose files show another inode number at every look: nothing can be grouped
    // there safely, and the window says so once instead of finding nothing in silence.
    void aShareThatChangesIdentitiesIsToldOnce() {
        Window w;
        for (const char* name : {"src/a/x", "src/a/y", "src/a/z"})
            w.data.CreatePatternFile(name, 2000, 1);
        if (!w.Open({"--unstable-inodes"}))
            QSKIP(qPrintable(QString::fromStdString(w.mount->Why())));
        w.Add("mnt/a");
        QTest::mouseClick(w.form->FindFilesButton, Qt::LeftButton);
        QCOMPARE(w.form->State.DupeGrid.RowCount(), 1);
        QCOMPARE(w.dialogs.messages.size(), std::size_t(1));
        const std::string& text = w.dialogs.messages[0].text;
        QVERIFY2(text.rfind("Files such as " + w.data.Path("mnt/a/"), 0) == 0, text.c_str());
        QVERIFY(text.find("none of them was grouped") != std::string::npos);
    }
};

QTEST_MAIN(SlowStorageWindowTest)
#include "SlowStorageWindowTest.moc"
