#include "platform/painter_surface.h"

#include "platform/font_names.h"
#include "platform/fonts.h"
#include "platform/twips.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPen>

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

}  // namespace

PainterSurface::PainterSurface() : face_(QString::fromUtf8(kFacePGothic)) {}

PainterSurface::~PainterSurface() = default;

QPainter* PainterSurface::ActivePainter()
{
    QPaintDevice* device = Target();
    if (painter_.isActive() && painter_.device() != device)
        painter_.end();
    if (!painter_.isActive() && device != nullptr && device->width() > 0 && device->height() > 0)
        painter_.begin(device);
    return painter_.isActive() ? &painter_ : nullptr;
}

void PainterSurface::EndPainting()
{
    if (painter_.isActive())
        painter_.end();
}

void PainterSurface::Cls()
{
    if (QPainter* p = ActivePainter()) {
        p->save();
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->fillRect(QRectF(QPointF(0, 0), TargetSize()), back_);
        p->restore();
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

void PainterSurface::SetScalePixels()
{
    mode_ = ScaleMode::Pixels;
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
    const double ux = UnitsPerPixelX();
    const double uy = UnitsPerPixelY();
    return {ux != 0 ? (x - ScaleLeft()) / ux : 0, uy != 0 ? (y - ScaleTop()) / uy : 0};
}

QPointF PainterSurface::ToUser(const QPointF& painterPoint) const
{
    return {ScaleLeft() + painterPoint.x() * UnitsPerPixelX(),
            ScaleTop() + painterPoint.y() * UnitsPerPixelY()};
}

void PainterSurface::SetCurvePen(QPainter& painter, const QColor& colour) const
{
    QPen pen(colour, TargetDpi() / kScreenDpi, dotted_ ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap);
    painter.setPen(pen);
    painter.setRenderHint(QPainter::Antialiasing, true);
}

void PainterSurface::SetGridPen(QPainter& painter, const QColor& colour) const
{
    QPen pen(colour, 0, dotted_ ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap);
    painter.setPen(pen);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void PainterSurface::MoveTo(double x, double y)
{
    currentX_ = x;
    currentY_ = y;
}

void PainterSurface::DrawGridLine(const QPointF& a, const QPointF& b, const QColor& colour)
{
    if (QPainter* p = ActivePainter()) {
        SetGridPen(*p, colour);
        p->drawLine(Snap(a), Snap(b));
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

void PainterSurface::LineTo(double x, double y, const QColor& colour)
{
    if (QPainter* p = ActivePainter()) {
        SetCurvePen(*p, colour);
        p->drawLine(ToPainter(currentX_, currentY_), ToPainter(x, y));
    }
    MoveTo(x, y);
    Changed();
}

void PainterSurface::PSet(double x, double y, const QColor& colour)
{
    if (QPainter* p = ActivePainter()) {
        SetCurvePen(*p, colour);
        p->drawPoint(ToPainter(x, y));
    }
    MoveTo(x, y);
    Changed();
}

void PainterSurface::Rect(double x1, double y1, double x2, double y2)
{
    if (QPainter* p = ActivePainter()) {
        const QPointF a = Snap(ToPainter(x1, y1));
        const QPointF b = Snap(ToPainter(x2, y2));
        SetGridPen(*p, fore_);
        p->setBrush(Qt::NoBrush);
        p->drawRect(QRectF(a, b).normalized());
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
}

void PainterSurface::SetFontSize(double points)
{
    points_ = points;
}

void PainterSurface::SetFontBold(bool bold)
{
    bold_ = bold;
}

void PainterSurface::SetFontItalic(bool italic)
{
    italic_ = italic;
}

QFont PainterSurface::Font() const
{
    return MakeFont(face_, points_, bold_, italic_);
}

double PainterSurface::TextWidth(const QString& text) const
{
    const QFontMetricsF metrics(Font(), &MetricsDevice(TargetDpi()));
    return metrics.horizontalAdvance(text) * std::abs(UnitsPerPixelX());
}

double PainterSurface::TextHeight(const QString&) const
{
    const QFontMetricsF metrics(Font(), &MetricsDevice(TargetDpi()));
    return metrics.lineSpacing() * std::abs(UnitsPerPixelY());
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
    const QFont font = Font();
    const QFontMetricsF metrics(font, &MetricsDevice(TargetDpi()));
    if (QPainter* p = ActivePainter()) {
        // The painter resolves point sizes at its device's resolution; scale
        // so the text has its size at TargetDpi() whatever the device reports.
        QFont drawn = font;
        const int deviceDpi = p->device()->logicalDpiY();
        if (deviceDpi > 0 && deviceDpi != TargetDpi())
            drawn.setPointSizeF(points_ * TargetDpi() / deviceDpi);
        p->setFont(drawn);
        p->setPen(fore_);
        const QPointF cell = ToPainter(currentX_, currentY_);
        p->drawText(QPointF(cell.x(), cell.y() + metrics.ascent()), text);
    }
    currentX_ = ScaleLeft();
    currentY_ += metrics.lineSpacing() * UnitsPerPixelY();
    Changed();
}
