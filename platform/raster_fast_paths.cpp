#include "platform/raster_fast_paths.h"

#include <QImage>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Fills whole device pixels of an image with an opaque colour. Where nothing
// can blend with it, the pixels are written straight into the image: Qt fills
// a narrow column one span per row, which costs far more than its pixels.
// The painter open on the image draws into the same memory as long as no copy
// shares it, and nothing it holds stands between it and the pixels.
void FillPixels(QPainter& painter, const QRectF& logical, const QColor& colour)
{
    auto& image = *static_cast<QImage*>(painter.device());
    const bool direct = colour.alpha() == 255 && image.isDetached() && image.depth() == 32 && !painter.hasClipping() &&
                        painter.compositionMode() == QPainter::CompositionMode_SourceOver && painter.opacity() == 1 &&
                        painter.worldTransform().isIdentity();
    if (!direct) {
        painter.fillRect(logical, colour);
        return;
    }
    const qreal ratio = image.devicePixelRatio();
    const QRect pixels = QRect(qRound(logical.left() * ratio), qRound(logical.top() * ratio),
                               qRound(logical.width() * ratio), qRound(logical.height() * ratio))
                             .intersected(image.rect());
    if (pixels.isEmpty()) return;
    const QRgb value = colour.rgba();
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(bits + y * stride) + pixels.left(), pixels.width(), value);
}

// Solid one-pixel lines along rows and columns of an image are filled as
// rectangles of device pixels: the same pixels Qt's line drawing gives them
// at a fraction of its cost. The logical size of a device pixel when that
// holds, nothing otherwise: for dotted lines, on a printer and at a
// fractional ratio.
std::optional<qreal> FillablePixel(const QPainter& painter, const GridStroke& stroke)
{
    const QPaintDevice* device = painter.device();
    const qreal ratio = device->devicePixelRatio();
    if (!FastPathsOn() || stroke.dotted || device->devType() != QInternal::Image || ratio != std::floor(ratio))
        return std::nullopt;
    return 1 / ratio;
}

// Whether an outline whose corners span `ends` lies wholly on the picture: Qt
// leaves out the pixel where the clipped sides of one that does not meet.
bool OnPicture(const QRectF& ends, qreal pixel, const QSizeF& picture)
{
    return ends.left() >= 0 && ends.top() >= 0 && ends.right() + pixel <= picture.width() &&
           ends.bottom() + pixel <= picture.height();
}

}  // namespace

bool FastPathsOn()
{
    static const bool on = qEnvironmentVariableIntValue("BRIVEL_NO_FAST_PATHS") != 1;
    return on;
}

// A line from `from` to `to` covers the pixels from its first end up to, not
// including, its last one; just one pixel when the ends meet. A line along a
// row or column that leaves the picture keeps just the pixels on it.
bool FillGridLine(QPainter& painter, const QPointF& from, const QPointF& to, const GridStroke& stroke)
{
    const QRectF ends = QRectF(from, to).normalized();
    const std::optional<qreal> pixel = FillablePixel(painter, stroke);
    if (!pixel || (ends.width() != 0 && ends.height() != 0)) return false;
    const QRectF run(ends.topLeft(),
                     QSizeF(ends.width() == 0 ? *pixel : ends.width(), ends.height() == 0 ? *pixel : ends.height()));
    const QRectF shown = run.intersected(QRectF(QPointF(0, 0), stroke.picture));
    if (!shown.isEmpty()) FillPixels(painter, shown, stroke.colour);
    return true;
}

// Qt leaves an outline of no extent at all undrawn.
bool FillOutline(QPainter& painter, const QRectF& r, const GridStroke& stroke)
{
    const std::optional<qreal> pixel = FillablePixel(painter, stroke);
    if (!pixel || !OnPicture(r, *pixel, stroke.picture)) return false;
    if (!r.isNull()) {
        const qreal across = r.width() + *pixel, down = r.height() + *pixel;
        FillPixels(painter, QRectF(r.left(), r.top(), across, *pixel), stroke.colour);
        FillPixels(painter, QRectF(r.left(), r.bottom(), across, *pixel), stroke.colour);
        FillPixels(painter, QRectF(r.left(), r.top(), *pixel, down), stroke.colour);
        FillPixels(painter, QRectF(r.right(), r.top(), *pixel, down), stroke.colour);
    }
    return true;
}
