#pragma once
// A drawing surface that paints into an image it owns, sized in logical
// pixels at a device pixel ratio. Text sizes are those of a 96-dpi screen.

#include "platform/painter_surface.h"

#include <QImage>
#include <QSize>

class ImageSurface : public PainterSurface {
public:
    explicit ImageSurface(QSize logicalSize = {}, qreal pixelRatio = 1);
    ~ImageSurface() override;

    // Keeps what is drawn at the top left; new area gets the background colour.
    void Resize(QSize logicalSize, qreal pixelRatio);
    QSize LogicalSize() const { return size_; }
    qreal PixelRatio() const { return ratio_; }

    // The picture as drawn so far, at the device pixel ratio.
    const QImage& Image();

protected:
    QPaintDevice* Target() override;
    QSizeF TargetSize() const override;
    int TargetDpi() const override;

private:
    QImage image_;
    QSize size_;
    qreal ratio_ = 1;
};
