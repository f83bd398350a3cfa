#include "removal/DeleteFilesForm.h"

#include "platform/Errors.h"
#include "removal/FileNames.h"

#include <QEvent>
#include <QFile>
#include <QFocusEvent>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <algorithm>

namespace {

QString FromBytes(std::string_view s) {
    return QFile::decodeName(QByteArray(s.data(), static_cast<qsizetype>(s.size())));
}

const char* const kEraseWarning =
    "You are strongly discouraged to use this option.\r\rAll files removed using this option "
    "are permanently deleted and\rcannot be recovered!\r\rDo you really want to select this "
    "option?";

} // namespace

int FilesTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.RowCount() - 1;
}

int FilesTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.ColCount();
}

QVariant FilesTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return FromBytes(grid_.Text(index.column(), index.row() + 1));
}

QVariant FilesTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= grid_.ColCount())
        return {};
    return FromBytes(grid_.Text(section, 0));
}

void FilesTableModel::Refresh() {
    beginResetModel();
    endResetModel();
}

TDeleteFilesForm::TDeleteFilesForm(std::string& archiveFolder, DialogService& dialogs,
                                   QWidget* parent)
    : QDialog(parent), model_(archiveFolder), dialogs_(dialogs) {
    BuildLayout();
    FormCreate();
}

