#include "platform/painter_surface.h"

#include "platform/font_names.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "platform/vector_state.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QPolygonF>

#include <cmath>
#include <map>

namespace {

constexpr double kScreenDpi = 96;

// Fonts are measured on an image whose resolution is the surface's, so the
// measurements need no device and agree with what the device draws.
const QPaintDevice& MetricsDevice(int dpi)
{
    static std::map<int, QImage> devices;
    auto [it, added] = devices.try_emplace(dpi, 1, 1, QImage::Format_RGB32);
    if (added) {
        const int dotsPerMetre = static_cast<int>(std::lround(dpi / twips::kMetresPerInch));
        it->second.setDotsPerMeterX(dotsPerMetre);
        it->second.setDotsPerMeterY(dotsPerMetre);
    }
    return it->second;
}

QPointF Snap(const QPointF& p) { return {std::floor(p.x()), std::floor(p.y())}; }

}  // namespace

PainterSurface::PainterSurface() : face_(QString::fromUtf8(kFacePGothic)) {}

PainterSurface::~PainterSurface() = default;

QPainter* PainterSurface::ActivePainter()
{
    QPaintDevice* device = Target();
    if (painter_.isActive() && painter_.device() != device) EndPainting();
    if (!painter_.isActive() && device != nullptr && device->width() > 0 && device->height() > 0) {
        painter_.begin(device);
        penState_.reset();
        // A printer's engine outlives its painters and still holds the last
        // document's pen; a new painter's pen equal to the default would
        // never reach it.
        if (painter_.isActive())
            painter_.paintEngine()->setDirty(QPaintEngine::DirtyPen | QPaintEngine::DirtyBrush |
                                             QPaintEngine::DirtyFont);
    }
    return painter_.isActive() ? &painter_ : nullptr;
}

template <class Draw>
void PainterSurface::Paint(Draw draw)
{
    if (QPainter* p = ActivePainter()) {
        UpperVectorStateGuard clearing;
        FlushCurve();
        draw(*p);
    }
}

void PainterSurface::EndPainting()
{
    UpperVectorStateGuard clearing;
    FlushCurve();
    if (painter_.isActive()) painter_.end();
    penState_.reset();
}

void PainterSurface::FlushCurve()
{
    if (!curve_.isEmpty() && painter_.isActive()) {
        UsePen(painter_, CurvePen(curveStyle_), true);
        if (curveStyle_.dashes.isEmpty()) {
            painter_.drawLines(curve_.constData(), static_cast<int>(curve_.size()));
        } else {
            // One line through each run of joined segments.
            QPolygonF run;
            for (const QLineF& segment : curve_) {
                if (!run.isEmpty() && run.back() != segment.p1()) {
                    painter_.drawPolyline(run);
                    run.clear();
                }
                if (run.isEmpty()) run << segment.p1();
                run << segment.p2();
            }
            painter_.drawPolyline(run);
        }
    }
    curve_.clear();
}

void PainterSurface::Clear()
{
    Paint([&](QPainter& p) {
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(QRectF(QPointF(0, 0), TargetSize()), back_);
        p.restore();
    });
    currentX_ = 0;
    currentY_ = 0;
    Changed();
}

void PainterSurface::SetBackColor(const QColor& colour)
{
    back_ = colour;
    Clear();
}

void PainterSurface::SetScale(double left, double top, double right, double bottom)
{
    mode_ = ScaleMode::User;
    user_ = {left, top, right - left, bottom - top};
}

void PainterSurface::SetScaleMillimetres() { mode_ = ScaleMode::Millimetres; }

ScaleRect PainterSurface::Scale() const { return Window(TargetSize()); }

ScaleRect PainterSurface::Window(const QSizeF& viewport) const
{
    switch (mode_) {
    case ScaleMode::Pixels:
        return {0, 0, viewport.width(), viewport.height()};
    case ScaleMode::Millimetres:
        return {0, 0, viewport.width() * twips::kMmPerInch / TargetDpi(),
                viewport.height() * twips::kMmPerInch / TargetDpi()};
    case ScaleMode::User:
        break;
    }
    return user_;
}

ScaleMap PainterSurface::Map() const
{
    const QSizeF viewport = TargetSize();
    return {Window(viewport), viewport};
}

