#include "platform/painter_surface.h"

#include "platform/font_names.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "platform/vector_state.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPen>

#include <algorithm>
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

QPointF Snap(const QPointF& p)
{
    return {std::floor(p.x()), std::floor(p.y())};
}

// Fills whole device pixels of an image with an opaque colour. Where nothing
// can blend with it, the pixels are written straight into the image: Qt fills
// a narrow column one span per row, which costs far more than its pixels.
// The painter open on the image draws into the same memory as long as no copy
// shares it, and nothing it holds stands between it and the pixels.
void FillPixels(QPainter& painter, const QRectF& logical, const QColor& colour)
{
    auto& image = *static_cast<QImage*>(painter.device());
    const bool direct = colour.alpha() == 255 && image.isDetached() && image.depth() == 32 &&
                        !painter.hasClipping() && painter.compositionMode() == QPainter::CompositionMode_SourceOver &&
                        painter.opacity() == 1 && painter.worldTransform().isIdentity();
    if (!direct) {
        painter.fillRect(logical, colour);
        return;
    }
    const qreal ratio = image.devicePixelRatio();
    const QRect pixels = QRect(qRound(logical.left() * ratio), qRound(logical.top() * ratio),
                               qRound(logical.width() * ratio), qRound(logical.height() * ratio))
                             .intersected(image.rect());
    if (pixels.isEmpty())
        return;
    const QRgb value = colour.rgba();
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(bits + y * stride) + pixels.left(), pixels.width(), value);
}

}  // namespace

PainterSurface::PainterSurface() : face_(QString::fromUtf8(kFacePGothic)) {}

PainterSurface::~PainterSurface() = default;

