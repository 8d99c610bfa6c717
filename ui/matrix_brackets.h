#pragma once
// The left and right brackets drawn around the loop-matrix buttons. The
// widget covers the calculation page, lets the mouse through and stays below
// the buttons.

#include <QWidget>

class MatrixBrackets : public QWidget {
public:
    explicit MatrixBrackets(QWidget* page);

protected:
    void paintEvent(QPaintEvent* event) override;
};
