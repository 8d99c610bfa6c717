#pragma once
// Small helpers shared by the parts of the graph page.

#include <QChar>
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

// Branch box captions "I01" … "I09", "I10" … "I15" (or with "V").
inline QString BranchCaption(QChar letter, int b)
{
    return QString(letter) + QStringLiteral("%1").arg(b, 2, 10, QLatin1Char('0'));
}
