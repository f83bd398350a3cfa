#include "folders/FolderList.h"

#include "folders/FolderRules.h"

#include <QCollator>
#include <QString>
#include <algorithm>

bool FolderLess(const std::string& a, const std::string& b) {
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    const int order =
        collator.compare(QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size())),
                         QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size())));
    if (order != 0)
        return order < 0;
    return a < b;
}

bool FolderList::Contains(const std::string& folder) const {
    return std::find(items_.begin(), items_.end(), folder) != items_.end();
}

int FolderList::Insert(const std::string& folder) {
    auto at = std::upper_bound(items_.begin(), items_.end(), folder, FolderLess);
    at = items_.insert(at, folder);
    return static_cast<int>(at - items_.begin());
}

bool FolderList::AddFolderToList(const std::string& folder, bool protect) {
    if (protect && IsProtectedFolder(folder))
        return false;
    if (Contains(folder))
        return false;
    Insert(folder);
    return true;
}
