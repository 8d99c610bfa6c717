#include <gtest/gtest.h>

#include "print/page_geometry.h"
#include "tests/print/page_fixture.h"

TEST(PaperSetup, MinimumMarginsAreTheRoundedUnprintableStrips)
{
    const PaperMetrics p = MeasurePaper(210, 297, 202.94f, 289.94f);
    EXPECT_NEAR(p.unprintableLeftMm, 3.53, 1e-4);
    EXPECT_NEAR(p.unprintableTopMm, 3.53, 1e-4);
    EXPECT_EQ(p.minSideMargin, 4);
    EXPECT_EQ(p.minTopBottomMargin, 4);

    const PaperMetrics q = MeasurePaper(210, 297, 201, 291);
    EXPECT_EQ(q.minSideMargin, 5);  // 4.5 rounds up
    EXPECT_EQ(q.minTopBottomMargin, 3);
    EXPECT_EQ(MeasurePaper(210, 297, 210, 297).minSideMargin, 0);
}

TEST(PageLayout, A4WithFiveMillimetreSideMargins)
{
    const float D = LayoutWidth(210, {5, 5, 5, 5});
    EXPECT_EQ(D, 200.0f);
    const FrameCorners f = Frames(D);
    EXPECT_EQ(f.magnitudeLeft, 12.5f);
    EXPECT_EQ(f.magnitudeRight, 200.0f);
    EXPECT_EQ(f.magnitudeTop, 25.0f);
    EXPECT_EQ(f.magnitudeBottom, 100.0f);
    EXPECT_EQ(f.phaseLeft, 12.5f);
    EXPECT_EQ(f.phaseRight, 200.0f);
    EXPECT_EQ(f.phaseTop, 106.25f);
    EXPECT_EQ(f.phaseBottom, 181.25f);
    EXPECT_DOUBLE_EQ(TitleTop(D), 10.0);
}

TEST(PageLayout, WidestMarginsShrinkTheBlockFromTheMarginCorner)
{
    const float D = LayoutWidth(210, {50, 50, 5, 5});
    EXPECT_EQ(D, 110.0f);
    const FrameCorners f = Frames(D);
    EXPECT_FLOAT_EQ(f.magnitudeLeft, 10 * 0.6875f);
    EXPECT_FLOAT_EQ(f.magnitudeTop, 20 * 0.6875f);
    EXPECT_FLOAT_EQ(f.phaseBottom, 145 * 0.6875f);
    EXPECT_EQ(f.magnitudeRight, 110.0f);
    EXPECT_DOUBLE_EQ(TitleTop(D), 8 * 0.6875);
}

TEST(PageLayout, TopAndBottomMarginsMoveTheBlockWithoutResizingIt)
{
    const PaperMetrics a4 = A4();
    const Margins near{5, 5, 5, 5};
    const Margins far{5, 5, 40, 30};
    EXPECT_EQ(LayoutWidth(a4.paperWidthMm, near), LayoutWidth(a4.paperWidthMm, far));

    // The same page unit lands 35 mm lower on the paper: the picture spans
    // the sheet, so its top edge is 35 units further above page unit 0.
    const ScaleCorners pn = PictureScale(a4, near);
    const ScaleCorners pf = PictureScale(a4, far);
    EXPECT_DOUBLE_EQ(pn.top - pf.top, 35);
    EXPECT_DOUBLE_EQ(pn.bottom - pf.bottom, 35);
    EXPECT_DOUBLE_EQ(pn.left, pf.left);

    const ScaleCorners rn = PrinterScale(a4, near);
    const ScaleCorners rf = PrinterScale(a4, far);
    EXPECT_DOUBLE_EQ(rn.top - rf.top, 35);
    EXPECT_DOUBLE_EQ(rn.bottom - rn.top, rf.bottom - rf.top);

    // A side margin changes the width of the block.
    EXPECT_EQ(LayoutWidth(a4.paperWidthMm, {20, 5, 5, 5}), 185.0f);
}

TEST(PageLayout, SurfaceCoordinatesOfPrinterPreviewAndClipboard)
{
    const PaperMetrics a4 = A4();  // 4 mm unprintable strips
    const Margins m{10, 6, 12, 8};

    // The printer's origin is its printable corner, 4 mm in: page unit 0 is
    // 6 units further right and 8 units further down.
    const ScaleCorners r = PrinterScale(a4, m);
    EXPECT_DOUBLE_EQ(r.left, -6);
    EXPECT_DOUBLE_EQ(r.top, -8);
    EXPECT_DOUBLE_EQ(r.right, 210 - 4 - 1 - 10);
    EXPECT_DOUBLE_EQ(r.bottom, 297 - 4 - 1 - 12);

    const ScaleCorners p = PictureScale(a4, m);
    EXPECT_DOUBLE_EQ(p.left, -10);
    EXPECT_DOUBLE_EQ(p.top, -12);
    EXPECT_DOUBLE_EQ(p.right, 199);
    EXPECT_DOUBLE_EQ(p.bottom, 284);

    // The block's height, across the whole sheet.
    const ScaleCorners c = ClipScale(a4, m);
    EXPECT_DOUBLE_EQ(c.left, -10);
    EXPECT_DOUBLE_EQ(c.top, 0);
    EXPECT_DOUBLE_EQ(c.right, 199);
    EXPECT_DOUBLE_EQ(c.bottom, 194 * 155.0 / 160.0);
}
