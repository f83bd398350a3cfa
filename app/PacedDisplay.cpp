#include "app/PacedDisplay.h"

#include <QCoreApplication>
#include <QLabel>

#include <algorithm>

namespace {

void ShowText(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

} // namespace

void PacedDisplay::AddView(BatchedView view) {
    if (Running() && view.setDeferred)
        view.setDeferred(true);
    views_.push_back(std::move(view));
}

void PacedDisplay::Begin() {
    // The first pump of an operation, a nested one too, draws what it started with.
    framed_ = false;
    if (depth_++ > 0)
        return;
    for (const auto& v : views_)
        if (v.setDeferred)
            v.setDeferred(true);
}

void PacedDisplay::End() {
    Flush();
    if (--depth_ > 0)
        return;
    for (const auto& v : views_)
        if (v.setDeferred)
            v.setDeferred(false);
}

void PacedDisplay::SetText(QLabel* label, const QString& text) {
    const auto pending = std::find_if(texts_.begin(), texts_.end(),
                                      [&](const PendingText& p) { return p.label == label; });
    if (!Running()) {
        if (pending != texts_.end())
            texts_.erase(pending);
        ShowText(label, text);
    } else if (pending != texts_.end()) {
        pending->text = text;
    } else {
        texts_.push_back({label, text});
    }
}

QString PacedDisplay::Text(const QLabel* label) const {
    for (const auto& p : texts_)
        if (p.label == label)
            return p.text;
    return label->text();
}

void PacedDisplay::Pump(std::int64_t nowMs) {
    // A clock that went back counts as a frame due.
    if (!framed_ || nowMs - lastFrame_ >= kFrameMs || nowMs < lastFrame_) {
        framed_ = true;
        lastFrame_ = nowMs;
        Show(false);
    }
    QCoreApplication::processEvents();
}

void PacedDisplay::Flush() {
    Show(true);
}

void PacedDisplay::Show(bool all) {
    for (const auto& p : texts_)
        ShowText(p.label, p.text);
    texts_.clear();
    for (const auto& v : views_)
        v.flush(all);
}
