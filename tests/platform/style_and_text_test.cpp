// Line styles, fonts and text measurement.

#include <gtest/gtest.h>

#include "tests/support/pixels.h"
#include "platform/font_names.h"
#include "platform/fonts.h"
#include "platform/image_surface.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace {

const QColor kBack(255, 255, 255);
const QColor kInk(0, 0, 0);

TEST(LineStyle, DottedLinesAndOutlinesHaveGapsSolidOnesHaveNone)
{
    ImageSurface surface{QSize(200, 100)};
    surface.SetBackColor(kBack);
    surface.SetForeColor(kInk);
    surface.Line(0, 10, 200, 10);
    surface.SetDotted(true);
    surface.Line(0, 30, 200, 30);
    surface.Rect(20, 50, 180, 90);
    surface.SetDotted(false);
    surface.Line(0, 40, 200, 40);
    const QImage& image = surface.Image();

    EXPECT_EQ(ColumnsOf(image, 10, kInk).size(), 200u);
    EXPECT_EQ(ColumnsOf(image, 40, kInk).size(), 200u);
    const size_t dotted = ColumnsOf(image, 30, kInk).size();
    EXPECT_GT(dotted, 40u);
    EXPECT_LT(dotted, 140u);
    const size_t top = ColumnsOf(image, 50, kInk).size();
    EXPECT_GT(top, 30u);
    EXPECT_LT(top, 130u);
    const size_t side = RowsOf(image, 20, kInk).size();
    EXPECT_GT(side, 8u);
    EXPECT_LT(side, 35u);
    EXPECT_EQ(LogicalPixel(image, 100, 70), kBack);  // outline only
}

TEST(LineStyle, ARectangleOutlineUsesTheForegroundColourOnBothCorners)
{
    ImageSurface surface{QSize(100, 100)};
    surface.SetBackColor(kBack);
    surface.SetForeColor(QColor(0, 128, 0));
    surface.SetScale(0, 0, 10, 10);
    surface.Rect(8, 9, 2, 1);  // corners in any order
    const QImage& image = surface.Image();
    EXPECT_EQ(ColumnsOf(image, 10, QColor(0, 128, 0)).size(), 61u);  // 20 … 80
    EXPECT_EQ(RowsOf(image, 20, QColor(0, 128, 0)).size(), 81u);     // 10 … 90
    EXPECT_EQ(LogicalPixel(image, 50, 50), kBack);
}

TEST(Fonts, TheRequestedJapaneseFacesResolveToInstalledFaces)
{
    struct Case {
        const char* requested;
        const char* family;
    };
    for (const Case& c :
         {Case{kFaceMincho, "IPAMincho"}, Case{kFaceMinchoNoSpace, "IPAMincho"}, Case{kFacePGothic, "IPAPGothic"}}) {
        const QFont font = MakeFont(QString::fromUtf8(c.requested), 12);
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(c.family)) << c.requested;
        EXPECT_TRUE(QFontMetrics(font).inFontUcs4(U'朝'));
    }
}

class TextMeasure : public ::testing::Test {
protected:
    TextMeasure()
    {
        surface.SetFontName(QString::fromUtf8(kFaceMinchoNoSpace));
        surface.SetFontSize(10);
    }
    ImageSurface surface{QSize(400, 200)};
    const QString text = QStringLiteral("abcdefあいうえお");
};

TEST_F(TextMeasure, WidthAndHeightAreInUserUnits)
{
    const double px = surface.TextWidth(text);
    const double linePx = surface.TextHeight(text);
    ASSERT_GT(px, 0);
    // 10 points at 96 dpi is 13.3 pixels; the line is at least that high.
    EXPECT_GE(linePx, 13.3);
    EXPECT_LT(linePx, 20);

    surface.SetScale(0, 0, 800, 100);  // two units a pixel across, half down
    EXPECT_NEAR(surface.TextWidth(text), 2 * px, 1e-9);
    EXPECT_NEAR(surface.TextHeight(text), linePx / 2, 1e-9);
    surface.SetScale(0, 100, 800, 0);  // the same with y upwards
    EXPECT_NEAR(surface.TextHeight(text), linePx / 2, 1e-9);
}

TEST_F(TextMeasure, SizeBoldAndFaceChangeTheWidth)
{
    const double base = surface.TextWidth(text);
    surface.SetFontSize(20);
    EXPECT_NEAR(surface.TextWidth(text) / base, 2, 0.15);
    surface.SetFontSize(10);
    surface.SetFontName(QString::fromUtf8(kFacePGothic));
    EXPECT_NE(surface.TextWidth(text), base);
}

TEST_F(TextMeasure, MeasuredWidthMatchesTheInk)
{
    surface.SetBackColor(kBack);
    surface.SetFontSize(20);
    const QString word = QStringLiteral("周波数特性");
    surface.MoveTo(10, 10);
    surface.Print(word);
    const QImage& image = surface.Image();
    int right = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 400; ++x)
            if (LogicalPixel(image, x, y) != kBack) right = std::max(right, x);
    EXPECT_NEAR(right - 10, surface.TextWidth(word), 4);
}

}  // namespace
