// Steps 1 and 2 driven through the real window on real temporary folders. Every window gets a
// program folder of its own.
#include "folders/FolderList.h"
#include "app/MainForm.h"
#include "search/ResultGrid.h"
#include "support/ProbeForm.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

namespace {

struct Fixture {
    TempTree program;
    TempTree tree;
    ScriptedDialogs dialogs;
    std::unique_ptr<ProbeForm> form;
    Fixture() { form = std::make_unique<ProbeForm>(dialogs, program.Root() + "/"); }

    void Add(const std::string& folder, bool subfolders) {
        form->DirectoryEdit1->setText(QString::fromStdString(folder));
        form->IncludeSubdirCheck->setChecked(subfolders);
        form->AddDirButton->click();
    }
    std::vector<std::string> Items() { return form->FolderListItems(); }
    std::vector<std::string> Under(std::vector<std::string> relative) {
        for (auto& r : relative)
            r = r.empty() ? tree.Root() : tree.Path(r);
        return relative;
    }
    void SetProtection(bool on) {
        const QSignalBlocker quiet(form->ProtectFoldersCheck); // no safety question
        form->ProtectFoldersCheck->setChecked(on);
    }
};

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// What the walk must count under a folder: every folder not hidden, beneath no hidden one,
// reached without a link.
int CountTree(const std::string& root) {
    namespace fs = std::filesystem;
    int count = 1;
    std::error_code ec;
    fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec),
        end;
    for (; !ec && it != end; it.increment(ec)) {
        const bool hidden = it->path().filename().string().front() == '.';
        if (it->is_symlink(ec) || !it->is_directory(ec) || hidden) {
            if (hidden && it->is_directory(ec) && !it->is_symlink(ec))
                it.disable_recursion_pending();
            continue;
        }
        ++count;
    }
    return count;
}

} // namespace

class FolderListTest : public QObject {
    Q_OBJECT
private slots:
    void addWithoutSubfoldersListsTheFolderAsTypedAndLeavesTheStatus() {
        Fixture f;
        f.tree.CreateDir("data/sub");
        f.form->SetStatusText("untouched");
        f.Add(f.tree.Path("data") + "/", false);
        f.Add(f.tree.Path("missing"), false); // listed although it does not exist
        f.Add(f.tree.Path("data"), false);    // the same entry: nothing new
        QCOMPARE(f.Items(), f.Under({"data", "missing"}));
        QCOMPARE(f.form->StatusText(), QStringLiteral("untouched"));
        QVERIFY(f.form->ClearListButton->isEnabled());
        QVERIFY(f.form->FindFilesButton->isEnabled());

        // An empty field does nothing at all.
        f.Add("", true);
        QCOMPARE(f.Items().size(), std::size_t{2});
        QCOMPARE(f.form->StatusText(), QStringLiteral("untouched"));

        // Paths keep their case and compare exactly; the display sorts without regard to case.
        f.form->Button4Click();
        for (const char* name : {"b", "B", "a", "C"})
            f.Add(f.tree.Path(name), false);
        QCOMPARE(f.Items(), f.Under({"a", "B", "b", "C"})); // ties go by the bytes
        QVERIFY(f.form->AddFolderToList(f.tree.Path("B")) < 0);
    }

