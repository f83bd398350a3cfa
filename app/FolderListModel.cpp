#include "app/FolderListModel.h"

#include <QByteArray>

FolderListModel::FolderListModel(FolderList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list) {
    list_.SetObserver(this);
}

FolderListModel::~FolderListModel() {
    list_.SetObserver(nullptr);
}

int FolderListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.Count();
}

QVariant FolderListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= list_.Count())
        return {};
    const std::string_view folder = list_.At(index.row());
    if (role == Qt::DisplayRole)
        return FolderDisplayText(folder);
    if (role == Qt::UserRole)
        return QByteArray(folder.data(), static_cast<qsizetype>(folder.size()));
    return {};
}
