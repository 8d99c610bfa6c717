#include "circuit_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "platform/font_names.h"
#include "platform/fonts.h"
#include "document/qstring_utf8.h"

namespace {

// Picture coordinates in logical pixels.
constexpr int kLeft = 30, kMiddle = 135, kRight = 240;
constexpr int kTop = 32, kBottom = 142;
constexpr int kMeshMid = (kTop + kBottom) / 2;
constexpr int kSourceRadius = 14;
constexpr int kBoxLong = 38, kBoxShort = 14;
constexpr int kLoopRadius = 24;

const QColor kInk(0, 0, 0);
const QColor kCurrentInk(200, 0, 0);

void DrawHorizontalImpedance(QPainter& p, int cx, int y, const QString& name)
{
    const QRect box(cx - kBoxLong / 2, y - kBoxShort / 2, kBoxLong, kBoxShort);
    p.fillRect(box, Qt::white);
    p.drawRect(box);
    p.drawText(QRect(box.left(), box.top() - 22, box.width(), 18), Qt::AlignCenter, name);
}

void DrawVerticalImpedance(QPainter& p, int x, int cy, const QString& name)
{
    const QRect box(x - kBoxShort / 2, cy - kBoxLong / 2, kBoxShort, kBoxLong);
    p.fillRect(box, Qt::white);
    p.drawRect(box);
    p.drawText(QRect(box.right() + 5, cy - 9, 30, 18), Qt::AlignLeft | Qt::AlignVCenter, name);
}

void DrawSource(QPainter& p)
{
    const QPoint c(kLeft, kMeshMid);
    p.setBrush(Qt::white);
    p.drawEllipse(c, kSourceRadius, kSourceRadius);
    p.setBrush(Qt::NoBrush);
    QPainterPath wave;
    wave.moveTo(c.x() - 8, c.y());
    wave.cubicTo(c.x() - 4, c.y() - 9, c.x(), c.y() - 9, c.x(), c.y());
    wave.cubicTo(c.x(), c.y() + 9, c.x() + 4, c.y() + 9, c.x() + 8, c.y());
    p.drawPath(wave);
    p.drawText(QRect(2, c.y() - 9, kLeft - kSourceRadius - 4, 18), Qt::AlignRight | Qt::AlignVCenter, "E");
}

// A clockwise loop current: an arc of 300 degrees ending at the left with an
// arrow head, the name in the middle.
void DrawLoopCurrent(QPainter& p, QPointF centre, const QString& name)
{
    constexpr double kStartDeg = 120, kSpanDeg = -300;
    const QRectF circle(centre.x() - kLoopRadius, centre.y() - kLoopRadius, 2 * kLoopRadius, 2 * kLoopRadius);
    p.setPen(QPen(kCurrentInk, 1.5));
    p.drawArc(circle, qRound(kStartDeg * 16), qRound(kSpanDeg * 16));

    const double end = qDegreesToRadians(kStartDeg + kSpanDeg);
    const QPointF tip(centre.x() + kLoopRadius * std::cos(end), centre.y() - kLoopRadius * std::sin(end));
    const QPointF along(std::sin(end), std::cos(end));  // clockwise direction on screen
    const QPointF across(-along.y(), along.x());
    const QPointF head[] = {tip + along * 6, tip - along * 3 + across * 5, tip - along * 3 - across * 5};
    p.setBrush(kCurrentInk);
    p.drawPolygon(head, 3);
    p.setBrush(Qt::NoBrush);
    p.drawText(QRectF(centre.x() - 15, centre.y() - 9, 30, 18), Qt::AlignCenter, name);
    p.setPen(QPen(kInk, 1.5));
}

}  // namespace

CircuitPicture::CircuitPicture(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kWidth, kHeight);
    setFont(MakeFont(U8(kFacePGothic), 10));
}

void CircuitPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(QPen(kInk, 1.5));

    p.drawLine(kLeft, kTop, kRight, kTop);
    p.drawLine(kLeft, kBottom, kRight, kBottom);
    p.drawLine(kLeft, kTop, kLeft, kBottom);
    p.drawLine(kMiddle, kTop, kMiddle, kBottom);
    p.drawLine(kRight, kTop, kRight, kBottom);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(kMiddle, kTop), 2.5, 2.5);
    p.drawEllipse(QPointF(kMiddle, kBottom), 2.5, 2.5);
    p.setBrush(Qt::NoBrush);

    DrawSource(p);
    DrawHorizontalImpedance(p, (kLeft + kMiddle) / 2, kTop, "Z1");
    DrawVerticalImpedance(p, kMiddle, kMeshMid, "Z2");
    DrawHorizontalImpedance(p, (kMiddle + kRight) / 2, kTop, "Z3");
    DrawLoopCurrent(p, QPointF((kLeft + kMiddle) / 2.0 + 6, kMeshMid + 8), "I1");
    DrawLoopCurrent(p, QPointF((kMiddle + kRight) / 2.0, kMeshMid + 8), "I2");

    p.setPen(QColor(128, 128, 128));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
