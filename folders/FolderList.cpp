#include "folders/FolderList.h"

#include "folders/FolderRules.h"
#include "platform/Errors.h"
#include "platform/Utf8.h"

#include <QCollator>
#include <QString>
#include <algorithm>
#include <iterator>

namespace {

const QCollator& FolderCollator() {
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

QString CollationText(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

FolderList::FolderList(int capacity) : capacity_(capacity), kept_(std::make_shared<PathBlocks>()) {}

FolderList::~FolderList() = default;

std::vector<std::string> FolderList::Items() const {
    return {items_.begin(), items_.end()};
}

TDirList FolderList::Paths() const {
    return TDirList(kept_, items_);
}

void FolderList::Keep(const std::vector<std::string>& folders) {
    auto kept = std::make_shared<PathBlocks>();
    std::vector<std::string_view> items;
    items.reserve(folders.size());
    for (const std::string& folder : folders)
        items.push_back(kept->Keep(folder));
    kept_ = std::move(kept);
    items_ = std::move(items);
}

void FolderList::Gather() {
    std::size_t live = 0;
    for (const std::string_view folder : items_)
        live += folder.size() + 1;
    if (kept_->Bytes() <= 2 * live + PathBlocks::kBlockBytes)
        return;
    auto kept = std::make_shared<PathBlocks>();
    for (std::string_view& folder : items_)
        folder = kept->Keep(folder);
    kept_ = std::move(kept);
}

bool FolderLess(std::string_view a, std::string_view b) {
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

QString FolderDisplayText(std::string_view folder) {
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

bool FolderList::Contains(std::string_view folder) const {
    return std::find(items_.begin(), items_.end(), folder) != items_.end();
}

int FolderList::PlaceFrom(int from, std::string_view folder) const {
    // A batch comes in order, so each place is at or after the one before: galloping up from
    // there first finds it in a few steps when the batch goes to one place.
    const auto before = [&](int at) { return FolderLess(At(at), folder); };
    int low = from;
    int high = Count();
    for (int step = 1; low + step - 1 < high; step *= 2) {
        if (!before(low + step - 1)) {
            high = low + step - 1;
            break;
        }
        low += step;
    }
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (before(middle))
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int FolderList::InsertAt(int row, std::string_view folder) {
    // The order is total, so an equal entry sits where the folder would go.
    if (row < Count() && At(row) == folder)
        return -1;
    if (Count() >= capacity_)
        throw AppError("Unable to insert a line");
    const std::string_view kept = kept_->Keep(folder);
    if (observer_)
        observer_->Inserting(row);
    items_.insert(items_.begin() + row, kept);
    if (observer_)
        observer_->Inserted();
    return row;
}

int FolderList::Insert(const std::string& folder) {
    return InsertAt(PlaceFrom(0, folder), folder);
}

int FolderList::Add(const std::string& folder, bool protect) {
    if (protect && IsProtectedFolder(folder))
        return -1;
    return Insert(folder);
}

void FolderList::Queue(const std::string& folder, bool checkProtection) {
    if (checkProtection && IsProtectedFolder(folder))
        return;
    if (static_cast<std::size_t>(Count()) + queued_.size() >= static_cast<std::size_t>(capacity_)) {
        InsertQueued();
        Insert(folder);
        return;
    }
    queued_.push_back(folder);
}

std::size_t FolderList::InsertQueued(std::size_t most) {
    // Taken from the queue first: an observer may let a handler run that inserts again.
    const std::size_t n = std::min(most, queued_.size());
    std::vector<std::string> batch(std::make_move_iterator(queued_.begin()),
                                   std::make_move_iterator(queued_.begin() + n));
    queued_.erase(queued_.begin(), queued_.begin() + n);
    SortFolders(batch);
    // Smallest first: each insertion moves only the entries that were there before the batch
    // and sort after it, so a new tree's folders cost no more than appending them.
    int place = 0;
    for (const auto& folder : batch) {
        // An equal entry, one of this batch included, sits at the place found.
        place = PlaceFrom(place, folder);
        InsertAt(place, folder);
    }
    return n;
}

void FolderList::RemoveRows(const std::vector<int>& rows) {
    // From the end, one notice for each run of neighbouring rows.
    std::size_t end = rows.size();
    while (end > 0) {
        std::size_t begin = end - 1;
        while (begin > 0 && rows[begin - 1] + 1 == rows[begin])
            --begin;
        const int first = rows[begin];
        const int last = rows[end - 1];
        if (observer_)
            observer_->Removing(first, last);
        items_.erase(items_.begin() + first, items_.begin() + last + 1);
        if (observer_)
            observer_->Removed();
        end = begin;
    }
    Gather();
}

void FolderList::Clear() {
    Assign({});
}

void FolderList::Assign(std::vector<std::string> folders) {
    if (folders.size() > static_cast<std::size_t>(capacity_))
        throw AppError("Unable to insert a line");
    SortFolders(folders);
    if (observer_)
        observer_->Resetting();
    Keep(folders);
    if (observer_)
        observer_->Reset();
}
