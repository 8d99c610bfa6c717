// The same drawing at device pixel ratio 1 and 2.

#include <gtest/gtest.h>

#include "tests/support/pixels.h"
#include "platform/font_names.h"
#include "platform/image_surface.h"

namespace {

const QColor kBack(50, 50, 170);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);

void DrawGrid(ImageSurface& s)
{
    s.SetBackColor(kBack);
    s.SetScale(0, 6, 4, 0);
    for (int k = 1; k <= 10; ++k) s.Line(std::log10(k), 0, std::log10(k), 6, kYellow);
    for (int y = 0; y <= 6; ++y) s.Line(0, y, 4, y, kYellow);
    s.SetForeColor(Qt::white);
    s.Rect(0.1, 0.1, 3.9, 5.9);
}

void DrawCurve(ImageSurface& s)
{
    s.SetBackColor(kBack);
    s.SetPixel(0, 1, kRed);
    for (int i = 1; i <= 40; ++i) s.LineTo(i / 10.0, 1 + 4 * std::sin(i / 13.0), kRed);
}

class PixelRatio : public ::testing::Test {
protected:
    void SetUp() override
    {
        DrawGrid(one);
        DrawGrid(two);
    }
    ImageSurface one{QSize(300, 150), 1};
    ImageSurface two{QSize(300, 150), 2};
};

TEST_F(PixelRatio, TheImageHasTheRatio)
{
    EXPECT_EQ(two.Image().size(), QSize(600, 300));
    EXPECT_EQ(two.Image().devicePixelRatio(), 2);
    EXPECT_EQ(one.Image().size(), QSize(300, 150));
}

TEST_F(PixelRatio, GridAndFramesFallOnTheSameLogicalPixels)
{
    const QImage& a = one.Image();
    const QImage& b = two.Image();
    int gridPixels = 0;
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 300; ++x) {
            const QColor c = LogicalPixel(a, x, y);
            if (c == kYellow || c == Qt::white) {
                ++gridPixels;
                EXPECT_EQ(LogicalPixel(b, x, y), c) << x << ", " << y;
            }
        }
    EXPECT_GT(gridPixels, 2000);
}

// Logical row of the reddest pixel of a column, −1 when the column has none.
int CurveRow(const QImage& image, int x)
{
    const double r = image.devicePixelRatio();
    int bestRow = -1;
    int best = 60;
    for (int dy = 0; dy < image.height(); ++dy) {
        const QColor c = image.pixelColor(static_cast<int>(x * r), dy);
        const int redness = c.red() - c.green() - c.blue() / 2;
        if (redness > best) {
            best = redness;
            bestRow = static_cast<int>(dy / r);
        }
    }
    return bestRow;
}

TEST_F(PixelRatio, CurvesFollowTheSamePath)
{
    DrawCurve(one);
    DrawCurve(two);
    int compared = 0;
    for (int x = 5; x < 295; x += 7) {
        const int rowOne = CurveRow(one.Image(), x);
        const int rowTwo = CurveRow(two.Image(), x);
        if (rowOne < 0 && rowTwo < 0) continue;
        ++compared;
        EXPECT_NEAR(rowOne, rowTwo, 1) << "column " << x;
    }
    EXPECT_GT(compared, 30);
}

TEST_F(PixelRatio, TextTakesTheSameLogicalSpace)
{
    ImageSurface* surfaces[] = {&one, &two};
    QRect ink[2];
    for (int i = 0; i < 2; ++i) {
        ImageSurface& s = *surfaces[i];
        s.SetBackColor(kBack);
        s.SetFontName(QString::fromUtf8(kFaceMincho));
        s.SetFontSize(14.25);
        s.MoveTo(0.2, 5);
        s.Print(QStringLiteral("絶対値 100Ｈｚ"));
        const QImage& image = s.Image();
        const double r = image.devicePixelRatio();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != kBack)
                    ink[i] |= QRect(static_cast<int>(x / r), static_cast<int>(y / r), 1, 1);
    }
    ASSERT_FALSE(ink[0].isNull());
    EXPECT_NEAR(ink[0].left(), ink[1].left(), 1);
    EXPECT_NEAR(ink[0].top(), ink[1].top(), 1);
    EXPECT_NEAR(ink[0].right(), ink[1].right(), 2);
    EXPECT_NEAR(ink[0].bottom(), ink[1].bottom(), 1);
    EXPECT_DOUBLE_EQ(one.TextWidth(QStringLiteral("abc")), two.TextWidth(QStringLiteral("abc")));
}

}  // namespace
