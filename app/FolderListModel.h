#pragma once

#include "folders/FolderList.h"

#include <QAbstractListModel>

// The window's view of a FolderList: each folder as FolderDisplayText shows it, and its exact
// bytes under Qt::UserRole. Holds nothing of its own, so the list and the view never differ.
class FolderListModel final : public QAbstractListModel, private FolderListObserver {
public:
    FolderListModel(FolderList& list, QObject* parent = nullptr);
    ~FolderListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void Inserting(int row) override { beginInsertRows({}, row, row); }
    void Inserted() override { endInsertRows(); }
    void Removing(int first, int last) override { beginRemoveRows({}, first, last); }
    void Removed() override { endRemoveRows(); }
    void Resetting() override { beginResetModel(); }
    void Reset() override { endResetModel(); }

    FolderList& list_;
};
