#pragma once
// Small helpers shared by the parts of the graph page.

#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>

// Fills the widget's background (and a button's face) with the colour.
inline void Paint(QWidget* w, const QColor& colour)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}