void TDeleteFilesForm::BuildLayout() {
    setWindowTitle(QStringLiteral("Delete Files"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::WindowContextHelpButtonHint);
    setProperty("helpContext", kHelpContext);
    setFixedSize(544, 445);

    GroupBox1 = new QGroupBox(QStringLiteral("Notification"), this);
    GroupBox1->setGeometry(8, 8, 529, 49);
    Label3 = new QLabel(GroupBox1);
    Label3->move(8, 16);
    Label4 = new QLabel(GroupBox1);
    Label4->move(8, 32);

    GroupBox2 =
        new QGroupBox(QStringLiteral("&File List: Click and/or use [shift] to select"), this);
    GroupBox2->setGeometry(8, 64, 529, 177);
    FilesGrid = new QTableView(GroupBox2);
    FilesGrid->setGeometry(8, 16, 513, 120);
    filesModel_ = new FilesTableModel(model_.FilesGrid(), this);
    FilesGrid->setModel(filesModel_);
    FilesGrid->verticalHeader()->hide();
    FilesGrid->verticalHeader()->setMinimumSectionSize(18);
    FilesGrid->verticalHeader()->setDefaultSectionSize(18);
    FilesGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    FilesGrid->horizontalHeader()->setHighlightSections(false);
    FilesGrid->setColumnWidth(0, 153);
    FilesGrid->setColumnWidth(1, 327);
    FilesGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    FilesGrid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    FilesGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FilesGrid->setShowGrid(true);
    FilesGrid->setWordWrap(false);
    // Tab leaves the list for the next control, as in the rest of the window.
    FilesGrid->setTabKeyNavigation(false);
    RemoveButton =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogDiscardButton),
                        QStringLiteral("&Remove selected files from the list"), GroupBox2);
    RemoveButton->setGeometry(8, 144, 209, 25);
    RemoveButton->setAutoDefault(false);
    WholeGroupsLabel = new QLabel(GroupBox2);
    WholeGroupsLabel->setGeometry(228, 142, 293, 29);
    WholeGroupsLabel->setWordWrap(true);
    WholeGroupsLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette warning = WholeGroupsLabel->palette();
    warning.setColor(QPalette::WindowText, QColor(176, 0, 0));
    WholeGroupsLabel->setPalette(warning);

    GroupBox3 = new QGroupBox(QStringLiteral("&Action"), this);
    GroupBox3->setGeometry(8, 248, 529, 121);
    RecycleRadio =
        new QRadioButton(QStringLiteral("Put files in the &Recycle Bin (recommended)"), GroupBox3);
    RecycleRadio->setGeometry(8, 24, 225, 17);
    MoveArchiveRadio =
        new QRadioButton(QStringLiteral("&Move files to an archive folder:"), GroupBox3);
    MoveArchiveRadio->setGeometry(8, 56, 177, 17);
    ArchiveEdit = new QWidget(GroupBox3);
    ArchiveEdit->setGeometry(272, 56, 241, 21);
    ArchiveEditText = new QLineEdit(ArchiveEdit);
    ArchiveEditText->setGeometry(0, 0, 241 - 21, 21);
    ArchiveEditBrowse = new QToolButton(ArchiveEdit);
    ArchiveEditBrowse->setGeometry(241 - 21, 0, 21, 21);
    ArchiveEditBrowse->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    ArchiveEditBrowse->setToolTip(QStringLiteral("Select Archive Folder"));
    // Like the folder box's own button: pressing it does not take the focus from the text.
    ArchiveEditBrowse->setFocusPolicy(Qt::NoFocus);
    ArchiveEdit->hide();
    DeleteRadio = new QRadioButton(
        QStringLiteral("&Delete files without backup option (strongly discouraged)"), GroupBox3);
    DeleteRadio->setGeometry(8, 88, 305, 17);
    Image1 = new QLabel(GroupBox3);
    Image1->setGeometry(232, 16, 32, 32);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_TrashIcon).pixmap(32, 32));
    Image2 = new QLabel(GroupBox3);
    Image2->setGeometry(232, 48, 32, 32);
    Image2->setPixmap(style()->standardIcon(QStyle::SP_DirIcon).pixmap(32, 32));

    // The layout was drawn for a narrower face: a caption that would be cut off gets its
    // width, and the icons and the folder box move right to make room.
    int right = 0;
    for (QRadioButton* radio : {RecycleRadio, MoveArchiveRadio, DeleteRadio}) {
        if (radio->sizeHint().width() > radio->width())
            radio->resize(radio->sizeHint().width(), radio->height());
        if (radio != DeleteRadio)
            right = std::max(right, radio->x() + radio->width());
    }
    const int iconX = std::max(232, right + 4);
    Image1->move(iconX, 16);
    Image2->move(iconX, 48);
    const int editX = std::max(272, iconX + 40);
    ArchiveEdit->setGeometry(editX, 56, 513 - editX, 21);
    ArchiveEditText->setGeometry(0, 0, ArchiveEdit->width() - 21, 21);
    ArchiveEditBrowse->setGeometry(ArchiveEdit->width() - 21, 0, 21, 21);

    Label2 = new QLabel(QStringLiteral("Are you sure?"), this);
    QFont sure(QStringLiteral("Arial"));
    sure.setPixelSize(13);
    sure.setBold(true);
    sure.setItalic(true);
    Label2->setFont(sure);
    Label2->move(216, 384);
    Label2->adjustSize();

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogYesButton),
                              QStringLiteral("&Yes"), this);
    BitBtn1->setGeometry(120, 408, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogNoButton),
                              QStringLiteral("&No"), this);
    BitBtn2->setGeometry(224, 408, 75, 25);
    BitBtn2->setAutoDefault(false);
    BitBtn3 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                              QStringLiteral("Cancel"), this);
    BitBtn3->setGeometry(328, 408, 75, 25);
    BitBtn3->setAutoDefault(false);

    // Yes, No, Cancel, then the group boxes in their order.
    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, BitBtn3);
    setTabOrder(BitBtn3, FilesGrid);
    setTabOrder(FilesGrid, RemoveButton);
    setTabOrder(RemoveButton, RecycleRadio);
    setTabOrder(RecycleRadio, MoveArchiveRadio);
    setTabOrder(MoveArchiveRadio, ArchiveEditText);
    setTabOrder(ArchiveEditText, DeleteRadio);

    connect(RecycleRadio, &QRadioButton::clicked, this, [this] { RecycleRadioClick(); });
    connect(MoveArchiveRadio, &QRadioButton::clicked, this, [this] { MoveArchiveRadioClick(); });
    connect(DeleteRadio, &QRadioButton::clicked, this, [this] { DeleteRadioClick(); });
    connect(RemoveButton, &QPushButton::clicked, this, [this] { RemoveButtonClick(); });
    connect(ArchiveEditBrowse, &QToolButton::clicked, this, [this] { ArchiveBrowseClick(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        // Enter on the folder box presses Yes without the box losing the focus.
        if (ArchiveEditText->hasFocus())
            ArchiveEditExit();
        done(mrYes);
    });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(mrNo); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { done(mrCancel); });
    ArchiveEditText->installEventFilter(this);
}

