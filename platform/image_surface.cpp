#include "platform/image_surface.h"

#include "platform/twips.h"
#include "platform/vector_state.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr int kDpi = 96;

}  // namespace

ImageSurface::ImageSurface(QSize logicalSize, qreal pixelRatio) { Resize(logicalSize, pixelRatio); }

ImageSurface::~ImageSurface() { EndPainting(); }

void ImageSurface::Resize(QSize logicalSize, qreal pixelRatio)
{
    EndPainting();
    UpperVectorStateGuard clearing;
    const QSize pixels(static_cast<int>(std::ceil(logicalSize.width() * pixelRatio)),
                       static_cast<int>(std::ceil(logicalSize.height() * pixelRatio)));
    QImage resized(pixels, QImage::Format_RGB32);
    resized.setDevicePixelRatio(pixelRatio);
    const int dotsPerMetre = static_cast<int>(std::lround(kDpi / twips::kMetresPerInch));
    resized.setDotsPerMeterX(dotsPerMetre);
    resized.setDotsPerMeterY(dotsPerMetre);
    resized.fill(BackColor());
    if (!image_.isNull() && !resized.isNull()) {
        QPainter copy(&resized);
        copy.drawImage(QPointF(0, 0), image_);
    }
    image_ = resized;
    size_ = logicalSize;
    ratio_ = pixelRatio;
}

const QImage& ImageSurface::Image()
{
    Target();
    EndPainting();
    return image_;
}

QPaintDevice* ImageSurface::Target() { return image_.isNull() ? nullptr : &image_; }

QSizeF ImageSurface::TargetSize() const { return size_; }

int ImageSurface::TargetDpi() const { return kDpi; }
