#include "app/UpDown.h"

#include <QToolButton>

#include <climits>

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), left_(new QToolButton(this)), right_(new QToolButton(this)) {
    for (auto* b : {left_, right_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    left_->setArrowType(Qt::LeftArrow);
    right_->setArrowType(Qt::RightArrow);
    connect(left_, &QToolButton::clicked, this, [this] { Step(false); });
    connect(right_, &QToolButton::clicked, this, [this] { Step(true); });
}

void TUpDown::SetPosition(int position) {
    position_ = position < min_ ? min_ : position;
}

void TUpDown::SetMin(int min) {
    min_ = min;
    SetPosition(position_);
}

void TUpDown::Step(bool up) {
    if (up && position_ < INT_MAX)
        ++position_;
    else if (!up && position_ > min_)
        --position_;
    emit Clicked(position_, up);
}

void TUpDown::resizeEvent(QResizeEvent*) {
    const int half = width() / 2;
    left_->setGeometry(0, 0, half, height());
    right_->setGeometry(half, 0, width() - half, height());
}
