// The surface draws curves, grid lines and frames in its own quicker ways:
// gathered curve segments, lines and outlines filled as rectangles. Each must
// leave exactly the pixels that Qt's plain drawing of the same thing leaves,
// at device pixel ratio 1 and 2, and must be on the picture whenever the
// picture is read.

#include <gtest/gtest.h>

#include "tests/support/pixels.h"
#include "platform/font_names.h"
#include "platform/image_surface.h"
#include "platform/picture_box.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

const QColor kBack(50, 50, 170);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QSize kSize(240, 120);

// What Qt itself draws: an image like the surface's, painted directly.
class Reference {
public:
    explicit Reference(qreal ratio)
        : image_(QSize(static_cast<int>(kSize.width() * ratio), static_cast<int>(kSize.height() * ratio)),
                 QImage::Format_RGB32)
    {
        image_.setDevicePixelRatio(ratio);
        image_.fill(kBack);
        painter_.begin(&image_);
    }
    QPainter& Painter() { return painter_; }
    const QImage& Image()
    {
        painter_.end();
        return image_;
    }

private:
    QImage image_;
    QPainter painter_;
};

QPen CurvePen(const QColor& colour, bool dotted)
{
    return QPen(colour, 1, dotted ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap);
}

QPen GridPen(const QColor& colour, bool dotted)
{
    return QPen(colour, 0, dotted ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap);
}

QPointF Snapped(const QPointF& p) { return {std::floor(p.x()), std::floor(p.y())}; }

int DifferingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

class DrawingEquivalence : public ::testing::TestWithParam<qreal> {
protected:
    DrawingEquivalence() : surface(kSize, GetParam()), reference(GetParam())
    {
        surface.SetBackColor(kBack);
        surface.SetScale(0, 10, 24, 0);
    }
    ImageSurface surface;
    Reference reference;
};

// A dense curve that doubles back, stands still, jumps, runs off the picture
// and changes colour and style on the way, as the graph and page curves do.
TEST_P(DrawingEquivalence, GatheredCurveSegmentsLeaveThePixelsOfSegmentsDrawnOneByOne)
{
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> step(-0.08, 0.1);
    QPainter& q = reference.Painter();
    q.setRenderHint(QPainter::Antialiasing, true);

    double x = 0.5, y = 5;
    surface.SetPixel(x, y, kRed);
    q.setPen(CurvePen(kRed, false));
    q.drawPoint(surface.ToPainter(x, y));
    for (int i = 1; i <= 600; ++i) {
        const QColor colour = (i / 150) % 2 ? kGreen : kRed;
        const bool dotted = i > 450 && i < 500;
        const QPointF from = surface.ToPainter(x, y);
        x += step(rng);
        y += i % 97 == 0 ? 4.5 : 8 * step(rng);
        if (i % 53 == 0) y = 12;  // beyond the top edge
        surface.SetDotted(dotted);
        surface.LineTo(x, y, colour);
        q.setPen(CurvePen(colour, dotted));
        q.drawLine(from, surface.ToPainter(x, y));
    }
    const int differing = DifferingPixels(surface.Image(), reference.Image());
    EXPECT_EQ(differing, 0);
    EXPECT_GT(CountPixels(surface.Image(), Other(kBack)), 200);
}

// A dashed curve of segments far shorter than its dashes, in two pieces:
// each piece one dashed line through its points after its round first point,
// so that the pattern runs on from segment to segment.
TEST_P(DrawingEquivalence, DashedCurveLeavesThePixelsOfOneDashedLineThroughItsPoints)
{
    QPainter& q = reference.Painter();
    q.setRenderHint(QPainter::Antialiasing, true);
    QPen dashed(kGreen, 1, Qt::CustomDashLine, Qt::FlatCap);
    dashed.setDashPattern({6, 3, 1.5, 3});
    surface.SetCurveDashes(dashed.dashPattern());
    for (const double y : {3.0, 7.0}) {
        surface.SetPixel(0.5, y, kGreen);
        q.setPen(CurvePen(kGreen, false));
        q.drawPoint(surface.ToPainter(0.5, y));
        QPolygonF piece{surface.ToPainter(0.5, y)};
        for (double x = 0.55; x < 23; x += 0.05) {
            surface.LineTo(x, y + std::sin(x) * 1.5, kGreen);
            piece << surface.ToPainter(x, y + std::sin(x) * 1.5);
        }
        q.setPen(dashed);
        q.drawPolyline(piece);
    }
    EXPECT_EQ(DifferingPixels(surface.Image(), reference.Image()), 0);
}

