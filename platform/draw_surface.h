#pragma once
// What the graph and the page drawing need of a surface. The picture box and
// the printer implement it, so one routine draws the preview, the printed
// page and the clipboard picture alike; tests use a recording implementation.
//
// Coordinates are user coordinates set by SetScale. The "last point" is the
// current position: Line, LineTo, SetPixel and Rect leave it at their end
// point, MoveTo sets it. Printing places the top-left of the text cell at the
// current position and then moves to the start of the next text line: x at
// the left of the scale rectangle, y one line height further down on the
// screen (smaller y when y grows upwards).

#include <functional>

#include <QColor>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include "platform/scale_map.h"

class QPainter;

class DrawSurface {
public:
    virtual ~DrawSurface() = default;

    virtual void Clear() = 0;  // clear to the background, position to the origin
    virtual void SetScale(double left, double top, double right, double bottom) = 0;
    // The scale rectangle: its top-left corner and its extent, right − left
    // and bottom − top (negative where an axis runs the other way).
    virtual ScaleRect Scale() const = 0;

    virtual void Line(double x1, double y1, double x2, double y2) = 0;  // foreground colour
    virtual void Line(double x1, double y1, double x2, double y2, const QColor& colour) = 0;
    virtual void LineTo(double x, double y, const QColor& colour) = 0;  // from the last point
    virtual void SetPixel(double x, double y, const QColor& colour) = 0;
    virtual void Rect(double x1, double y1, double x2, double y2) = 0;  // outline, foreground colour
    virtual void SetDotted(bool dotted) = 0;
    virtual void SetForeColor(const QColor& colour) = 0;
    // Curves drawn from here on (LineTo) follow the dash pattern: the lengths
    // of dash, gap, dash … in curve widths, running on along each piece of a
    // curve. Empty for solid curves, as a surface starts.
    virtual void SetCurveDashes(const QList<qreal>& dashes) = 0;
    // A piece of curve from point to point, as a legend shows a curve: the
    // curves' pen and dash pattern in the colour.
    virtual void Stroke(double x1, double y1, double x2, double y2, const QColor& colour) = 0;

    // What `paint` paints on a canvas of `size`, stretched to fill the
    // rectangle from (x1, y1) to (x2, y2). The painter is handed back as it
    // was given.
    using Painting = std::function<void(QPainter&)>;
    virtual void PaintInto(double x1, double y1, double x2, double y2, QSizeF size, const Painting& paint) = 0;

    virtual void SetFontName(const QString& name) = 0;
    virtual void SetFontSize(double points) = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual void SetFontItalic(bool italic) = 0;
    virtual double TextWidth(const QString& text) const = 0;   // user units
    virtual double TextHeight(const QString& text) const = 0;  // user units, positive

    virtual QPointF Position() const = 0;
    virtual void MoveTo(double x, double y) = 0;

    // Prints the text at the current position and ends the text line.
    virtual void Print(const QString& text) = 0;
    // A number prints as FmtNum(v) followed by one space.
    void PrintNumber(double v);
    void PrintNumber(float v);
};
