#include <QGroupBox>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/placed_widgets.h"

namespace {

TEST(PlacedWidgets, FramesAndButtonsSitAtTheirTwipsBoxInTheirParent)
{
    QWidget window;
    QGroupBox* frame = FrameAt(&window, {1110, -120, 4050, 930}, QStringLiteral("範囲"));
    EXPECT_EQ(frame->parentWidget(), &window);
    EXPECT_EQ(frame->geometry(), QRect(74, -8, 270, 62));
    EXPECT_EQ(frame->title(), QStringLiteral("範囲"));

    QPushButton* button = ButtonAt(frame, {285, 330, 1110, 435});
    EXPECT_EQ(button->parentWidget(), frame);
    EXPECT_EQ(button->geometry(), QRect(19, 22, 74, 29));
    EXPECT_TRUE(button->text().isEmpty());

    PlaceAt(*button, {975, 885, 1560, 495});
    EXPECT_EQ(button->geometry(), QRect(65, 59, 104, 33));
}

}  // namespace
