#pragma once
// A spin control without a text field: an up and a down arrow stacked, with a
// minimum, a maximum and a value. An arrow changes the value by one and stops
// at the limits.

#include <QWidget>

class QToolButton;

class ArrowSpinner : public QWidget {
    Q_OBJECT
public:
    explicit ArrowSpinner(QWidget* parent = nullptr);

    // Sets the limits and the value without reporting a change. A minimum
    // above the maximum is kept as it is; the value then stays at the minimum.
    void SetRange(int minimum, int maximum, int value);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }

    QToolButton* UpArrow() const { return up_; }
    QToolButton* DownArrow() const { return down_; }

signals:
    // The value was changed by an arrow.
    void changed();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Step(int delta);

    QToolButton* up_;
    QToolButton* down_;
    int min_ = 0;
    int max_ = 0;
    int value_ = 0;
};
