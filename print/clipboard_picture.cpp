#include "print/clipboard_picture.h"

#include <QPainter>

void ClipboardPicture::PaintPicture(const QImage& image, const QRectF& source, const QRectF& dest)
{
    QPaintDevice* device = Target();
    if (device == nullptr) return;
    EndPainting();
    const qreal ratio = image.devicePixelRatio();
    const QRectF from(source.topLeft() * ratio, source.size() * ratio);
    const QRectF to(ToPainter(dest.left(), dest.top()), ToPainter(dest.right(), dest.bottom()));
    QPainter painter(device);
    painter.drawImage(to.normalized(), image, from);
}