QPainter* PainterSurface::ActivePainter()
{
    QPaintDevice* device = Target();
    if (painter_.isActive() && painter_.device() != device)
        EndPainting();
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

void PainterSurface::EndPainting()
{
    FlushCurve();
    if (painter_.isActive())
        painter_.end();
    penState_.reset();
}

void PainterSurface::FlushCurve()
{
    if (!curve_.isEmpty() && painter_.isActive()) {
        UsePen(painter_, CurvePen(curveStyle_), true);
        painter_.drawLines(curve_.constData(), static_cast<int>(curve_.size()));
        ClearUpperVectorState();
    }
    curve_.clear();
}

void PainterSurface::Cls()
{
    if (QPainter* p = ActivePainter()) {
        FlushCurve();
        p->save();
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->fillRect(QRectF(QPointF(0, 0), TargetSize()), back_);
        p->restore();
        ClearUpperVectorState();
    }
    currentX_ = 0;
    currentY_ = 0;
    Changed();
}

void PainterSurface::SetBackColor(const QColor& colour)
{
    back_ = colour;
    Cls();
}

void PainterSurface::SetScale(double left, double top, double right, double bottom)
{
    mode_ = ScaleMode::User;
    left_ = left;
    top_ = top;
    width_ = right - left;
    height_ = bottom - top;
}

void PainterSurface::SetScaleMillimetres()
{
    mode_ = ScaleMode::Millimetres;
}

double PainterSurface::ScaleLeft() const
{
    return mode_ == ScaleMode::User ? left_ : 0;
}

double PainterSurface::ScaleTop() const
{
    return mode_ == ScaleMode::User ? top_ : 0;
}

double PainterSurface::ScaleWidth() const
{
    switch (mode_) {
    case ScaleMode::Pixels: return TargetSize().width();
    case ScaleMode::Millimetres: return TargetSize().width() * twips::kMmPerInch / TargetDpi();
    case ScaleMode::User: break;
    }
    return width_;
}

double PainterSurface::ScaleHeight() const
{
    switch (mode_) {
    case ScaleMode::Pixels: return TargetSize().height();
    case ScaleMode::Millimetres: return TargetSize().height() * twips::kMmPerInch / TargetDpi();
    case ScaleMode::User: break;
    }
    return height_;
}

// A surface without extent, or a scale of zero width, maps everything to its
// origin rather than dividing by zero.
double PainterSurface::UnitsPerPixelX() const
{
    const double pixels = TargetSize().width();
    return pixels > 0 ? ScaleWidth() / pixels : 0;
}

double PainterSurface::UnitsPerPixelY() const
{
    const double pixels = TargetSize().height();
    return pixels > 0 ? ScaleHeight() / pixels : 0;
}

QPointF PainterSurface::ToPainter(double x, double y) const
{
    if (mode_ != ScaleMode::User) {
        const double ux = UnitsPerPixelX();
        const double uy = UnitsPerPixelY();
        return {ux != 0 ? x / ux : 0, uy != 0 ? y / uy : 0};
    }
    // Here the scale is the user's own, and the device is asked its size once.
    const QSizeF pixels = TargetSize();
    const double ux = pixels.width() > 0 ? width_ / pixels.width() : 0;
    const double uy = pixels.height() > 0 ? height_ / pixels.height() : 0;
    return {ux != 0 ? (x - left_) / ux : 0, uy != 0 ? (y - top_) / uy : 0};
}

QPointF PainterSurface::ToUser(const QPointF& painterPoint) const
{
    return {ScaleLeft() + painterPoint.x() * UnitsPerPixelX(),
            ScaleTop() + painterPoint.y() * UnitsPerPixelY()};
}

PainterSurface::CurveStyle PainterSurface::CurveStyleFor(const QColor& colour) const
{
    return {colour, dotted_, TargetDpi() / kScreenDpi};
}

QPen PainterSurface::CurvePen(const CurveStyle& style)
{
    return QPen(style.colour, style.width, style.dotted ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap);
}

// Qt strokes lines no wider than one device pixel one at a time, each with its
// own ends, even when it gets many at once, so gathered segments come out as
// they would have one by one. Wider ones it would fill as one outline, where
// overlapping ends no longer add up; they are drawn as they come.
bool PainterSurface::Gathers(const QPainter& painter, const CurveStyle& style)
{
    return style.width * painter.device()->devicePixelRatio() <= 1;
}

QPen PainterSurface::GridPen(const QColor& colour) const
{
    return QPen(colour, 0, dotted_ ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap);
}

void PainterSurface::UsePen(QPainter& painter, const QPen& pen, bool antialiased)
{
    if (penState_ && penState_->pen == pen && penState_->antialiased == antialiased)
        return;
    painter.setPen(pen);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    penState_ = PenState{pen, antialiased};
}

void PainterSurface::MoveTo(double x, double y)
{
    currentX_ = x;
    currentY_ = y;
}

// Solid one-pixel lines along rows and columns of an image are filled as
// rectangles of device pixels: the same pixels Qt's line drawing gives them
// at a fraction of its cost. The logical size of a device pixel when that
// holds, nothing otherwise: for dotted lines, on a printer and at a
// fractional ratio.
std::optional<qreal> PainterSurface::FillablePixel(const QPainter& painter) const
{
    const QPaintDevice* device = painter.device();
    const qreal ratio = device->devicePixelRatio();
    if (dotted_ || device->devType() != QInternal::Image || ratio != std::floor(ratio))
        return std::nullopt;
    return 1 / ratio;
}

// Whether an outline whose corners span `ends` lies wholly on the picture: Qt
// leaves out the pixel where the clipped sides of one that does not meet.
bool PainterSurface::OnPicture(const QRectF& ends, qreal pixel) const
{
    const QSizeF size = TargetSize();
    return ends.left() >= 0 && ends.top() >= 0 && ends.right() + pixel <= size.width() &&
           ends.bottom() + pixel <= size.height();
}

// A line from a to b covers the pixels from its first end up to, not
// including, its last one; just one pixel when the ends meet. A line along a
// row or column that leaves the picture keeps just the pixels on it.
void PainterSurface::DrawGridLine(const QPointF& a, const QPointF& b, const QColor& colour)
{
    if (QPainter* p = ActivePainter()) {
        FlushCurve();
        const QPointF from = Snap(a);
        const QPointF to = Snap(b);
        const QRectF ends = QRectF(from, to).normalized();
        const std::optional<qreal> pixel = FillablePixel(*p);
        if (pixel && (ends.width() == 0 || ends.height() == 0)) {
            const QRectF run(ends.topLeft(), QSizeF(ends.width() == 0 ? *pixel : ends.width(),
                                                    ends.height() == 0 ? *pixel : ends.height()));
            const QRectF shown = run.intersected(QRectF(QPointF(0, 0), TargetSize()));
            if (!shown.isEmpty())
                FillPixels(*p, shown, colour);
        } else {
            UsePen(*p, GridPen(colour), false);
            p->drawLine(from, to);
        }
        ClearUpperVectorState();
    }
}

// Neither overload calls the other: a subclass that wraps both must see one
// call per line.
void PainterSurface::Line(double x1, double y1, double x2, double y2)
{
    DrawGridLine(ToPainter(x1, y1), ToPainter(x2, y2), fore_);
    MoveTo(x2, y2);
    Changed();
}

void PainterSurface::Line(double x1, double y1, double x2, double y2, const QColor& colour)
{
    DrawGridLine(ToPainter(x1, y1), ToPainter(x2, y2), colour);
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
    if (extended) {
        curve_.append(QLineF(ToPainter(currentX_, currentY_), ToPainter(x, y)));
    } else if (QPainter* p = ActivePainter()) {
        FlushCurve();
        curveStyle_ = CurveStyleFor(colour);
        curve_.append(QLineF(ToPainter(currentX_, currentY_), ToPainter(x, y)));
        if (!Gathers(*p, curveStyle_))
            FlushCurve();
    }
    MoveTo(x, y);
    // The picture was reported changed when the gathering began; what is
    // gathered is drawn before the picture can be read.
    if (!extended)
        Changed();
}

void PainterSurface::PSet(double x, double y, const QColor& colour)
{
    if (QPainter* p = ActivePainter()) {
        FlushCurve();
        UsePen(*p, CurvePen(CurveStyleFor(colour)), true);
        p->drawPoint(ToPainter(x, y));
        ClearUpperVectorState();
    }
    MoveTo(x, y);
    Changed();
}

// The outline covers both of its ends in each direction; an outline of no
// extent at all is not drawn.
void PainterSurface::Rect(double x1, double y1, double x2, double y2)
{
    if (QPainter* p = ActivePainter()) {
        const QRectF r = QRectF(Snap(ToPainter(x1, y1)), Snap(ToPainter(x2, y2))).normalized();
        FlushCurve();
        const std::optional<qreal> pixel = FillablePixel(*p);
        if (pixel && OnPicture(r, *pixel)) {
            if (!r.isNull()) {
                const qreal across = r.width() + *pixel, down = r.height() + *pixel;
                FillPixels(*p, QRectF(r.left(), r.top(), across, *pixel), fore_);
                FillPixels(*p, QRectF(r.left(), r.bottom(), across, *pixel), fore_);
                FillPixels(*p, QRectF(r.left(), r.top(), *pixel, down), fore_);
                FillPixels(*p, QRectF(r.right(), r.top(), *pixel, down), fore_);
            }
        } else {
            UsePen(*p, GridPen(fore_), false);
            p->setBrush(Qt::NoBrush);
            p->drawRect(r);
        }
        ClearUpperVectorState();
    }
    MoveTo(x2, y2);
    Changed();
}

void PainterSurface::SetDotted(bool dotted)
{
    dotted_ = dotted;
}

void PainterSurface::SetForeColor(const QColor& colour)
{
    fore_ = colour;
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

QFont PainterSurface::Font() const
{
    return Measured().font;
}

double PainterSurface::TextWidth(const QString& text) const
{
    return Measured().metrics.horizontalAdvance(text) * std::abs(UnitsPerPixelX());
}

double PainterSurface::TextHeight(const QString&) const
{
    return Measured().metrics.lineSpacing() * std::abs(UnitsPerPixelY());
}

double PainterSurface::CurrentX() const
{
    return currentX_;
}

double PainterSurface::CurrentY() const
{
    return currentY_;
}

void PainterSurface::SetCurrentX(double x)
{
    currentX_ = x;
}

void PainterSurface::SetCurrentY(double y)
{
    currentY_ = y;
}

void PainterSurface::Print(const QString& text)
{
    const MeasuredFont& measured = Measured();
    const QFont& font = measured.font;
    const QFontMetricsF& metrics = measured.metrics;
    if (QPainter* p = ActivePainter()) {
        // The painter resolves point sizes at its device's resolution; scale
        // so the text has its size at TargetDpi() whatever the device reports.
        QFont drawn = font;
        const int deviceDpi = p->device()->logicalDpiY();
        if (deviceDpi > 0 && deviceDpi != TargetDpi())
            drawn.setPointSizeF(points_ * TargetDpi() / deviceDpi);
        FlushCurve();
        p->setFont(drawn);
        // The text pen leaves the anti-aliasing as it was, outside UsePen.
        p->setPen(fore_);
        penState_.reset();
        const QPointF cell = ToPainter(currentX_, currentY_);
        const QPointF baseline(cell.x(), cell.y() + metrics.ascent());
        if (!glyphs_.Draw(*p, baseline, text))
            p->drawText(baseline, text);
        ClearUpperVectorState();
    }
    currentX_ = ScaleLeft();
    currentY_ += metrics.lineSpacing() * UnitsPerPixelY();
    Changed();
}