void TDeleteFilesForm::FormCreate() {
    model_.SetRemoveMethod(rmRecycle);
    RecycleRadio->setChecked(true);
    ArchiveEditText->setText(FromBytes(model_.ArchiveFolder()));
    MakeFolders(model_.ArchiveFolder(), 0777);
    initialBrowseFolder_ = model_.ArchiveFolder();
    model_.ClearFiles();
    UpdateNotification();
}

void TDeleteFilesForm::ShowLabels() {
    Label3->setText(FromBytes(model_.Label3()));
    Label3->adjustSize();
    Label4->setText(FromBytes(model_.Label4()));
    Label4->adjustSize();
    WholeGroupsLabel->setText(QString::fromStdString(model_.WholeGroupsLine()));
}

void TDeleteFilesForm::UpdateNotification() {
    model_.UpdateNotification();
    ShowLabels();
}

void TDeleteFilesForm::RefreshList() {
    filesModel_->Refresh();
    const QModelIndex first = filesModel_->index(0, 0);
    FilesGrid->setCurrentIndex(first);
    FilesGrid->selectionModel()->select(first, QItemSelectionModel::ClearAndSelect |
                                                   QItemSelectionModel::Rows);
}

int TDeleteFilesForm::ShowModal() {
    BitBtn1->setFocus();
    return exec();
}

void TDeleteFilesForm::RecycleRadioClick() {
    model_.SetRemoveMethod(rmRecycle);
    ArchiveEdit->hide();
    UpdateNotification();
}

void TDeleteFilesForm::MoveArchiveRadioClick() {
    model_.SetRemoveMethod(rmMove);
    ArchiveEdit->show();
    ArchiveEditText->setFocus();
    UpdateNotification();
}

void TDeleteFilesForm::DeleteRadioClick() {
    const int answer = dialogs_.MessageBox(
        {MsgType::Warning, kAppTitle, kEraseWarning, MsgButtons::YesNoCancel, 0});
    if (answer == mrYes) {
        model_.SetRemoveMethod(rmErase);
        ArchiveEdit->hide();
    } else {
        // Declining always leads back to the Trash, whatever was chosen before.
        RecycleRadio->setChecked(true);
        RecycleRadioClick();
    }
    UpdateNotification();
}

void TDeleteFilesForm::ArchiveEditExit() {
    const std::string text = QFile::encodeName(ArchiveEditText->text()).toStdString();
    if (text.empty()) {
        dialogs_.MessageBox({MsgType::Error, kAppTitle,
                             ErrorDisplayText("Unable to create directory"), MsgButtons::Ok, 0});
        return;
    }
    MakeFolders(text, 0777);
    model_.ArchiveFolder() = text;
    // The move line names the folder the files will really go to.
    UpdateNotification();
}

void TDeleteFilesForm::ArchiveBrowseClick() {
    const std::string current = QFile::encodeName(ArchiveEditText->text()).toStdString();
    auto chosen = dialogs_.BrowseFolder("Select Archive Folder",
                                        current.empty() ? initialBrowseFolder_ : current);
    if (!chosen)
        return;
    ArchiveEditText->setText(FromBytes(*chosen));
    ArchiveEditExit();
}

void TDeleteFilesForm::RemoveButtonClick() {
    int top = FilesGrid->currentIndex().isValid() ? FilesGrid->currentIndex().row() : 0;
    int bottom = top;
    const QModelIndexList rows = FilesGrid->selectionModel()->selectedRows();
    if (!rows.isEmpty()) {
        top = bottom = rows.front().row();
        for (const QModelIndex& index : rows) {
            top = std::min(top, index.row());
            bottom = std::max(bottom, index.row());
        }
    }
    model_.RemoveRows(top + 1, bottom + 1);
    RefreshList();
    ShowLabels();
}

void TDeleteFilesForm::reject() {
    done(mrCancel);
}

void TDeleteFilesForm::showEvent(QShowEvent* event) {
    RefreshList();
    ShowLabels();
    QDialog::showEvent(event);
}

void TDeleteFilesForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        done(mrNo);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TDeleteFilesForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ArchiveEditText && event->type() == QEvent::FocusOut && !inExit_) {
        // Only a move to another control of this dialog counts as leaving the box.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            isVisible()) {
            inExit_ = true;
            ArchiveEditExit();
            inExit_ = false;
        }
    }
    return QDialog::eventFilter(watched, event);
}
