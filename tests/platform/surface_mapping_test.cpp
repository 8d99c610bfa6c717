// User coordinates onto the pixels of an image surface.

#include <gtest/gtest.h>

#include "tests/support/pixels.h"
#include "platform/image_surface.h"
#include "platform/scale_map.h"

namespace {

const QColor kBack(50, 50, 170);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);

class SurfaceMapping : public ::testing::Test {
protected:
    SurfaceMapping() { surface.SetBackColor(kBack); }
    ImageSurface surface{QSize(200, 100)};
};

TEST_F(SurfaceMapping, GridLinesLandOnTheCellsThatContainTheirPoints)
{
    surface.SetScale(0, 10, 20, 0);  // y grows upwards
    surface.Line(5, 0, 5, 10, kYellow);
    surface.Line(0, 2.5, 20, 2.5, kYellow);
    surface.Line(0.33, 0, 0.33, 10, kYellow);  // 3.3 pixels from the left
    const QImage& image = surface.Image();

    std::vector<int> allRows(100);
    for (int y = 0; y < 100; ++y) allRows[y] = y;
    EXPECT_EQ(RowsOf(image, 50, kYellow), allRows);
    EXPECT_EQ(RowsOf(image, 3, kYellow), allRows);
    EXPECT_EQ(ColumnsOf(image, 75, kYellow).size(), 200u);
    EXPECT_EQ(RowsOf(image, 49, kYellow), std::vector<int>{75});
    EXPECT_EQ(RowsOf(image, 51, kYellow), std::vector<int>{75});
    EXPECT_EQ(RowsOf(image, 4, kYellow), std::vector<int>{75});
}

TEST_F(SurfaceMapping, YGrowingDownwardsPutsTheSameValueHigher)
{
    surface.SetScale(0, 0, 20, 10);
    surface.Line(0, 2.5, 20, 2.5, kYellow);
    EXPECT_EQ(RowsOf(surface.Image(), 100, kYellow), std::vector<int>{25});
}

TEST_F(SurfaceMapping, ShiftedAndMirroredScales)
{
    surface.SetScale(-1, 3, 1, -3);
    EXPECT_DOUBLE_EQ(surface.Scale().left, -1);
    EXPECT_DOUBLE_EQ(surface.Scale().top, 3);
    EXPECT_DOUBLE_EQ(surface.Scale().width, 2);
    EXPECT_DOUBLE_EQ(surface.Scale().height, -6);
    EXPECT_EQ(surface.ToPainter(0, 0), QPointF(100, 50));
    EXPECT_EQ(surface.ToPainter(-1, 3), QPointF(0, 0));
    EXPECT_EQ(surface.ToPainter(1, -3), QPointF(200, 100));
    const QPointF back = surface.ToUser(surface.ToPainter(0.25, -1.5));
    EXPECT_NEAR(back.x(), 0.25, 1e-12);
    EXPECT_NEAR(back.y(), -1.5, 1e-12);

    surface.SetScale(20, 0, 0, 10);  // x grows to the left
    surface.Line(5, 0, 5, 10, kYellow);
    EXPECT_EQ(RowsOf(surface.Image(), 150, kYellow).size(), 100u);
}

TEST_F(SurfaceMapping, EdgesOfTheScaleAndLinesBeyondThem)
{
    // The bottom and right edges of the user range lie one pixel outside.
    surface.SetScale(0, 4, 4, 0);
    surface.Line(0, 0, 4, 0, kYellow);
    surface.Line(4, 0, 4, 4, kYellow);
    surface.Line(0, 4, 4, 4, kYellow);
    surface.Line(0, 0, 0, 4, kYellow);
    const QImage& image = surface.Image();
    EXPECT_EQ(ColumnsOf(image, 0, kYellow).size(), 200u);
    EXPECT_EQ(ColumnsOf(image, 99, kYellow), std::vector<int>{0});
    EXPECT_EQ(RowsOf(image, 199, kYellow), std::vector<int>{0});
    // From far outside to far outside: only the crossing part is drawn, the
    // pixel at (150, 25) on the way.
    surface.Line(-10, -10, 30, 30, kYellow);
    const std::vector<int> rows = RowsOf(surface.Image(), 150, kYellow);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], 0);
    EXPECT_NEAR(rows[1], 25, 1);
}

TEST_F(SurfaceMapping, TheScaleStretchesWithTheSurface)
{
    surface.SetScale(0, 10, 20, 0);
    surface.Resize(QSize(400, 100), 1);
    surface.Line(5, 0, 5, 10, kYellow);
    EXPECT_EQ(RowsOf(surface.Image(), 100, kYellow).size(), 100u);
    EXPECT_DOUBLE_EQ(surface.Scale().width, 20);
}

