#pragma once
// The surface draws some things in quicker ways than Qt's plain drawing of
// them, each leaving exactly the same pixels: curve segments gathered and
// drawn together, shaped glyphs kept for texts drawn again, and the grid
// lines and frames of an image filled as rectangles of device pixels, which
// are here.

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

// False when BRIVEL_NO_FAST_PATHS=1 is in the environment: every quicker way
// is off and Qt draws everything itself, so that a drawing fault can be
// traced to them or cleared of them. Read once, at the first drawing.
bool FastPathsOn();

// Grid lines and frames are solid or dotted lines one device pixel wide, on
// the painter unit that contains their points. `picture` is the extent of the
// painter's device in painter units.
struct GridStroke {
    QColor colour;
    bool dotted;
    QSizeF picture;
};

// A line between two points on whole painter units; false when it has to be
// left to the painter, with nothing drawn.
bool FillGridLine(QPainter& painter, const QPointF& from, const QPointF& to, const GridStroke& stroke);
// A rectangle outline whose corners lie on whole painter units; false when it
// has to be left to the painter, with nothing drawn.
bool FillOutline(QPainter& painter, const QRectF& outline, const GridStroke& stroke);
