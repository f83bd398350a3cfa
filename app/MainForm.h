#pragma once

#include "app/PacedDisplay.h"
#include "folders/FolderList.h"
#include "platform/Dialogs.h"
#include "platform/Version.h"
#include "results/PatternState.h"
#include "search/MainWindowInterface.h"
#include "search/SearchState.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class FolderListModel;
class QMenu;
class QPainter;
class QPushButton;
class TUpDown;
class QStatusBar;
class QToolButton;
class DupeGridModel;
class DupeGridView;
class HelpWindow;
class TAboutForm;
class TDeleteFilesForm;
struct FileInfoTexts;
struct SelectionFigures;

// The main window: five numbered steps, the statistics and file information panels and the
// status line. It owns everything that outlives one handler (SearchState) and is the window a
// long operation talks to. Handlers are named after control and event; those of the folder
// list, the results and the removal live in MainFormFolders/Results/Removal.cpp.
class TMainForm : public QWidget, public MainWindowInterface {
    Q_OBJECT
public:
    // The client size of the design; the window never gets smaller.
    static constexpr int kDesignWidth = 624;
    static constexpr int kDesignHeight = 554;
    static inline const QColor HighlightColor{176, 176, 176};

    // programFolder: where kelvaro.ini, the help file and "Archive" live; empty for the folder
    // of the running executable. Every dialog goes through dialogs.
    explicit TMainForm(DialogService& dialogs, std::string programFolder = {},
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    // --- MainWindowInterface ---
    void SetStatusText(const std::string& text) override;
    void SetCounter(SearchCounter counter, const std::string& text) override;
    void SetDupeFilesCaption(const std::string& text) override;
    void ProcessMessages() override;
    void DrawNow() override;
    void SetBusyCursor(bool busy) override;
    void SetFindEnabled(bool enabled) override;
    int ShowMessage(const MessageRequest& request) override;
    std::int64_t TickCount() override;
    bool SkipHiddenFiles() override;
    void ReportUnstableIdentity(const std::string& path) override;

    // Runs a handler; an AppError (or any other exception) that escapes it ends the handler and
    // reaches the general error display. No exception crosses a slot.
    void Guarded(const std::function<void()>& handler);
    // The general error display: the "Kelvaro" error box.
    void ShowAppError(const std::string& message);
    // What a running operation has shown so far goes to the widgets now: before a handler
    // reads or changes the grid or the folder list, it sees them as their views do.
    void ShowPending() { display_.Flush(); }

    // --- start-up, settings, layout (MainFormSettings.cpp, MainFormSizing.cpp) ---
    void FormCreate();
    void FormDestroy();
    void WMSize();
    void WMExitSizeMove();
    std::string GetWindowsFolder();
    // True for a program installed with its help file in the installed data folder.
    bool IsInstalled() const;
    // kelvaro.ini and "Archive" beside the program (a build, a portable copy) while the user may
    // write its folder and it is not installed; otherwise in the user's XDG folders.
    bool KeepsFilesBesideProgram() const;
    void SetFilePaths();
    bool GetWindowsVersion(std::string& name, std::string& number);

    // --- guidance (MainFormGuidance.cpp) ---
    void Step1GroupMouseMove();
    void Step2GroupMouseMove();
    void Step3GroupMouseMove();
    void Step4GroupMouseMove();
    void Step5GroupMouseMove();
    void EffectsCheckClick();
    void ProtectFoldersCheckClick();
    void SkipSysfilesCheckClick();
    // The hint text of a control, lines separated by "\r\n".
    static std::string HintOf(const QWidget* control);

    // --- help and about (MainFormHelp.cpp) ---
    void HelpButtonClick();
    // The help window at the topic of a help context number (a message box's Help button).
    void ShowHelpTopic(int topic);
    void AboutButtonClick();
    // F1 for a control: the nearest help context up its parent chain, shown as a pop-up at its
    // top-left corner. Returns the topic shown, 0 for none.
    int ShowContextHelp(QWidget* control);
    struct HelpPopup {
        int topic = 0;
        QPoint position;
        QString text;
    };
    const HelpPopup& LastHelpPopup() const { return lastPopup_; }
    HelpWindow* Help() const { return help_; }
    // The help file beside the program, else where an installation puts it.
    std::string HelpFileName() const;

    // --- search (MainFormSearch.cpp) ---
    void FindFilesButtonClick();
    void BitBtn1Click();

    // --- folder list (MainFormFolders.cpp) ---
    // The folders listed, the ones a running walk has found so far included, in their order.
    std::vector<std::string> FolderListItems();
    // The same, sharing the list's own copy of each folder's bytes, for a search.
    TDirList FolderListPaths();
    // Inserts a folder at its sorted place unless protected or listed; the folder is kept as
    // the bytes given. Returns its position, -1 when not inserted.
    int AddFolderToList(const std::string& folder);
    void AddDirButtonClick();
    void DeleteDirectories();
    void DirListBoxKeyDown(int key);
    void Button4Click();
    void StoreListButtonClick();
    void LoadListButtonClick();
    void ValidateControls();
    void DirListBoxMouseMove(const QPoint& pos);
    void DirectoryEdit1ButtonClick();
    // The folder field keeps the exact bytes of a folder it is given (a name need not be UTF-8),
    // shown as the folder list shows them; text typed over them is UTF-8.
    void SetFolderField(const std::string& folder);
    std::string FolderFieldText() const;

    // --- results and selection (MainFormResults.cpp) ---
    // Draws one grid cell; gridSelected: the cell lies in the highlighted range.
    void DupeGridDrawCell(QPainter& painter, const QRect& rect, int col, int row,
                          bool gridSelected);
    // Fills the File Info panel for one path, looked up afresh.
    void ShowFileInfo(const std::string& path);
    void DupeGridSelectCell(int col, int row, bool& canSelect);
    void DupeGridMouseMove(const QPoint& pos);
    void DupeGridDblClick();
    void DupeGridMouseDown(const QPoint& pos);
    void DupeGridClick();
    void SelectAllButtonClick();
    void SelectByDirButtonClick();
    void SelectPatternButtonClick();
    // Writes the mask of PatternSource and the arrows' position into PatternEdit.
    void SetPattern();
    // An arrow of PatternUpDown was pressed: up is the right arrow.
    void PatternUpDownClick(bool up);
    // Recounts the selection in force and rewrites the four figures.
    void UpdateSelectionInfo();
    // The mask's source file and the arrows' position and limits.
    PatternState Pattern;

    // --- removal (MainFormRemoval.cpp) ---
    void DeleteFiles();
    void DupeGridKeyDown(int key);
    // The delete dialog, made after the window and before the about box; it makes the archive
    // folder.
    void CreateDeleteForm();
    // True while FindDuplicates runs: a removal then leaves the entries to the search.
    bool SearchRunning() const { return searchRunning_; }

    // Program-wide values.
    std::string ProgramFolder;
    std::string IniFileName;
    std::string WindowsFolder;
    std::string ArchiveFolder;
    bool UseEffects = true;
    bool DoUpdateCheck = true;
    std::int32_t LastWidth = 0;
    std::int32_t LastHeight = 0;

    // The index, the run's folders, the grid cells and the run state.
    SearchState State;
    TFileList& FileList = State.FileList;
    TDirList& DirList = State.DirList;

    DialogService& Dialogs() { return dialogs_; }
    QString StatusText() const;

    // Controls, in the window's tab order.
    QGroupBox* InfoGroup = nullptr;
    QLabel* NameLabel = nullptr;
    QLabel* SizeLabel = nullptr;
    QLabel* DateLabel = nullptr;
    QLabel* StatusLabel = nullptr;
    QLabel* DirLabel = nullptr;
    QGroupBox* StatGroup = nullptr;
    QLabel* FilesDetectLabel = nullptr;
    QLabel* FileIndexedLabel = nullptr;
    QLabel* FilesCheckedLabel = nullptr;
    QLabel* DirsCheckedLabel = nullptr;
    QLabel* FilesSelLabel = nullptr;
    QLabel* KbSelLabel = nullptr;
    QLabel* FilesDelLabel = nullptr;
    QLabel* KbDelLabel = nullptr;
    QPushButton* HelpButton = nullptr;
    QGroupBox* Step1Group = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* DirectoryEdit1 = nullptr;
    QPushButton* AddDirButton = nullptr;
    QCheckBox* IncludeSubdirCheck = nullptr;
    QCheckBox* ProtectFoldersCheck = nullptr;
    QGroupBox* Step2Group = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Image1 = nullptr;
    QListView* DirListBox = nullptr;
    QPushButton* RemoveListButton = nullptr;
    QPushButton* ClearListButton = nullptr;
    QPushButton* LoadListButton = nullptr;
    QPushButton* StoreListButton = nullptr;
    QGroupBox* Step3Group = nullptr;
    QLabel* DupeFilesLabel = nullptr;
    QLabel* Image2 = nullptr;
    QPushButton* FindFilesButton = nullptr;
    QCheckBox* SkipSysfilesCheck = nullptr;
    DupeGridView* DupeGrid = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QGroupBox* Step4Group = nullptr;
    QPushButton* SelectAllButton = nullptr;
    QPushButton* SelectByDirButton = nullptr;
    QPushButton* SelectPatternButton = nullptr;
    QCheckBox* LeaveOneCheck = nullptr;
    QLabel* Label26 = nullptr;
    TUpDown* PatternUpDown = nullptr;
    QLineEdit* PatternEdit = nullptr;
    QGroupBox* Step5Group = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* AboutButton = nullptr;
    QCheckBox* EffectsCheck = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    DupeGridModel* DupeGridData = nullptr;
    TAboutForm* AboutForm = nullptr;
    TDeleteFilesForm* DeleteFilesForm = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // MainFormLayout.cpp
    void CreateControls();
    void ConnectHandlers();
    void ApplyHint(QWidget* control, const char* hint);
    // Connects a signal to a handler run through Guarded.
    template <typename Sender, typename Signal, typename Handler>
    void On(Sender* sender, Signal signal, Handler handler);
    // Esc goes to the first enabled cancel button.
    void EscapePressed();
    // A button disabled while it works hands the focus to the next control; enabled again, it
    // takes the focus back unless the user has moved it meanwhile.
    void DisableKeepingFocus(QWidget* button);
    void EnableReturningFocus(QWidget* button);
    // Alt with a step's accelerator: the first control of the step that takes the focus.
    void FocusFirstControl(QGroupBox* group);
    // MainFormSizing.cpp
    void LayoutPass();
    // MainFormGuidance.cpp
    void LightStep(int step);
    void SetHintsEnabled(bool on);
    void ConfirmSafetyUncheck(QCheckBox* box);
    // MainFormHelp.cpp
    QString HelpTopicText(int topic) const;
    // MainFormFolders.cpp
    // Inserts the folders a walk found: all, or only as many as fit in a frame's share of time.
    void InsertQueuedFolders(bool all = true);
    FolderList folders_;
    FolderListModel* folderModel_ = nullptr;
    // MainFormResults.cpp
    void ConnectGrid();
    void ShowSelectionFigures(const SelectionFigures& figures);
    void WriteFileInfo(const FileInfoTexts& texts);
    // The mask as last built, in bytes: a name need not be valid UTF-8.
    std::string patternBytes_;
    // The folder last put into the folder field, in bytes.
    std::string folderFieldBytes_;

    DialogService& dialogs_;
    PacedDisplay display_;
    std::vector<QGroupBox*> steps_;
    // Buttons disabled with the focus, and where the focus went then.
    std::vector<std::pair<QWidget*, QPointer<QWidget>>> focusReturns_;
    std::vector<QPushButton*> cancelButtons_;
    HelpWindow* help_ = nullptr;
    HelpPopup lastPopup_;
    int busyCursors_ = 0;
    QLabel* statusPanel_ = nullptr;
    bool searchRunning_ = false;
    bool removing_ = false;
    // A removal ran nested inside the running search: its entries are freed when the search
    // ends, and the figures are recounted then.
    bool removedDuringSearch_ = false;
    // A file of this search whose identity changed at every look, as on some network shares.
    std::string unstableFile_;
};