TEST_F(SurfaceMapping, PixelAndMillimetreScalesFollowTheSize)
{
    EXPECT_DOUBLE_EQ(surface.Scale().width, 200);
    EXPECT_DOUBLE_EQ(surface.Scale().height, 100);
    surface.Line(10, 0, 10, 100, kYellow);
    EXPECT_EQ(RowsOf(surface.Image(), 10, kYellow).size(), 100u);

    ImageSurface inch(QSize(96, 192));  // one inch by two at 96 dpi
    inch.SetBackColor(kBack);
    inch.SetScaleMillimetres();
    EXPECT_DOUBLE_EQ(inch.Scale().left, 0);
    EXPECT_DOUBLE_EQ(inch.Scale().width, 25.4);
    EXPECT_DOUBLE_EQ(inch.Scale().height, 50.8);
    inch.Line(12.7, 0, 12.7, 50.8, kYellow);
    EXPECT_EQ(RowsOf(inch.Image(), 48, kYellow).size(), 192u);
    inch.Resize(QSize(192, 192), 1);
    EXPECT_DOUBLE_EQ(inch.Scale().width, 50.8);
}

TEST_F(SurfaceMapping, LinesAndPointsLeaveTheCurrentPositionAtTheirEnd)
{
    surface.SetScale(0, 10, 20, 0);
    surface.Line(1, 2, 3, 4, kYellow);
    EXPECT_DOUBLE_EQ(surface.Position().x(), 3);
    EXPECT_DOUBLE_EQ(surface.Position().y(), 4);
    surface.SetPixel(5, 6, kRed);
    EXPECT_DOUBLE_EQ(surface.Position().x(), 5);
    EXPECT_DOUBLE_EQ(surface.Position().y(), 6);
    surface.LineTo(7, 8, kRed);
    EXPECT_DOUBLE_EQ(surface.Position().x(), 7);
    surface.Rect(1, 1, 9, 9);
    EXPECT_DOUBLE_EQ(surface.Position().x(), 9);
    EXPECT_DOUBLE_EQ(surface.Position().y(), 9);
}

// Red share of a pixel over the background: −35 = none, 255 = pure red;
// a one-pixel anti-aliased curve between two rows still reaches 80.
int Redness(const QColor& c) { return c.red() - c.blue() / 2; }

TEST_F(SurfaceMapping, CurvesRunFromTheLastPointThroughTheComputedPixels)
{
    surface.SetScale(0, 10, 20, 0);
    surface.SetPixel(2, 2, kRed);
    surface.LineTo(18, 8, kRed);
    const QImage& image = surface.Image();
    // Along the line y = 2 + (x − 2) × 6/16; one user unit is 10 pixels.
    for (int px : {40, 100, 160}) {
        const double y = 2 + (px / 10.0 - 2) * 6 / 16;
        const int py = static_cast<int>((10 - y) * 10);
        int best = 0;
        for (int row = py - 1; row <= py + 1; ++row) best = std::max(best, Redness(LogicalPixel(image, px, row)));
        EXPECT_GT(best, 80) << "column " << px;
        EXPECT_EQ(LogicalPixel(image, px, py - 5), kBack);
        EXPECT_EQ(LogicalPixel(image, px, py + 5), kBack);
    }
    // Nothing before the first point.
    for (int x = 0; x < 15; ++x) EXPECT_EQ(RowsOf(image, x, kBack).size(), 100u);
}

TEST_F(SurfaceMapping, ClsFillsWithTheBackgroundAndReturnsToTheOrigin)
{
    surface.SetScale(0, 10, 20, 0);
    surface.Line(0, 5, 20, 5, kYellow);
    surface.MoveTo(4, 4);
    surface.Clear();
    EXPECT_EQ(CountPixels(surface.Image(), Other(kBack)), 0);
    EXPECT_DOUBLE_EQ(surface.Position().x(), 0);
    EXPECT_DOUBLE_EQ(surface.Position().y(), 0);

    surface.Line(0, 5, 20, 5, kYellow);
    surface.SetBackColor(Qt::white);
    EXPECT_EQ(CountPixels(surface.Image(), Other(Qt::white)), 0);
}

// The mapping alone, on a window of no width: every x lands on the left edge
// and comes back as the window's left, while y still maps both ways.
TEST(ScaleMap, AWindowWithoutWidthMapsEveryXToItsEdge)
{
    const ScaleMap map({2, 4, 0, -8}, QSizeF(200, 100));
    EXPECT_EQ(map.ToPainter(7, 0), QPointF(0, 50));
    EXPECT_EQ(map.ToUser({30, 25}), QPointF(2, 2));
    EXPECT_EQ(map.UnitsPerPixelX(), 0);
}

TEST(SurfaceWithoutExtent, DrawsNothingAndStillKeepsItsPosition)
{
    ImageSurface empty{QSize(0, 0)};
    empty.SetScale(0, 10, 20, 0);
    empty.Line(0, 0, 10, 10, kYellow);
    empty.Print(QStringLiteral("x"));
    EXPECT_DOUBLE_EQ(empty.Position().x(), 0);
    EXPECT_TRUE(std::isfinite(empty.Position().y()));
    EXPECT_TRUE(std::isfinite(empty.TextWidth(QStringLiteral("x"))));
    EXPECT_TRUE(empty.Image().isNull());
}

}  // namespace
