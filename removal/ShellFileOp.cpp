#include "removal/ShellFileOp.h"

#include <QCollator>
#include <QString>
#include <algorithm>

namespace {

QString ToQString(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Case-insensitive in the user's locale; the bytes break ties so that the order is total.
bool PathLess(const std::string& a, const std::string& b) {
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    const int order = collator.compare(ToQString(a), ToQString(b));
    if (order != 0)
        return order < 0;
    return a < b;
}

} // namespace

void TShellFileOp::AddFile(const PlannedFile& file) {
    files_.push_back(file);
    results_.clear();
}

bool TShellFileOp::RecycleFiles() {
    return Execute(rmRecycle, {});
}

bool TShellFileOp::EraseFiles() {
    return Execute(rmErase, {});
}

bool TShellFileOp::MoveFiles(const std::string& destination) {
    return Execute(rmMove, destination);
}

bool TShellFileOp::Execute(TRemoveMethod method, const std::string& destination) {
    results_.assign(files_.size(), RemovalResult{});
    if (files_.empty())
        return false;
    std::vector<std::size_t> order(files_.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return PathLess(files_[a].file.path, files_[b].file.path);
    });
    // Each path once; a repeat takes the result of its first listing.
    std::vector<const PlannedFile*> batch;
    std::vector<std::size_t> slotOf(files_.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::size_t i = order[k];
        if (!batch.empty() && batch.back()->file.path == files_[i].file.path) {
            slotOf[i] = batch.size() - 1;
            continue;
        }
        slotOf[i] = batch.size();
        batch.push_back(&files_[i]);
    }
    bool aborted = false;
    const std::vector<RemovalResult> done =
        shell_.Run(method, destination, batch, Animate, aborted);
    for (std::size_t i = 0; i < files_.size(); ++i)
        if (slotOf[i] < done.size())
            results_[i] = done[slotOf[i]];
    files_.clear();
    return aborted;
}