// Rows, columns, single points and slanting lines, either way round, solid
// and dotted, and frames of every shape, the degenerate ones included.
TEST_P(DrawingEquivalence, GridLinesAndFramesLeaveThePixelsOfQtLinesAndRectangles)
{
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> coordinate(-2, 50);
    QPainter& q = reference.Painter();
    q.setRenderHint(QPainter::Antialiasing, false);
    q.setBrush(Qt::NoBrush);
    // Five pixels a unit: half units fall inside pixels, some ends lie off the
    // picture.
    surface.SetScale(0, 0, 48, 24);
    for (int i = 0; i < 300; ++i) {
        const double x1 = coordinate(rng) * 0.5, y1 = coordinate(rng) * 0.5;
        double x2 = coordinate(rng) * 0.5, y2 = coordinate(rng) * 0.5;
        if (i % 4 == 0) x2 = x1;
        if (i % 4 == 1) y2 = y1;
        if (i % 25 == 0) x2 = x1, y2 = y1;
        const bool dotted = i % 7 == 0;
        const QColor colour = i % 2 ? kYellow : kGreen;
        surface.SetDotted(dotted);
        const QPointF a = Snapped(surface.ToPainter(x1, y1)), b = Snapped(surface.ToPainter(x2, y2));
        if (i % 3 == 0) {
            surface.SetForeColor(colour);
            surface.Rect(x1, y1, x2, y2);
            q.setPen(GridPen(colour, dotted));
            q.drawRect(QRectF(a, b).normalized());
        } else {
            surface.Line(x1, y1, x2, y2, colour);
            q.setPen(GridPen(colour, dotted));
            q.drawLine(a, b);
        }
    }
    EXPECT_EQ(DifferingPixels(surface.Image(), reference.Image()), 0);
}

// Labels drawn again and again, in two sizes and bold, mixed scripts, and a
// text with a line break in it.
TEST_P(DrawingEquivalence, PrintedTextLeavesThePixelsOfQtText)
{
    QPainter& q = reference.Painter();
    const QString texts[] = {QStringLiteral("100Hz"), QStringLiteral("1K"),    QStringLiteral("-150 "),
                             QStringLiteral(" 度"),   QStringLiteral("10 ΚΩ"), QStringLiteral("a\nb")};
    surface.SetFontName(QString::fromUtf8(kFaceMincho));
    for (int i = 0; i < 24; ++i) {
        surface.SetFontSize(i < 12 ? 9.75 : 14.25);
        surface.SetFontBold(i % 5 == 4);
        surface.MoveTo(0.3 + (i % 6) * 3.9, 9.6 - (i / 6) * 2.3);
        const QString& text = texts[i % 6];
        const QFont font = surface.Font();
        const QPointF cell = surface.ToPainter(surface.Position().x(), surface.Position().y());
        surface.Print(text);
        q.setFont(font);
        q.setPen(surface.ForeColor());
        q.drawText(QPointF(cell.x(), cell.y() + QFontMetricsF(font, q.device()).ascent()), text);
    }
    EXPECT_EQ(DifferingPixels(surface.Image(), reference.Image()), 0);
    EXPECT_GT(CountPixels(surface.Image(), Other(kBack)), 300);
}

INSTANTIATE_TEST_SUITE_P(PixelRatio, DrawingEquivalence, ::testing::Values(1.0, 2.0));

// Ten pixels a unit, so that y = 5.05 is the middle of a pixel row.
void TenPixelsAUnit(ImageSurface& s)
{
    s.SetBackColor(kBack);
    s.SetScale(0, 12, 24, 0);
}

