// The main window's controls: names, bounds, captions, help contexts, hints, initial states.
#include "app/MainForm.h"

#include "app/Anchor.h"
#include "app/FolderListModel.h"

#include "app/UpDown.h"
#include "results/DupeGridModel.h"
#include "results/DupeGridView.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

template <typename W> W* Make(QWidget* parent, const char* name, QRect bounds) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(bounds);
    return w;
}

QGroupBox* Group(QWidget* parent, const char* name, const char* caption, QRect bounds) {
    auto* g = Make<QGroupBox>(parent, name, bounds);
    g->setTitle(QString::fromUtf8(caption));
    return g;
}

// A label of its text's own size, as a design-time label sizes itself.
QLabel* Label(QWidget* parent, const char* name, const char* text, int x, int y, int width = 0) {
    auto* l = Make<QLabel>(parent, name, QRect(x, y, 1, 1));
    l->setText(QString::fromUtf8(text));
    l->setTextFormat(Qt::PlainText);
    l->adjustSize();
    if (width > 0)
        l->resize(width, l->height());
    return l;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, QRect bounds) {
    auto* b = Make<QPushButton>(parent, name, bounds);
    b->setText(QString::fromUtf8(caption));
    b->setAutoDefault(false);
    return b;
}

QCheckBox* Check(QWidget* parent, const char* name, const char* caption, QRect bounds,
                 bool checked) {
    auto* c = Make<QCheckBox>(parent, name, bounds);
    c->setText(QString::fromUtf8(caption));
    c->setChecked(checked);
    return c;
}

QLabel* Picture(QWidget* parent, const char* name, QStyle::StandardPixmap pixmap, int x, int y) {
    // The control below covers the lower half of the picture; the glyph sits in the top half.
    auto* p = Make<QLabel>(parent, name, QRect(x, y, 32, 32));
    p->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    p->setPixmap(parent->style()->standardIcon(pixmap).pixmap(16, 16));
    return p;
}

// Rows of a fixed height, whatever the font asks for.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    FixedRowDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};

// The Help button's glyph: a white question mark on a blue disc. The style's own help icon is
// a red ring, which reads as an error or a close button.
QIcon HelpGlyph(const QFont& font) {
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(18, 60, 140), size / 16.0));
        painter.setBrush(QColor(44, 110, 200));
        const qreal inset = size / 32.0 + 0.5;
        painter.drawEllipse(QRectF(inset, inset, size - 2 * inset, size - 2 * inset));
        QFont mark = font;
        mark.setBold(true);
        mark.setPixelSize(size * 3 / 4);
        painter.setFont(mark);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("?"));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void SetHelp(QWidget* w, int context) {
    w->setProperty("helpContext", context);
}
void SetAnchor(QWidget* w, Anchor a) {
    w->setProperty("anchor", static_cast<int>(a));
}

// A handler lambda wrapped to run through Guarded, keeping its own parameters so that connect
// can drop the signal arguments it does not take. It meets the grid and the folder list as
// their views show them, also at a pump point of a running operation.
template <typename F> struct Slot : Slot<decltype(&F::operator())> {};
template <typename C, typename R, typename... A> struct Slot<R (C::*)(A...) const> {
    template <typename Fn> static auto Wrap(Fn fn, TMainForm* form) {
        return [fn, form](A... args) {
            form->Guarded([&] {
                form->ShowPending();
                fn(args...);
            });
        };
    }
};

} // namespace

template <typename Sender, typename Signal, typename Handler>
void TMainForm::On(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this, Slot<Handler>::Wrap(handler, this));
}

