#pragma once
// The picture of the sample two-loop circuit beside the matrix: source E at
// the left, Z1 in the upper left branch, Z2 in the middle leg, Z3 in the
// upper right branch, and the loop currents I1 and I2 both clockwise.

#include <QWidget>

class CircuitPicture : public QWidget {
public:
    static constexpr int kWidth = 270;
    static constexpr int kHeight = 168;

    explicit CircuitPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
