#pragma once

#include <QWidget>

class QToolButton;

// A horizontal up-down control: two arrow buttons that step a position, with a minimum and
// no wrap. Clicked reports the new position after each step.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);

    int Position() const { return position_; }
    void SetPosition(int position);
    int Min() const { return min_; }
    void SetMin(int min);
    // One step, as the arrow buttons take it: up = right arrow.
    void Step(bool up);

    QToolButton* LeftButton() const { return left_; }
    QToolButton* RightButton() const { return right_; }

signals:
    void Clicked(int position, bool up);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* left_;
    QToolButton* right_;
    int position_ = 1;
    int min_ = 1;
};
