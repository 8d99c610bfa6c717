#pragma once
// What the graph and the page drawing need of a surface. The picture box and
// the printer implement it, so one routine draws the preview, the printed
// page and the clipboard picture alike; tests use a recording implementation.
//
// Coordinates are user coordinates set by SetScale. The "last point" is the
// current position (CurrentX, CurrentY): Line, LineTo, PSet and Rect leave it
// at their end point. Printing places the top-left of the text cell at the
// current position and then moves to the start of the next text line:
// CurrentX = ScaleLeft, CurrentY one line height further down on the screen
// (smaller y when y grows upwards).

#include <QColor>
#include <QString>

class DrawSurface {
public:
    virtual ~DrawSurface() = default;

    virtual void Cls() = 0;  // clear to the background, position to the origin
    virtual void SetScale(double left, double top, double right, double bottom) = 0;
    virtual double ScaleLeft() const = 0;
    virtual double ScaleTop() const = 0;
    virtual double ScaleWidth() const = 0;   // right − left (may be negative)
    virtual double ScaleHeight() const = 0;  // bottom − top (negative when y grows upwards)

    virtual void Line(double x1, double y1, double x2, double y2) = 0;  // foreground colour
    virtual void Line(double x1, double y1, double x2, double y2, const QColor& colour) = 0;
    virtual void LineTo(double x, double y, const QColor& colour) = 0;  // from the last point
    virtual void PSet(double x, double y, const QColor& colour) = 0;
    virtual void Rect(double x1, double y1, double x2, double y2) = 0;  // outline, foreground colour
    virtual void SetDotted(bool dotted) = 0;
    virtual void SetForeColor(const QColor& colour) = 0;

    virtual void SetFontName(const QString& name) = 0;
    virtual void SetFontSize(double points) = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual void SetFontItalic(bool italic) = 0;
    virtual double TextWidth(const QString& text) const = 0;   // user units
    virtual double TextHeight(const QString& text) const = 0;  // user units, positive

    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;
    virtual void SetCurrentX(double x) = 0;
    virtual void SetCurrentY(double y) = 0;

    // Prints the text at the current position and ends the text line.
    virtual void Print(const QString& text) = 0;
    // A number prints as FmtNum(v) followed by one space.
    void PrintNum(double v);
    void PrintNum(float v);
};
