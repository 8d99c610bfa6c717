#include "tests/support/recording_surface.h"

#include <cmath>

#include <QStringList>

RecordingSurface::RecordingSurface(int widthPx, int heightPx)
    : widthPx_(widthPx), heightPx_(heightPx), right_(widthPx), bottom_(heightPx)
{
}

std::vector<DrawCall> RecordingSurface::CallsOf(DrawCall::Kind kind) const
{
    std::vector<DrawCall> out;
    for (const DrawCall& c : calls_)
        if (c.kind == kind) out.push_back(c);
    return out;
}

std::vector<QString> RecordingSurface::Texts() const
{
    std::vector<QString> out;
    for (const DrawCall& c : calls_)
        if (c.kind == DrawCall::Print) out.push_back(c.text);
    return out;
}

void RecordingSurface::Clear()
{
    currentX_ = left_;
    currentY_ = top_;
    Add(DrawCall::Clear);
}

void RecordingSurface::SetScale(double left, double top, double right, double bottom)
{
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
    Add(DrawCall::Scale, left, top, right, bottom);
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2) { Line(x1, y1, x2, y2, foreColour_); }

void RecordingSurface::Line(double x1, double y1, double x2, double y2, const QColor& colour)
{
    Add(DrawCall::Line, x1, y1, x2, y2, colour);
    MoveTo(x2, y2);
}

void RecordingSurface::LineTo(double x, double y, const QColor& colour)
{
    Add(DrawCall::LineTo, currentX_, currentY_, x, y, colour);
    MoveTo(x, y);
}

void RecordingSurface::SetPixel(double x, double y, const QColor& colour)
{
    Add(DrawCall::SetPixel, x, y, 0, 0, colour);
    MoveTo(x, y);
}

void RecordingSurface::Rect(double x1, double y1, double x2, double y2)
{
    Add(DrawCall::Rect, x1, y1, x2, y2, foreColour_);
    MoveTo(x2, y2);
}

void RecordingSurface::SetDotted(bool dotted) { Add(DrawCall::Dotted, dotted ? 1.0 : 0.0); }

void RecordingSurface::SetForeColor(const QColor& colour)
{
    foreColour_ = colour;
    Add(DrawCall::ForeColor, 0, 0, 0, 0, colour);
}

void RecordingSurface::SetCurveDashes(const QList<qreal>& dashes)
{
    QStringList lengths;
    for (qreal d : dashes) lengths << QString::number(d);
    Add(DrawCall::Dashes, 0, 0, 0, 0, {}, lengths.join(','));
}

void RecordingSurface::SetFontName(const QString& name) { Add(DrawCall::FontName, 0, 0, 0, 0, {}, name); }
void RecordingSurface::SetFontSize(double points) { Add(DrawCall::FontSize, points); }
void RecordingSurface::SetFontBold(bool bold) { Add(DrawCall::FontBold, bold ? 1.0 : 0.0); }
void RecordingSurface::SetFontItalic(bool italic) { Add(DrawCall::FontItalic, italic ? 1.0 : 0.0); }

double RecordingSurface::TextWidth(const QString& text) const
{
    return std::abs(Scale().width) / widthPx_ * kCharWidthPx * text.size();
}

double RecordingSurface::TextHeight(const QString&) const
{
    return std::abs(Scale().height) / heightPx_ * kLineHeightPx;
}

void RecordingSurface::Print(const QString& text)
{
    Add(DrawCall::Print, currentX_, currentY_, 0, 0, foreColour_, text);
    currentX_ = left_;
    const double down = Scale().height < 0 ? -1 : 1;
    currentY_ += down * TextHeight(text);
}
