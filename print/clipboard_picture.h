#pragma once
// The hidden picture that holds the clipboard image: an image surface that can
// take a part of another picture's image.

#include <QRectF>

#include "platform/image_surface.h"

class ClipboardPicture : public ImageSurface {
public:
    // Draws the part `source` (in the source image's logical pixels) of
    // `image` into the rectangle `dest` given in this picture's user
    // coordinates, scaled to fit.
    void PaintPicture(const QImage& image, const QRectF& source, const QRectF& dest);
};
