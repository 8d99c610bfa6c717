#pragma once
// A drawing surface on a paint device it is given, such as a PDF writer or an
// SVG generator: the page routine draws on it as on the printer.

#include <QPaintDevice>
#include <QSizeF>

#include "platform/painter_surface.h"

class DeviceSurface : public PainterSurface {
public:
    // `size` in the device's painter units, `dpi` its painter units per inch.
    DeviceSurface(QPaintDevice& device, QSizeF size, int dpi) : device_(device), size_(size), dpi_(dpi) {}
    ~DeviceSurface() override { EndPainting(); }

protected:
    QPaintDevice* Target() override { return &device_; }
    QSizeF TargetSize() const override { return size_; }
    int TargetDpi() const override { return dpi_; }

private:
    QPaintDevice& device_;
    QSizeF size_;
    int dpi_;
};