void TMainForm::ApplyHint(QWidget* control, const char* hint) {
    control->setProperty("hint", QString::fromUtf8(hint));
    control->setToolTipDuration(4000);
    if (UseEffects)
        control->setToolTip(
            QString::fromUtf8(hint).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TMainForm::CreateControls() {
    setObjectName(QStringLiteral("MainForm"));
    // The font is the application's, DesignFont(), set once at start for every window.
    // The button-face colour as the window's background; the step areas start in it too.
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
    resize(kDesignWidth, kDesignHeight);
    setMinimumSize(kDesignWidth, kDesignHeight);

    // Lowest in the stacking order: the controls above its top edge stay whole.
    StatusBar1 =
        Make<QStatusBar>(this, "StatusBar1", QRect(0, kDesignHeight - 19, kDesignWidth, 19));
    StatusBar1->setSizeGripEnabled(false);
    statusPanel_ = new QLabel(StatusBar1);
    statusPanel_->setObjectName(QStringLiteral("StatusPanel"));
    statusPanel_->setTextFormat(Qt::PlainText);
    StatusBar1->addWidget(statusPanel_, 1);

    InfoGroup = Group(this, "InfoGroup", "File &Info", {2, 462, 465, 68});
    SetHelp(InfoGroup, 6);
    Label(InfoGroup, "NameCaption", "Name:", 8, 16);
    NameLabel = Label(InfoGroup, "NameLabel", "N/A", 72, 16, 385);
    Label(InfoGroup, "SizeCaption", "Size:", 8, 32);
    SizeLabel = Label(InfoGroup, "SizeLabel", "N/A", 72, 32, 86);
    Label(InfoGroup, "DateCaption", "Date/Time:", 160, 32);
    DateLabel = Label(InfoGroup, "DateLabel", "N/A", 224, 32, 126);
    Label(InfoGroup, "StatusCaption", "Status:", 352, 32);
    StatusLabel = Label(InfoGroup, "StatusLabel", "N/A", 392, 32, 70);
    Label(InfoGroup, "DirCaption", "Dir:", 8, 48);
    DirLabel = Label(InfoGroup, "DirLabel", "N/A", 32, 48, 425);
    // A long name or folder shows as much as the panel's width allows.
    SetAnchor(NameLabel, Stretch);
    SetAnchor(DirLabel, Stretch);

    StatGroup = Group(this, "StatGroup", "Statistics", {475, 60, 145, 149});
    SetHelp(StatGroup, 5);
    struct Stat {
        const char* caption;
        const char* name;
        QLabel** label;
    };
    const Stat stats[] = {{"Files detected:", "FilesDetectLabel", &FilesDetectLabel},
                          {"Files indexed:", "FileIndexedLabel", &FileIndexedLabel},
                          {"Files checked:", "FilesCheckedLabel", &FilesCheckedLabel},
                          {"Dir's checked:", "DirsCheckedLabel", &DirsCheckedLabel},
                          {"Files selected:", "FilesSelLabel", &FilesSelLabel},
                          {"kB selected:", "KbSelLabel", &KbSelLabel},
                          {"Files deleted:", "FilesDelLabel", &FilesDelLabel},
                          {"kB cleared:", "KbDelLabel", &KbDelLabel}};
    int top = 16;
    for (const auto& s : stats) {
        Label(StatGroup, (std::string(s.name) + "Caption").c_str(), s.caption, 8, top);
        *s.label = Label(StatGroup, s.name, "0", 80, top, 60);
        top += 16;
    }

    HelpButton = Button(this, "HelpButton", "&Help", {487, 464, 122, 24});
    HelpButton->setIcon(HelpGlyph(font()));

    Step1Group = Group(this, "Step1Group",
                       "Step 1: Roughly &estimate the list of folders you want to check for "
                       "identical files",
                       {2, 0, 618, 57});
    ApplyHint(Step1Group, "In step 1 you select the folders and their subtrees that you want "
                          "to\r\nscan for identical files, so that you can filter out the "
                          "duplicates");
    Label1 = Label(Step1Group, "Label1", "Folder:", 16, 28);
    DirectoryEdit1 = Make<QLineEdit>(Step1Group, "DirectoryEdit1", {56, 24, 274, 21});
    DirectoryEdit1->setText(QStringLiteral("/"));
    QAction* browse = DirectoryEdit1->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                                QLineEdit::TrailingPosition);
    browse->setObjectName(QStringLiteral("DirectoryEdit1Button"));
    On(browse, &QAction::triggered, [this] { DirectoryEdit1ButtonClick(); });
    SetHelp(DirectoryEdit1, 1);
    SetAnchor(DirectoryEdit1, Stretch);
    ApplyHint(DirectoryEdit1,
              "Click on the small icon to select a folder,\r\nor type its name here directly");
    AddDirButton = Button(Step1Group, "AddDirButton", "&Add to List", {338, 22, 113, 25});
    SetAnchor(AddDirButton, AnchorRight);
    ApplyHint(AddDirButton, "Click here to add this folder to the folder\r\nlist and proceed to "
                            "step 2, or select more\r\nfolders in the same way");
    IncludeSubdirCheck =
        Check(Step1Group, "IncludeSubdirCheck", "Include Subdirectories", {465, 12, 129, 17}, true);
    SetHelp(IncludeSubdirCheck, 1);
    SetAnchor(IncludeSubdirCheck, AnchorRight);
    ApplyHint(IncludeSubdirCheck,
              "Check this box if you want to include\r\nall of the folder's subdirectories");
    ProtectFoldersCheck = Check(Step1Group, "ProtectFoldersCheck", "Protect Windows Folders",
                                {465, 32, 146, 21}, true);
    SetHelp(ProtectFoldersCheck, 1);
    SetAnchor(ProtectFoldersCheck, AnchorRight);
    const char* safetyHint =
        "Leave this box checked\r\nfor safety reasons, unless you\r\nknow what you're doing!";
    ApplyHint(ProtectFoldersCheck, safetyHint);

    Step2Group = Group(this, "Step2Group", "Step 2: &Refine the list of folders you want to check",
                       {2, 60, 465, 149});
    ApplyHint(Step2Group, "In step 2 you can refine the folder list,\r\nor load a previously "
                          "used list, or store\r\nthe list for future use");
    Label8 = Label(Step2Group, "Label8", "Folders: Click and/or use [shift] and [ctrl] to select",
                   40, 18);
    Image1 = Picture(Step2Group, "Image1", QStyle::SP_DirIcon, 16, 16);
    Image1->lower(); // the list box overlaps it; the picture stays behind
    DirListBox = Make<QListView>(Step2Group, "DirListBox", {16, 32, 313, 105});
    folderModel_ = new FolderListModel(folders_, DirListBox);
    DirListBox->setModel(folderModel_);
    DirListBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    DirListBox->setUniformItemSizes(true);
    DirListBox->setItemDelegate(new FixedRowDelegate(13, DirListBox));
    DirListBox->setMouseTracking(true);
    DirListBox->viewport()->installEventFilter(this);
    DirListBox->installEventFilter(this); // the Delete key
    SetHelp(DirListBox, 2);
    SetAnchor(DirListBox, Stretch);
    ApplyHint(DirListBox, "This list shows the folders that\r\nwill be checked for duplicates");
    RemoveListButton =
        Button(Step2Group, "RemoveListButton", "&Remove from List", {337, 16, 113, 25});
    RemoveListButton->setEnabled(false);
    ApplyHint(RemoveListButton, "Click here to remove the highlighted\r\nfolders from the list");
    ClearListButton = Button(Step2Group, "ClearListButton", "&Clear List", {337, 48, 113, 25});
    ClearListButton->setEnabled(false);
    ApplyHint(ClearListButton, "Clear the list and go back to step 1");
    LoadListButton = Button(Step2Group, "LoadListButton", "&Retrieve List", {337, 80, 113, 25});
    ApplyHint(LoadListButton, "Click here to load a previously\r\nused folder list from disk");
    StoreListButton = Button(Step2Group, "StoreListButton", "&Store List", {337, 112, 113, 25});
    ApplyHint(StoreListButton,
              "Click here to store a folder list on\r\ndisk so you can use it in future");
    for (auto* b : {RemoveListButton, ClearListButton, LoadListButton, StoreListButton})
        SetAnchor(b, AnchorRight);

    Step3Group =
        Group(this, "Step3Group", "Step 3: &Find duplicates in folder list", {2, 216, 465, 241});
    DupeFilesLabel = Label(Step3Group, "DupeFilesLabel", "Duplicate Files:", 40, 50, 280);
    Image2 = Picture(Step3Group, "Image2", QStyle::SP_FileDialogContentsView, 16, 48);
    Image2->lower();
    FindFilesButton = Button(Step3Group, "FindFilesButton", "Find Duplicates", {16, 20, 121, 25});
    FindFilesButton->setEnabled(false);
    ApplyHint(FindFilesButton, "Click here to start searching for duplicates\r\nin the all the "
                               "folders which are listed above");
    SkipSysfilesCheck = Check(Step3Group, "SkipSysfilesCheck", "Skip &System/Hidden files",
                              {160, 24, 145, 17}, true);
    SetHelp(SkipSysfilesCheck, 23);
    ApplyHint(SkipSysfilesCheck, safetyHint);
    DupeGrid = Make<DupeGridView>(Step3Group, "DupeGrid", {16, 64, 434, 169});
    DupeGridData = new DupeGridModel(State.DupeGrid, this);
    DupeGrid->SetGridModel(DupeGridData);
    DupeGrid->setMouseTracking(true);
    DupeGrid->viewport()->installEventFilter(this);
    DupeGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    SetHelp(DupeGrid, 3);
    SetAnchor(DupeGrid, StretchBoth);
    ApplyHint(DupeGrid, "This list shows the duplicate files\r\nthat are found, one group per "
                        "line. \r\n\r\nDouble click on a file to open the\r\ndefault viewer.");
    BitBtn1 = Button(Step3Group, "BitBtn1", "Stop!", {336, 20, 113, 25});
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    SetHelp(BitBtn1, 8);
    SetAnchor(BitBtn1, AnchorRight);
    ApplyHint(BitBtn1, "Click here to stop searching");

    Step4Group = Group(this, "Step4Group", "Step 4: &Select", {475, 216, 145, 177});
    SelectAllButton = Button(Step4Group, "SelectAllButton", "Select All", {12, 16, 121, 25});
    ApplyHint(SelectAllButton, "By clicking this button you will\r\nselect all duplicate files");
    SelectByDirButton =
        Button(Step4Group, "SelectByDirButton", "Select by Folder", {12, 48, 121, 25});
    ApplyHint(SelectByDirButton, "Select one or more folders first and then\r\nclick this button "
                                 "to find all duplicates in\r\nthese specific folders");
    SelectPatternButton =
        Button(Step4Group, "SelectPatternButton", "Select Pattern", {12, 80, 121, 25});
    ApplyHint(SelectPatternButton, "Type in a mask (e.g. *.zip) and then\r\nclick this button to "
                                   "find all duplicates\r\nthat correspond (e.g. all zipfiles)");
    for (auto* b : {SelectAllButton, SelectByDirButton, SelectPatternButton})
        SetHelp(b, 4);
    LeaveOneCheck =
        Check(Step4Group, "LeaveOneCheck", "Leave at least one", {12, 112, 113, 17}, true);
    SetHelp(LeaveOneCheck, 22);
    ApplyHint(LeaveOneCheck, "Leave this box checked to insure\r\nthat you will keep at least "
                             "one file\r\nof each set of duplicates");
    Label26 = Label(Step4Group, "Label26", "Mask:", 12, 130);
    PatternUpDown = Make<TUpDown>(Step4Group, "PatternUpDown", {96, 130, 33, 13});
    PatternUpDown->SetMin(1);
    PatternUpDown->SetPosition(1);
    SetHelp(PatternUpDown, 4);
    PatternEdit = Make<QLineEdit>(Step4Group, "PatternEdit", {12, 148, 121, 21});
    SetHelp(PatternEdit, 4);
    ApplyHint(PatternEdit, "Type in a mask here (e.g. *.zip) and then\r\nclick the \"Select "
                           "Pattern\" button to find all\r\nduplicates that correspond (e.g. all "
                           "zipfiles)");

    Step5Group = Group(this, "Step5Group", "Step 5: &Delete", {475, 400, 145, 57});
    DeleteButton = Button(Step5Group, "DeleteButton", "&Delete Dialog", {12, 20, 121, 25});
    ApplyHint(DeleteButton, "Click here to go to the delete dialog box where\r\nyou can select "
                            "wich delete method to use.\r\nYou can safely do so while running a "
                            "search.");

    AboutButton = Button(this, "AboutButton", "About...", {487, 492, 122, 25});
    EffectsCheck = Check(this, "EffectsCheck", "Effects and Hints", {487, 519, 119, 18}, true);
    SetHelp(EffectsCheck, 20);

    steps_ = {Step1Group, Step2Group, Step3Group, Step4Group, Step5Group};
    for (auto* g : steps_) {
        g->setAutoFillBackground(true);
        g->setMouseTracking(true);
        g->installEventFilter(this);
    }
    cancelButtons_ = {ClearListButton, LoadListButton, StoreListButton, BitBtn1};

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* open = PopupMenu1->addAction(QStringLiteral("Open"));
    open->setObjectName(QStringLiteral("Open1"));
    PopupMenu1->setDefaultAction(open);
    PopupMenu1->addSeparator();
    QAction* selectAll = PopupMenu1->addAction(QStringLiteral("Select All"));
    selectAll->setObjectName(QStringLiteral("SelectAll1"));
    QAction* selectByDir = PopupMenu1->addAction(QStringLiteral("Select by Dir"));
    selectByDir->setObjectName(QStringLiteral("SelectbyDir1"));
    On(open, &QAction::triggered, [this] { DupeGridDblClick(); });
    On(selectAll, &QAction::triggered, [this] { SelectAllButtonClick(); });
    On(selectByDir, &QAction::triggered, [this] { SelectByDirButtonClick(); });
}

void TMainForm::ConnectHandlers() {
    On(HelpButton, &QPushButton::clicked, [this] { HelpButtonClick(); });
    On(AddDirButton, &QPushButton::clicked, [this] { AddDirButtonClick(); });
    On(RemoveListButton, &QPushButton::clicked, [this] { DeleteDirectories(); });
    On(ClearListButton, &QPushButton::clicked, [this] { Button4Click(); });
    On(LoadListButton, &QPushButton::clicked, [this] { LoadListButtonClick(); });
    On(StoreListButton, &QPushButton::clicked, [this] { StoreListButtonClick(); });
    On(DirListBox->selectionModel(), &QItemSelectionModel::selectionChanged,
       [this] { ValidateControls(); });
    On(FindFilesButton, &QPushButton::clicked, [this] { FindFilesButtonClick(); });
    On(BitBtn1, &QPushButton::clicked, [this] { BitBtn1Click(); });
    On(SkipSysfilesCheck, &QCheckBox::toggled, [this] { SkipSysfilesCheckClick(); });
    On(ProtectFoldersCheck, &QCheckBox::toggled, [this] { ProtectFoldersCheckClick(); });
    On(EffectsCheck, &QCheckBox::toggled, [this] { EffectsCheckClick(); });
    On(SelectAllButton, &QPushButton::clicked, [this] { SelectAllButtonClick(); });
    On(SelectByDirButton, &QPushButton::clicked, [this] { SelectByDirButtonClick(); });
    On(SelectPatternButton, &QPushButton::clicked, [this] { SelectPatternButtonClick(); });
    On(PatternUpDown, &TUpDown::Clicked, [this](int, bool up) { PatternUpDownClick(up); });
    On(DeleteButton, &QPushButton::clicked, [this] { DeleteFiles(); });
    On(AboutButton, &QPushButton::clicked, [this] { AboutButtonClick(); });
    ConnectGrid();
    // The model goes first when the window closes.
    display_.AddView({[this](bool deferred) {
                          if (DupeGridData)
                              DupeGridData->SetDeferred(deferred);
                      },
                      [this](bool) {
                          if (DupeGridData)
                              DupeGridData->Flush();
                      }});
    display_.AddView({{}, [this](bool all) { InsertQueuedFolders(all); }});
    On(DupeGrid, &QWidget::customContextMenuRequested,
       [this](const QPoint& pos) { PopupMenu1->popup(DupeGrid->viewport()->mapToGlobal(pos)); });
}

void TMainForm::EscapePressed() {
    for (auto* b : cancelButtons_)
        if (b->isEnabled()) {
            b->click();
            return;
        }
}
