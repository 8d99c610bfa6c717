#pragma once
// A drawing surface painted with QPainter. It keeps the user coordinates, the
// pen and font state and the current position; a subclass supplies the paint
// device (an image, a printer), its size in painter units and its resolution.
//
// Painter units are what a QPainter opened on the device uses: logical pixels
// on an image with a device pixel ratio, device dots on a printer.
//
// Lines between two given points and rectangle outlines are the grid and the
// frames: one device pixel wide, not anti-aliased, placed on the painter unit
// that contains the point, so they fall on the same places at any device pixel
// ratio. Lines from the last point and points are curves: anti-aliased, one
// 96th of an inch wide.
//
// The last point of LineTo is the current position: Line, LineTo, SetPixel and
// Rect leave it at their end point, Print moves it to the next text line.
//
// A curve arrives as one LineTo per point. Consecutive LineTo segments with
// the same pen are gathered and handed to the painter together, which costs
// far less than one call each and leaves the same pixels: they are mapped
// when they come and drawn before any other drawing call and before the
// painter ends (which Image(), a device change and the end of a printed page
// all go through). A dashed curve is always gathered, and drawn as one line
// through its points, so that its pattern runs on from segment to segment.

#include "platform/draw_surface.h"
#include "platform/glyph_cache.h"
#include "platform/raster_fast_paths.h"
#include "platform/scale_map.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QList>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QSizeF>

#include <optional>

class PainterSurface : public DrawSurface {
public:
    PainterSurface();
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    void Clear() override;
    void SetScale(double left, double top, double right, double bottom) override;
    ScaleRect Scale() const override;

    void Line(double x1, double y1, double x2, double y2) override;
    void Line(double x1, double y1, double x2, double y2, const QColor& colour) override;
    void LineTo(double x, double y, const QColor& colour) override;
    void SetPixel(double x, double y, const QColor& colour) override;
    void Rect(double x1, double y1, double x2, double y2) override;
    void SetDotted(bool dotted) override;
    void SetForeColor(const QColor& colour) override;
    void SetCurveDashes(const QList<qreal>& dashes) override;
    void Stroke(double x1, double y1, double x2, double y2, const QColor& colour) override;
    void PaintInto(double x1, double y1, double x2, double y2, QSizeF size, const Painting& paint) override;

    void SetFontName(const QString& name) override;
    void SetFontSize(double points) override;
    void SetFontBold(bool bold) override;
    void SetFontItalic(bool italic) override;
    double TextWidth(const QString& text) const override;
    double TextHeight(const QString& text) const override;

    QPointF Position() const override;
    void MoveTo(double x, double y) override;

    void Print(const QString& text) override;

    // Coordinates: one unit is one painter unit, origin at the top left (the
    // initial mode), or one millimetre at the surface's resolution. Both
    // follow the size of the device; user coordinates stretch with it.
    void SetScaleMillimetres();

    // Setting the background colour clears the surface to it.
    void SetBackColor(const QColor& colour);
    QColor BackColor() const { return back_; }
    QColor ForeColor() const { return fore_; }
    bool Dotted() const { return dotted_; }
    const QList<qreal>& CurveDashes() const { return dashes_; }
    QString FontName() const { return face_; }
    double FontSize() const { return points_; }
    bool FontBold() const { return bold_; }
    bool FontItalic() const { return italic_; }
    // The font as the surface draws it, its point size taken at TargetDpi().
    QFont Font() const;

    // Painter units ↔ user coordinates, at the device's present size.
    ScaleMap Map() const;
    QPointF ToPainter(double x, double y) const { return Map().ToPainter(x, y); }
    QPointF ToUser(const QPointF& painterPoint) const { return Map().ToUser(painterPoint); }

    // Ends the page and starts the next one on a device that has pages; false
    // on any other device, or when the device could not turn the page.
    virtual bool NewPage();

    // Ends the painter kept open between drawing calls; the next drawing call
    // opens a new one. A subclass calls it before its device changes or goes.
    void EndPainting();

protected:
    ~PainterSurface() override;

    // The device to paint on; called before every drawing call, so it may
    // replace the device (the painter is reopened when the pointer changes).
    // Returns nullptr when there is nothing to paint on.
    virtual QPaintDevice* Target() = 0;
    virtual QSizeF TargetSize() const = 0;  // painter units
    virtual int TargetDpi() const = 0;      // painter units per inch
    // Called after every drawing call, except a LineTo that only adds to the
    // segments gathered since an earlier call.
    virtual void Changed() {}

private:
    enum class ScaleMode { Pixels, Millimetres, User };

    QPainter* ActivePainter();
    // Runs draw(painter) on the open painter after what was gathered; nothing
    // when there is nothing to paint on.
    template <class Draw>
    void Paint(Draw draw);
    // The user coordinates of the scale mode over a device of `viewport`.
    ScaleRect Window(const QSizeF& viewport) const;
    void DrawGridLine(const QPointF& a, const QPointF& b, const QColor& colour);
    // What a curve's pen is made of; LineTo calls with the same one join.
    struct CurveStyle {
        QColor colour;
        bool dotted;
        double width;
        QList<qreal> dashes;
        bool operator==(const CurveStyle&) const = default;
    };
    CurveStyle CurveStyleFor(const QColor& colour) const;
    static QPen CurvePen(const CurveStyle& style);
    static bool Gathers(const QPainter& painter, const CurveStyle& style);
    QPen GridPen(const QColor& colour) const;
    GridStroke GridStrokeOf(const QColor& colour) const;
    // Sets the pen and the anti-aliasing unless the painter has them already.
    void UsePen(QPainter& painter, const QPen& pen, bool antialiased);
    void FlushCurve();

    // The font as set and its measurements at TargetDpi(), made again when
    // either changes.
    struct MeasuredFont {
        QFont font;
        QFontMetricsF metrics;
        int dpi;
    };
    const MeasuredFont& Measured() const;

    QPainter painter_;
    GlyphCache glyphs_;
    // What UsePen last gave painter_, while it stays open.
    struct PenState {
        QPen pen;
        bool antialiased;
    };
    std::optional<PenState> penState_;
    // The segments gathered from LineTo calls, in painter units, and their style.
    QList<QLineF> curve_;
    CurveStyle curveStyle_{};
    ScaleMode mode_ = ScaleMode::Pixels;
    ScaleRect user_;
    double currentX_ = 0;
    double currentY_ = 0;
    QColor fore_{Qt::black};
    QColor back_{Qt::white};
    bool dotted_ = false;
    QList<qreal> dashes_;
    QString face_;
    double points_ = 9;
    bool bold_ = false;
    bool italic_ = false;
    mutable std::optional<MeasuredFont> measured_;
};
