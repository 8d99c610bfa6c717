#include "print/arrow_spinner.h"

#include <algorithm>

#include <QToolButton>

ArrowSpinner::ArrowSpinner(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void ArrowSpinner::SetRange(int minimum, int maximum, int value)
{
    min_ = minimum;
    max_ = maximum;
    value_ = std::max(min_, std::min(value, max_));
}

void ArrowSpinner::Step(int delta)
{
    const int next = std::max(min_, std::min(value_ + delta, max_));
    if (next == value_) return;
    value_ = next;
    emit changed();
}

void ArrowSpinner::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
