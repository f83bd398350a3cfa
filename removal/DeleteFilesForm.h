#pragma once

#include "platform/Dialogs.h"
#include "removal/DeleteFilesModel.h"

#include <QAbstractTableModel>
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;
class QWidget;

// FilesGrid's rows for the view: the model's row 0 is the header.
class FilesTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FilesTableModel(const ResultGrid& grid, QObject* parent = nullptr)
        : QAbstractTableModel(parent), grid_(grid) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void Refresh();

private:
    const ResultGrid& grid_;
};

// The confirmation dialog of step 5: lists the files about to go, lets the user take some off,
// and offers the Trash, a move into the archive folder, or deletion behind a warning. It is made
// once and keeps its method, archive box and list from one showing to the next.
class TDeleteFilesForm : public QDialog, public DeleteDialogInterface {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 19;

    // archiveFolder is the main window's; the dialog reads and writes it.
    TDeleteFilesForm(std::string& archiveFolder, DialogService& dialogs, QWidget* parent = nullptr);

    DeleteFilesModel& Model() override { return model_; }
    int ShowModal() override;

    void UpdateNotification();
    void RecycleRadioClick();
    void MoveArchiveRadioClick();
    void DeleteRadioClick();
    void ArchiveEditExit();
    void RemoveButtonClick();
    void ArchiveBrowseClick();

    // The controls, named as in the window layout.
    QGroupBox* GroupBox1;
    QLabel* Label3;
    QLabel* Label4;
    QGroupBox* GroupBox2;
    QTableView* FilesGrid;
    QPushButton* RemoveButton;
    // Beside the remove button: which groups the list would leave without any copy.
    QLabel* WholeGroupsLabel;
    QGroupBox* GroupBox3;
    QRadioButton* RecycleRadio;
    QRadioButton* MoveArchiveRadio;
    QWidget* ArchiveEdit;
    QLineEdit* ArchiveEditText;
    QToolButton* ArchiveEditBrowse;
    QRadioButton* DeleteRadio;
    QLabel* Image1;
    QLabel* Image2;
    QLabel* Label2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;

    FilesTableModel* FilesModel() const { return filesModel_; }

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void BuildLayout();
    void ShowLabels();
    void RefreshList();

    DeleteFilesModel model_;
    DialogService& dialogs_;
    FilesTableModel* filesModel_ = nullptr;
    std::string initialBrowseFolder_;
    bool inExit_ = false;
};
