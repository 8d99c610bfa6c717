#include "platform/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PictureBox::SetCrossCursor(bool cross)
{
    if (cross)
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
}

// The widget's size and screen decide the image; a hidden widget gets no
// resize event, so the image follows them here rather than in resizeEvent.
QPaintDevice* PictureBox::Target()
{
    if (LogicalSize() != size() || PixelRatio() != devicePixelRatioF()) Resize(size(), devicePixelRatioF());
    return ImageSurface::Target();
}

QSizeF PictureBox::TargetSize() const { return size(); }

void PictureBox::Changed() { update(); }

void PictureBox::paintEvent(QPaintEvent*)
{
    const QImage& image = Image();
    QPainter painter(this);
    painter.fillRect(rect(), BackColor());
    painter.drawImage(QPointF(0, 0), image);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = ToUser(event->position());
    emit mouseMovedAt(at.x(), at.y());
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) pressed_ = true;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    if (rect().contains(event->position().toPoint())) {
        const QPointF at = ToUser(event->position());
        emit clickedAt(at.x(), at.y());
    }
}