    void walkListsTheTreeButNoHiddenTreeOrLink() {
        Fixture f;
        for (const char* d : {"top/b", "top/a/deep", "top/.hidden/x", "top/b/.cache/y"})
            f.tree.CreateDir(d);
        f.tree.CreateFile("top/file", "x");
        f.tree.CreateSymlink("top/loop", f.tree.Path("top"));
        f.tree.CreateSymlink("top/elsewhere", f.tree.Path("other"));
        f.tree.CreateDir("other/z");
        f.Add(f.tree.Path("top"), true);
        QCOMPARE(f.Items(), f.Under({"top", "top/a", "top/a/deep", "top/b"}));
        QCOMPARE(f.form->statuses.back(), std::string("Ready."));
        // The count grows by one per folder found, the start included.
        const std::vector<std::string> expected{"Reading directories.. 2 found.",
                                                "Reading directories.. 3 found.",
                                                "Reading directories.. 4 found.", "Ready."};
        QCOMPARE(f.form->statuses, expected);

        // A hidden folder typed directly is listed and its plain subfolders are walked.
        f.Add(f.tree.Path("top/.hidden"), true);
        QVERIFY(f.Items() ==
                f.Under({"top", "top/.hidden", "top/.hidden/x", "top/a", "top/a/deep", "top/b"}));

        // An entry already listed is not listed twice, but its tree is still walked.
        f.form->DirListBox->selectionModel()->select(f.form->DirListBox->model()->index(5, 0),
                                                     QItemSelectionModel::Select); // top/b
        f.form->DirListBox->selectionModel()->select(f.form->DirListBox->model()->index(3, 0),
                                                     QItemSelectionModel::Select); // top/a
        f.form->DeleteDirectories();
        f.Add(f.tree.Path("top"), true);
        QCOMPARE(f.Items().size(), std::size_t{6});
        QVERIFY(!f.form->State.Busy);
        QVERIFY(f.form->AddDirButton->isEnabled());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void protectionKeepsSystemTreesOutButWalksThem() {
        Fixture f;
        QVERIFY(f.form->ProtectFoldersCheck->isChecked());
        f.Add("/usr", false);
        f.Add("/etc/", false);
        f.Add("/usr/share", false);
        f.tree.CreateDir("usr-old");
        f.Add(f.tree.Path("usr-old"), false);
        QCOMPARE(f.Items(), f.Under({"usr-old"}));

        // The protected tree itself lists nothing, yet it is read and counted in full.
        const int folders = CountTree("/etc");
        f.Add("/etc", true);
        QCOMPARE(f.Items(), f.Under({"usr-old"}));
        QCOMPARE(f.form->statuses.back(), std::string("Ready."));
        if (folders > 1)
            QCOMPARE(f.form->statuses[f.form->statuses.size() - 2],
                     "Reading directories.. " + std::to_string(folders) + " found.");

        // Without protection system folders are listed; turning it on again removes nothing.
        f.SetProtection(false);
        f.Add("/usr", false);
        f.SetProtection(true);
        f.Add("/etc", false);
        auto expected = f.Under({"usr-old"});
        expected.push_back("/usr");
        std::sort(expected.begin(), expected.end(), FolderLess);
        QCOMPARE(f.Items(), expected);
    }

    void stopDuringAWalkKeepsWhatWasFoundAndRestoresTheWindow() {
        Fixture f;
        for (int i = 0; i < 40; ++i)
            f.tree.CreateDir("top/d" + std::to_string(i) + "/inner");
        int pumps = 0;
        bool searchRefused = false;
        f.form->onPump = [&] {
            if (++pumps != 5)
                return;
            // Mid-walk: busy, Add to List and Find Duplicates off, the busy cursor up.
            QVERIFY(f.form->State.Busy);
            QVERIFY(!f.form->AddDirButton->isEnabled());
            QVERIFY(!f.form->FindFilesButton->isEnabled());
            QVERIFY(QApplication::overrideCursor() != nullptr);
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
            // Neither a second walk nor a search starts meanwhile, even after a list change.
            const auto before = f.Items();
            f.form->AddDirButtonClick();
            f.form->DirListBox->selectionModel()->select(f.form->DirListBox->model()->index(0, 0),
                                                         QItemSelectionModel::Select);
            QVERIFY(!f.form->FindFilesButton->isEnabled());
            f.form->FindFilesButtonClick();
            searchRefused = f.Items() == before && f.form->State.DupeGrid.RowCount() <= 1;
            f.form->BitBtn1->click();
        };
        f.Add(f.tree.Path("top"), true);
        f.form->onPump = nullptr;
        QVERIFY(searchRefused);
        const auto& s = f.form->statuses;
        QCOMPARE(s[s.size() - 2], std::string("Ready."));
        QCOMPARE(s.back(), std::string("Operation Cancelled."));
        QCOMPARE(f.Items().size(), std::size_t{6}); // the start and five found before the stop
        QVERIFY(!f.form->State.Busy);
        QVERIFY(!f.form->State.StopFlag);
        QVERIFY(f.form->AddDirButton->isEnabled());
        QVERIFY(f.form->FindFilesButton->isEnabled());
        QVERIFY(QApplication::overrideCursor() == nullptr);

        // The next walk runs to the end.
        f.form->statuses.clear();
        f.Add(f.tree.Path("top"), true);
        QCOMPARE(f.Items().size(), std::size_t{81});
        QCOMPARE(f.form->statuses.back(), std::string("Ready."));
    }

    void storeWritesTheEntriesExactly() {
        Fixture f;
        // Right after start-up Store List works on the empty list and writes an empty file.
        QVERIFY(f.form->StoreListButton->isEnabled());
        const std::string empty = f.tree.Path("empty.txt");
        f.dialogs.fileAnswers.push_back(empty);
        f.form->StoreListButton->click();
        QCOMPARE(f.dialogs.fileAsks.back().kind, std::string("save"));
        QCOMPARE(f.dialogs.fileAsks.back().title, std::string("Store folder list"));
        QCOMPARE(f.dialogs.fileAsks.back().fileName, std::string("Folders.txt"));
        QCOMPARE(f.dialogs.fileAsks.back().filter, std::string("Text files (*.txt)|*.txt"));
        QVERIFY(std::filesystem::exists(empty));
        QCOMPARE(ReadBytes(empty), std::string());

        for (const char* d : {"/m/b", "/m/A", "/m/caf\xe9", "/m/\xc3\xa9t\xc3\xa9"})
            f.form->AddFolderToList(d);
        const std::string list = f.tree.Path("Folders.txt");
        f.dialogs.fileAnswers.push_back(list);
        f.form->StoreListButton->click();
        QCOMPARE(ReadBytes(list),
                 std::string("/m/A\r\n/m/b\r\n/m/caf\xe9\r\n/m/\xc3\xa9t\xc3\xa9\r\n"));

        // Cancelled: nothing written. Refused: the error box, the list as it was.
        f.form->StoreListButton->click();
        const std::string bad = f.tree.Path("no/such/folder/l.txt");
        f.dialogs.fileAnswers.push_back(bad);
        f.form->StoreListButton->click();
        QCOMPARE(f.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(f.dialogs.messages[0].title, std::string("Kelvaro"));
        QCOMPARE(f.dialogs.messages[0].text, "Cannot create file " + bad + ".");
        QCOMPARE(f.Items().size(), std::size_t{4});
        QVERIFY(!std::filesystem::exists(bad));
    }

    // A name with a line break would come back as two wrong entries: it is named and left out,
    // the others are stored and come back as they were.
    void storeLeavesOutNamesWithLineBreaks() {
        Fixture f;
        for (const char* d : {"/m/a", "/m/two\nlines", "/m/b", "/m/cr\rhere"})
            f.form->AddFolderToList(d);
        const std::string list = f.tree.Path("Folders.txt");
        f.dialogs.fileAnswers.push_back(list);
        f.form->StoreListButton->click();
        QCOMPARE(ReadBytes(list), std::string("/m/a\r\n/m/b\r\n"));
        QCOMPARE(f.dialogs.messages.size(), std::size_t{1});
        const MessageRequest m = f.dialogs.messages[0];
        QCOMPARE(m.type, MsgType::Warning);
        QCOMPARE(m.text, std::string("These folders were not stored: a folder list holds one "
                                     "folder per line, and their names hold a line break.\r\r"
                                     "/m/cr\\x0Dhere\r/m/two\\x0Alines"));
        QCOMPARE(f.Items().size(), std::size_t{4}); // the list itself is as it was
        f.dialogs.fileAnswers.push_back(list);
        f.form->LoadListButton->click();
        QCOMPARE(f.Items(), (std::vector<std::string>{"/m/a", "/m/b"}));

        // Many such names: ten of them, and how many more.
        for (int i = 0; i < 12; ++i)
            f.form->AddFolderToList("/n/" + std::to_string(i + 10) + "\n");
        f.dialogs.fileAnswers.push_back(list);
        f.form->StoreListButton->click();
        const std::string text = f.dialogs.messages.back().text;
        QVERIFY(text.find("/n/19\\x0A") != std::string::npos);
        QVERIFY(text.find("/n/20") == std::string::npos);
        QVERIFY(text.ends_with("\r... and 2 more."));
    }

    void retrieveReplacesTheListWithEveryLine() {
        Fixture f;
        // Validation runs also when the dialog is cancelled: the empty list's Store goes off.
        f.form->LoadListButton->click();
        QCOMPARE(f.dialogs.fileAsks.back().kind, std::string("open"));
        QCOMPARE(f.dialogs.fileAsks.back().title, std::string("Retrieve Folder List"));
        QCOMPARE(f.dialogs.fileAsks.back().fileName, std::string("Folders.txt"));
        QCOMPARE(f.dialogs.fileAsks.back().filter, std::string("Text files (*.txt)|*.txt"));
        QVERIFY(!f.form->StoreListButton->isEnabled());

        f.form->AddFolderToList("/old");
        static const char bytes[] = "/b\r\n\r\n/a\r/c\n/caf\xe9\n/usr\r\n/a\n/d\0/e\r\n";
        const std::string list = f.tree.CreateFile("l.txt", std::string(bytes, sizeof bytes - 1));
        f.dialogs.fileAnswers.push_back(list);
        f.form->LoadListButton->click();
        // Not normalised, not filtered by the protection, duplicates kept, sorted for display.
        QCOMPARE(f.Items(),
                 (std::vector<std::string>{"", "/a", "/a", "/b", "/c", "/caf\xe9", "/d", "/usr"}));
        QCOMPARE(f.form->DirListBox->model()->index(5, 0).data().toString(),
                 QStringLiteral("/caf\\xE9"));
        QVERIFY(f.form->StoreListButton->isEnabled());
        QVERIFY(!f.form->RemoveListButton->isEnabled());

        // b, an empty line and a, with a trailing line ending.
        f.dialogs.fileAnswers.push_back(f.tree.CreateFile("s.txt", "b\r\n\r\na\r\n"));
        f.form->LoadListButton->click();
        QCOMPARE(f.Items(), (std::vector<std::string>{"", "a", "b"}));

        // Refused files leave the list as it was.
        const auto before = f.Items();
        const std::string missing = f.tree.Path("missing.txt");
        f.dialogs.fileAnswers.push_back(missing);
        f.form->LoadListButton->click();
        QCOMPARE(f.dialogs.messages.back().text, "Cannot open file " + missing + ".");
        std::string many;
        for (int i = 0; i <= kFolderListCapacity; ++i)
            many += "\n";
        f.dialogs.fileAnswers.push_back(f.tree.CreateFile("many.txt", many));
        f.form->LoadListButton->click();
        QCOMPARE(f.dialogs.messages.back().text, std::string("Unable to insert a line."));
        QCOMPARE(f.Items(), before);
        QCOMPARE(f.dialogs.messages.size(), std::size_t{2});
    }

    void aFullListEndsTheWalkAndRestoresTheWindow() {
        Fixture f;
        f.dialogs.fileAnswers.push_back(
            f.tree.CreateFile("full.txt", std::string(kFolderListCapacity - 1, '\n')));
        f.form->LoadListButton->click();
        QCOMPARE(f.form->DirListBox->model()->rowCount(), kFolderListCapacity - 1);
        f.tree.CreateDir("top/a");
        f.tree.CreateDir("top/b");
        f.Add(f.tree.Path("top"), true);
        QCOMPARE(f.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(f.dialogs.messages[0].text, std::string("Unable to insert a line."));
        QCOMPARE(f.form->DirListBox->model()->rowCount(), kFolderListCapacity);
        QCOMPARE(f.form->statuses.back(), std::string("Operation Cancelled."));
        QVERIFY(!f.form->State.Busy);
        QVERIFY(f.form->AddDirButton->isEnabled());
        QVERIFY(f.form->FindFilesButton->isEnabled());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // Add to List and Find Duplicates from the keyboard keep the focus: the next Space adds
    // again instead of toggling the box that would have taken the focus.
    void buttonsUsedFromTheKeyboardKeepTheFocus() {
        Fixture f;
        f.form->show();
        f.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        f.tree.CreateDir("a/sub");
        f.form->DirectoryEdit1->setText(QString::fromStdString(f.tree.Path("a")));
        f.form->IncludeSubdirCheck->setChecked(true);
        f.form->AddDirButton->setFocus();
        QTest::keyClick(f.form->AddDirButton, Qt::Key_Space);
        QCOMPARE(f.Items().size(), std::size_t{2});
        QVERIFY(f.form->AddDirButton->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(f.form->IncludeSubdirCheck->isChecked());

        f.form->FindFilesButton->setFocus();
        QTest::keyClick(f.form->FindFilesButton, Qt::Key_Space);
        QCOMPARE(f.form->StatusText(), QStringLiteral("Ready."));
        QVERIFY(f.form->FindFilesButton->hasFocus());

        // Moved by the user during the walk, the focus stays where the user put it.
        f.form->onPump = [&] { f.form->DirListBox->setFocus(); };
        f.form->AddDirButton->setFocus();
        QTest::keyClick(f.form->AddDirButton, Qt::Key_Space);
        QVERIFY(f.form->DirListBox->hasFocus());
    }

    void browseStartsAtTheFieldAndFillsIt() {
        Fixture f;
        f.form->DirectoryEdit1->setText(QStringLiteral("/start/here"));
        f.dialogs.fileAnswers.push_back(std::nullopt);
        f.form->DirectoryEdit1ButtonClick();
        QCOMPARE(f.form->DirectoryEdit1->text(), QStringLiteral("/start/here")); // cancelled
        f.dialogs.fileAnswers.push_back(f.tree.Root());
        f.form->DirectoryEdit1ButtonClick();
        QCOMPARE(f.dialogs.fileAsks.size(), std::size_t{2});
        QCOMPARE(f.dialogs.fileAsks[0].kind, std::string("browse"));
        QCOMPARE(f.dialogs.fileAsks[0].fileName, std::string("/start/here"));
        QCOMPARE(f.form->DirectoryEdit1->text(), QString::fromStdString(f.tree.Root()));
        // "~" is the home folder, as in a shell.
        f.Add("~/", false);
        QCOMPARE(f.Items(), (std::vector<std::string>{QDir::homePath().toStdString()}));
    }

    void buttonsFollowTheListAndItsHighlight() {
        Fixture f;
        QVERIFY(!f.form->RemoveListButton->isEnabled());
        QVERIFY(!f.form->ClearListButton->isEnabled());
        QVERIFY(!f.form->FindFilesButton->isEnabled());
        QVERIFY(f.form->LoadListButton->isEnabled());
        QVERIFY(f.form->StoreListButton->isEnabled());

        for (const char* d : {"/x/one", "/x/two", "/x/three"})
            f.Add(d, false);
        QVERIFY(!f.form->RemoveListButton->isEnabled());
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));

        // Delete with nothing highlighted changes nothing.
        QTest::keyClick(f.form->DirListBox, Qt::Key_Delete);
        QCOMPARE(f.Items().size(), std::size_t{3});

        // A click highlights an entry and enables Remove; Shift+Delete removes it.
        const QRect first =
            f.form->DirListBox->visualRect(f.form->DirListBox->model()->index(0, 0));
        QTest::mouseClick(f.form->DirListBox->viewport(), Qt::LeftButton, {}, first.center());
        QVERIFY(f.form->RemoveListButton->isEnabled());
        QTest::keyClick(f.form->DirListBox, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(f.Items(), (std::vector<std::string>{"/x/three", "/x/two"}));

        // Everything highlighted and removed: the step 2 and 3 buttons go off.
        f.form->DirListBox->selectAll();
        QVERIFY(f.form->RemoveListButton->isEnabled());
        f.form->RemoveListButton->click();
        QCOMPARE(f.form->DirListBox->model()->rowCount(), 0);
        QVERIFY(!f.form->RemoveListButton->isEnabled());
        QVERIFY(!f.form->ClearListButton->isEnabled());
        QVERIFY(!f.form->StoreListButton->isEnabled());
        QVERIFY(!f.form->FindFilesButton->isEnabled());
        QVERIFY(f.form->LoadListButton->isEnabled());
    }

    void escapeClearsAFilledListOrOpensRetrieve() {
        Fixture f;
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        f.Add("/x/one", false);
        f.form->DirListBox->setFocus();
        QTest::keyClick(f.form->DirListBox, Qt::Key_Escape); // the list leaves Escape alone
        QCOMPARE(f.form->DirListBox->model()->rowCount(), 0);
        QVERIFY(f.dialogs.fileAsks.empty());
        QTest::keyClick(f.form->DirListBox, Qt::Key_Escape);
        QCOMPARE(f.dialogs.fileAsks.size(), std::size_t{1});
        QCOMPARE(f.dialogs.fileAsks[0].title, std::string("Retrieve Folder List"));
    }

    void theEntryUnderTheMouseGoesToTheInfoPanel() {
        Fixture f;
        f.form->AddFolderToList("/x/caf\xe9");
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        QWidget* viewport = f.form->DirListBox->viewport();
        const auto move = [&](QPoint pos) {
            QMouseEvent e(QEvent::MouseMove, pos, viewport->mapToGlobal(pos), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(viewport, &e);
        };
        f.form->DirLabel->setText(QStringLiteral("before"));
        move({5, viewport->height() - 3}); // empty space below the last entry
        QCOMPARE(f.form->DirLabel->text(), QStringLiteral("before"));
        move(f.form->DirListBox->visualRect(f.form->DirListBox->model()->index(0, 0)).center());
        QCOMPARE(f.form->DirLabel->text(), QStringLiteral("/x/caf\\xE9"));
        for (QLabel* l :
             {f.form->NameLabel, f.form->SizeLabel, f.form->DateLabel, f.form->StatusLabel})
            QCOMPARE(l->text(), QStringLiteral("N/A"));
    }

    void searchRunsOverAListBuiltWithAddToList() {
        Fixture f;
        f.tree.CreatePatternFile("pics/one.jpg", 5000, 7);
        f.tree.CreatePatternFile("pics/2019/copy.jpg", 5000, 7);
        f.tree.CreatePatternFile("pics/2019/other.jpg", 5000, 8);
        f.tree.CreatePatternFile("pics/.thumbs/one.jpg", 5000, 7); // hidden tree: never listed
        f.Add(f.tree.Path("pics"), true);
        QCOMPARE(f.Items(), f.Under({"pics", "pics/2019"}));
        QVERIFY(f.form->FindFilesButton->isEnabled());
        f.form->FindFilesButton->click();
        const ResultGrid& grid = f.form->State.DupeGrid;
        QCOMPARE(grid.RowCount(), 2);
        QCOMPARE(grid.MembersInRow(1), 2);
        std::vector<std::string> names{grid.Text(0, 1), grid.Text(1, 1)};
        std::sort(names.begin(), names.end());
        QCOMPARE(names, (std::vector<std::string>{"copy.jpg", "one.jpg"}));
        QCOMPARE(f.form->StatusText(), QStringLiteral("Ready."));
    }
};

QTEST_MAIN(FolderListTest)
#include "FolderListTest.moc"