// How red the reddest of the logical pixels in the column of a painter point
// is, one row above and below included.
int Redness(const QImage& image, const QPointF& p)
{
    int best = -255;
    for (int dy = -1; dy <= 1; ++dy) {
        const QColor c = LogicalPixel(image, static_cast<int>(p.x()), static_cast<int>(p.y()) + dy);
        best = std::max(best, c.red() - c.blue());
    }
    return best;
}

TEST(GatheredCurve, IsOnThePictureWheneverThePictureIsRead)
{
    ImageSurface s(kSize);
    TenPixelsAUnit(s);
    s.SetPixel(2, 5.05, kRed);
    s.LineTo(22, 5.05, kRed);
    EXPECT_GT(Redness(s.Image(), s.ToPainter(12, 5.05)), 150);

    // Read again after more segments, without any other drawing between.
    s.LineTo(22, 8.05, kRed);
    s.LineTo(12, 8.05, kRed);
    EXPECT_GT(Redness(s.Image(), s.ToPainter(17, 8.05)), 150);

    // A resize keeps what was gathered before it, where it was drawn.
    s.LineTo(12.05, 2.05, kRed);
    const QPointF before = s.ToPainter(12.05, 4);
    s.Resize(QSize(300, 150), 1);
    const QColor kept = LogicalPixel(s.Image(), static_cast<int>(before.x()), static_cast<int>(before.y()));
    EXPECT_GT(kept.red() - kept.blue(), 150);
}

TEST(GatheredCurve, KeepsItsPlaceInTheOrderOfDrawing)
{
    ImageSurface s(kSize);
    TenPixelsAUnit(s);
    s.SetPixel(2, 5.05, kRed);
    s.LineTo(22, 5.05, kRed);
    // The grid line drawn after the curve covers it where they cross...
    s.Line(12, 0, 12, 12, kYellow);
    const QPointF crossing = s.ToPainter(12, 5.05);
    const auto at = [&] {
        return LogicalPixel(s.Image(), static_cast<int>(crossing.x()), static_cast<int>(crossing.y()));
    };
    EXPECT_EQ(at(), kYellow);
    // ...and a curve drawn after the line covers the line.
    s.SetPixel(12.05, 1, kRed);
    s.LineTo(12.05, 11, kRed);
    EXPECT_EQ(at(), kRed);
    // Clearing after a curve leaves nothing of it.
    s.LineTo(2, 2, kGreen);
    s.Clear();
    EXPECT_EQ(CountPixels(s.Image(), Other(kBack)), 0);
}

// Grid lines are written into the picture's memory; a copy of the picture
// taken earlier must not take them on.
TEST(GridLines, LeaveEarlierCopiesOfThePictureAlone)
{
    ImageSurface s(kSize);
    TenPixelsAUnit(s);
    s.Line(12, 0, 12, 12, kYellow);
    const QImage kept = s.Image();
    s.Line(0, 6, 24, 6, kYellow);
    s.Rect(2, 2, 20, 10);
    const QPoint row = s.ToPainter(6, 6).toPoint();
    EXPECT_EQ(LogicalPixel(s.Image(), row.x(), row.y()), kYellow);
    EXPECT_EQ(LogicalPixel(kept, row.x(), row.y()), kBack);
    EXPECT_EQ(CountPixels(kept, Other(kBack)), kSize.height());
}

TEST(GatheredCurve, ShowsWhenThePictureBoxPaints)
{
    PictureBox box;
    box.resize(kSize);
    box.SetBackColor(kBack);
    box.SetScale(0, 12, 24, 0);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    box.SetPixel(2, 5.05, kRed);
    box.LineTo(22, 5.05, kRed);
    const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPointF p = box.ToPainter(12, 5.05) * box.devicePixelRatioF();
    const QColor c = shown.pixelColor(static_cast<int>(p.x()), static_cast<int>(p.y()));
    EXPECT_GT(c.red() - c.blue(), 150);
}

}  // namespace