PainterSurface::CurveStyle PainterSurface::CurveStyleFor(const QColor& colour) const
{
    return {colour, dotted_, TargetDpi() / kScreenDpi, dashes_};
}

// Dashes end square, so that their lengths are those of the pattern.
QPen PainterSurface::CurvePen(const CurveStyle& style)
{
    if (style.dashes.isEmpty())
        return QPen(style.colour, style.width, style.dotted ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap);
    QPen pen(style.colour, style.width, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern(style.dashes);
    return pen;
}

// Qt strokes lines no wider than one device pixel one at a time, each with its
// own ends, even when it gets many at once, so gathered segments come out as
// they would have one by one. Wider ones it would fill as one outline, where
// overlapping ends no longer add up; they are drawn as they come, unless
// they are dashed.
bool PainterSurface::Gathers(const QPainter& painter, const CurveStyle& style)
{
    return !style.dashes.isEmpty() || (FastPathsOn() && style.width * painter.device()->devicePixelRatio() <= 1);
}

QPen PainterSurface::GridPen(const QColor& colour) const
{
    return QPen(colour, 0, dotted_ ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap);
}

GridStroke PainterSurface::GridStrokeOf(const QColor& colour) const { return {colour, dotted_, TargetSize()}; }

void PainterSurface::UsePen(QPainter& painter, const QPen& pen, bool antialiased)
{
    if (penState_ && penState_->pen == pen && penState_->antialiased == antialiased) return;
    painter.setPen(pen);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    penState_ = PenState{pen, antialiased};
}

void PainterSurface::MoveTo(double x, double y)
{
    currentX_ = x;
    currentY_ = y;
}

void PainterSurface::DrawGridLine(const QPointF& a, const QPointF& b, const QColor& colour)
{
    Paint([&](QPainter& p) {
        const QPointF from = Snap(a);
        const QPointF to = Snap(b);
        if (!FillGridLine(p, from, to, GridStrokeOf(colour))) {
            UsePen(p, GridPen(colour), false);
            p.drawLine(from, to);
        }
    });
}

// Neither overload calls the other: a subclass that wraps both must see one
// call per line.
void PainterSurface::Line(double x1, double y1, double x2, double y2)
{
    const ScaleMap map = Map();
    DrawGridLine(map.ToPainter(x1, y1), map.ToPainter(x2, y2), fore_);
    MoveTo(x2, y2);
    Changed();
}

void PainterSurface::Line(double x1, double y1, double x2, double y2, const QColor& colour)
{
    const ScaleMap map = Map();
    DrawGridLine(map.ToPainter(x1, y1), map.ToPainter(x2, y2), colour);
    MoveTo(x2, y2);
    Changed();
}

// A segment that joins gathered ones does not go back to the device: the
// painter stays open on it until they are drawn. A picture box changes its
// image only after its size or screen changed, which takes the event loop,
// and the repaint the gathering asked for then draws them first.
void PainterSurface::LineTo(double x, double y, const QColor& colour)
{
    const bool extended = !curve_.isEmpty() && CurveStyleFor(colour) == curveStyle_;
    const auto segment = [&] {
        const ScaleMap map = Map();
        return QLineF(map.ToPainter(currentX_, currentY_), map.ToPainter(x, y));
    };
    if (extended) {
        curve_.append(segment());
    } else {
        Paint([&](QPainter& p) {
            curveStyle_ = CurveStyleFor(colour);
            curve_.append(segment());
            if (!Gathers(p, curveStyle_)) FlushCurve();
        });
    }
    MoveTo(x, y);
    // The picture was reported changed when the gathering began; what is
    // gathered is drawn before the picture can be read.
    if (!extended) Changed();
}

// A point is round, dashed curve or not.
void PainterSurface::SetPixel(double x, double y, const QColor& colour)
{
    Paint([&](QPainter& p) {
        CurveStyle dot = CurveStyleFor(colour);
        dot.dashes.clear();
        UsePen(p, CurvePen(dot), true);
        p.drawPoint(ToPainter(x, y));
    });
    MoveTo(x, y);
    Changed();
}

// The outline covers both of its ends in each direction; an outline of no
// extent at all is not drawn.
void PainterSurface::Rect(double x1, double y1, double x2, double y2)
{
    Paint([&](QPainter& p) {
        const ScaleMap map = Map();
        const QRectF r = QRectF(Snap(map.ToPainter(x1, y1)), Snap(map.ToPainter(x2, y2))).normalized();
        if (!FillOutline(p, r, GridStrokeOf(fore_))) {
            UsePen(p, GridPen(fore_), false);
            p.setBrush(Qt::NoBrush);
            p.drawRect(r);
        }
    });
    MoveTo(x2, y2);
    Changed();
}

void PainterSurface::SetDotted(bool dotted) { dotted_ = dotted; }

void PainterSurface::SetForeColor(const QColor& colour) { fore_ = colour; }

void PainterSurface::SetCurveDashes(const QList<qreal>& dashes) { dashes_ = dashes; }

void PainterSurface::Stroke(double x1, double y1, double x2, double y2, const QColor& colour)
{
    Paint([&](QPainter& p) {
        UsePen(p, CurvePen(CurveStyleFor(colour)), true);
        p.drawLine(ToPainter(x1, y1), ToPainter(x2, y2));
    });
    MoveTo(x2, y2);
    Changed();
}

void PainterSurface::PaintInto(double x1, double y1, double x2, double y2, QSizeF size, const Painting& paint)
{
    if (size.isEmpty()) return;
    Paint([&](QPainter& p) {
        const QRectF area = QRectF(ToPainter(x1, y1), ToPainter(x2, y2)).normalized();
        p.save();
        p.translate(area.topLeft());
        p.scale(area.width() / size.width(), area.height() / size.height());
        paint(p);
        p.restore();
        penState_.reset();
    });
    Changed();
}

bool PainterSurface::NewPage()
{
    bool turned = false;
    Paint([&](QPainter& p) {
        if (auto* paged = dynamic_cast<QPagedPaintDevice*>(p.device())) turned = paged->newPage();
    });
    penState_.reset();
    return turned;
}

void PainterSurface::SetFontName(const QString& name)
{
    face_ = name;
    measured_.reset();
}

void PainterSurface::SetFontSize(double points)
{
    points_ = points;
    measured_.reset();
}

void PainterSurface::SetFontBold(bool bold)
{
    bold_ = bold;
    measured_.reset();
}

void PainterSurface::SetFontItalic(bool italic)
{
    italic_ = italic;
    measured_.reset();
}

const PainterSurface::MeasuredFont& PainterSurface::Measured() const
{
    const int dpi = TargetDpi();
    if (!measured_ || measured_->dpi != dpi) {
        const QFont font = MakeFont(face_, points_, bold_, italic_);
        measured_.emplace(MeasuredFont{font, QFontMetricsF(font, &MetricsDevice(dpi)), dpi});
    }
    return *measured_;
}

QFont PainterSurface::Font() const { return Measured().font; }

double PainterSurface::TextWidth(const QString& text) const
{
    return Measured().metrics.horizontalAdvance(text) * std::abs(Map().UnitsPerPixelX());
}

double PainterSurface::TextHeight(const QString&) const
{
    return Measured().metrics.lineSpacing() * std::abs(Map().UnitsPerPixelY());
}

QPointF PainterSurface::Position() const { return {currentX_, currentY_}; }

void PainterSurface::Print(const QString& text)
{
    const MeasuredFont& measured = Measured();
    const QFont& font = measured.font;
    const QFontMetricsF& metrics = measured.metrics;
    Paint([&](QPainter& p) {
        // The painter resolves point sizes at its device's resolution; scale
        // so the text has its size at TargetDpi() whatever the device reports.
        QFont drawn = font;
        const int deviceDpi = p.device()->logicalDpiY();
        if (deviceDpi > 0 && deviceDpi != TargetDpi()) drawn.setPointSizeF(points_ * TargetDpi() / deviceDpi);
        p.setFont(drawn);
        // The text pen leaves the anti-aliasing as it was, outside UsePen.
        p.setPen(fore_);
        penState_.reset();
        const QPointF cell = ToPainter(currentX_, currentY_);
        const QPointF baseline(cell.x(), cell.y() + metrics.ascent());
        if (!FastPathsOn() || !glyphs_.Draw(p, baseline, text)) p.drawText(baseline, text);
    });
    currentX_ = Scale().left;
    currentY_ += metrics.lineSpacing() * Map().UnitsPerPixelY();
    Changed();
}
