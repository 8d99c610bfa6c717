// The picture box widget: its image, its painting and its mouse reports.
// These tests also run on a screen of device pixel ratio 2.

#include <gtest/gtest.h>

#include "tests/support/pixels.h"
#include "platform/picture_box.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {

const QColor kBack(50, 50, 170);
const QColor kYellow(255, 255, 0);

class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.resize(200, 100);
        box.SetBackColor(kBack);
        box.SetScale(0, 10, 20, 0);
    }
    void Show()
    {
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    }
    PictureBox box;
};

TEST_F(PictureBoxTest, TheImageIsAtTheScreensPixelRatio)
{
    Show();
    const QImage& image = box.Image();
    const qreal ratio = box.devicePixelRatioF();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    EXPECT_EQ(image.devicePixelRatio(), ratio);
    EXPECT_EQ(image.size(), QSize(static_cast<int>(std::ceil(200 * ratio)), static_cast<int>(std::ceil(100 * ratio))));
}

TEST_F(PictureBoxTest, PaintingShowsTheImage)
{
    Show();
    box.Line(5, 0, 5, 10, kYellow);
    box.Line(0, 5, 20, 5, kYellow);
    const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& image = box.Image();
    ASSERT_EQ(shown.size(), image.size());
    EXPECT_EQ(RowsOf(shown, 50, kYellow).size(), 100u);
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3) ASSERT_EQ(shown.pixel(x, y), image.pixel(x, y)) << x << ", " << y;
}

TEST_F(PictureBoxTest, MouseMovesAreReportedInUserCoordinates)
{
    Show();
    QSignalSpy moved(&box, &PictureBox::mouseMovedAt);
    QTest::mouseMove(&box, QPoint(50, 25));
    ASSERT_EQ(moved.count(), 1);
    EXPECT_DOUBLE_EQ(moved[0][0].toDouble(), 5);
    EXPECT_DOUBLE_EQ(moved[0][1].toDouble(), 7.5);

    box.SetScale(-2, 0, 2, 100);  // another scale, y downwards
    QTest::mouseMove(&box, QPoint(150, 80));
    ASSERT_EQ(moved.count(), 2);
    EXPECT_DOUBLE_EQ(moved[1][0].toDouble(), 1);
    EXPECT_DOUBLE_EQ(moved[1][1].toDouble(), 80);
}

TEST_F(PictureBoxTest, LeftClicksAreReportedInUserCoordinates)
{
    Show();
    QSignalSpy clicked(&box, &PictureBox::clickedAt);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(150, 80));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_DOUBLE_EQ(clicked[0][0].toDouble(), 15);
    EXPECT_DOUBLE_EQ(clicked[0][1].toDouble(), 2);

    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(150, 80));
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(PictureBoxTest, AReleaseOutsideTheBoxIsNoClick)
{
    Show();
    QSignalSpy clicked(&box, &PictureBox::clickedAt);
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(250, 10));
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(PictureBoxTest, ResizingKeepsTheDrawingAndFillsTheNewArea)
{
    box.Line(5, 0, 5, 10, kYellow);  // column 50 while hidden
    box.resize(300, 150);
    const QImage& image = box.Image();
    EXPECT_EQ(image.width() / image.devicePixelRatio(), 300);
    EXPECT_EQ(RowsOf(image, 50, kYellow).size(), 100u);
    EXPECT_EQ(LogicalPixel(image, 250, 120), kBack);
    // The user scale now spans the new size.
    box.Line(10, 0, 10, 10, kYellow);
    EXPECT_EQ(RowsOf(box.Image(), 150, kYellow).size(), 150u);
}

}  // namespace
