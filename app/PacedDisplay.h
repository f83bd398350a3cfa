#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QLabel;

// What a long operation shows reaches the screen at most once a frame while it pumps, and at
// once when it ends: label texts wait for the frame and only those that changed are set, and
// the views that batch their changes (the grid's rows, the folder list's entries) are told in
// one go. Drawing, not searching, was the cost of a pump. Outside an operation everything is
// shown at once. Every pump still lets all pending window messages run.
class PacedDisplay {
public:
    // 25 frames a second: smooth to the eye, and a pump that draws costs as much as a
    // thousand that do not.
    static constexpr std::int64_t kFrameMs = 40;

    // A view that holds its changes back while deferred (setDeferred may be empty: the view
    // defers on its own) and hands them over when flushed: all of them, or at a frame (all
    // false) as many as it can without keeping input waiting, the rest at later frames.
    struct BatchedView {
        std::function<void(bool deferred)> setDeferred;
        std::function<void(bool all)> flush;
    };
    void AddView(BatchedView view);

    // An operation from its start to its end; operations nest (a removal inside a search).
    class Operation {
    public:
        explicit Operation(PacedDisplay& display) : display_(display) { display_.Begin(); }
        ~Operation() { display_.End(); }
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;

    private:
        PacedDisplay& display_;
    };
    bool Running() const { return depth_ > 0; }

    // The label shows text: at the next frame while an operation runs, else at once. A label
    // written here is written nowhere else, or a text waiting for the frame would undo it.
    void SetText(QLabel* label, const QString& text);
    void SetText(QLabel* label, const std::string& text) {
        SetText(label, QString::fromUtf8(text));
    }
    // The text the label was last given, shown or not yet.
    QString Text(const QLabel* label) const;

    // At a pump point: a frame when one is due (nowMs in milliseconds), then every pending
    // window message runs.
    void Pump(std::int64_t nowMs);
    // Everything given so far goes to the widgets now; they draw at the next pump.
    void Flush();

private:
    void Begin();
    void End();
    void Show(bool all);

    struct PendingText {
        QLabel* label;
        QString text;
    };
    std::vector<PendingText> texts_;
    std::vector<BatchedView> views_;
    int depth_ = 0;
    std::int64_t lastFrame_ = 0;
    bool framed_ = false;
};
