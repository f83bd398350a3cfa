#include "folders/FolderList.h"

#include "folders/FolderRules.h"
#include "platform/Utf8.h"

#include <QCollator>
#include <QString>
#include <algorithm>

namespace {

const QCollator& FolderCollator() {
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

QString CollationText(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

bool FolderLess(const std::string& a, const std::string& b) {
    const int order = FolderCollator().compare(CollationText(a), CollationText(b));
    if (order != 0)
        return order < 0;
    return a < b;
}

void SortFolders(std::vector<std::string>& folders) {
    std::vector<QString> keys;
    keys.reserve(folders.size());
    for (const auto& f : folders)
        keys.push_back(CollationText(f));
    std::vector<std::size_t> order(folders.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    const QCollator& collator = FolderCollator();
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int c = collator.compare(keys[a], keys[b]);
        if (c != 0)
            return c < 0;
        return folders[a] < folders[b];
    });
    std::vector<std::string> sorted;
    sorted.reserve(folders.size());
    for (std::size_t i : order)
        sorted.push_back(std::move(folders[i]));
    folders = std::move(sorted);
}

QString FolderDisplayText(const std::string& folder) {
    QString text;
    std::size_t i = 0;
    while (i < folder.size()) {
        std::size_t run = i;
        while (run < folder.size()) {
            const std::size_t n = platform::Utf8Sequence(folder, run);
            const auto lead = static_cast<unsigned char>(folder[run]);
            // A control character (a line break above all) would not show as itself.
            if (n == 0 || lead < 0x20 || lead == 0x7F)
                break;
            run += n;
        }
        text += QString::fromUtf8(folder.data() + i, static_cast<qsizetype>(run - i));
        if (run < folder.size()) {
            const auto byte = static_cast<unsigned char>(folder[run]);
            text += QStringLiteral("\\x") +
                    QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0'));
            ++run;
        }
        i = run;
    }
    return text;
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
