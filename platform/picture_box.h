#pragma once
// A widget holding a persistent picture: drawing goes into an image at the
// screen's device pixel ratio, and painting the widget shows that image.
// Mouse positions are reported in the box's user coordinates.

#include "platform/image_surface.h"

#include <QWidget>

class PictureBox : public QWidget, public ImageSurface {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void SetCrossCursor(bool cross);

signals:
    void mouseMovedAt(double x, double y);
    // A left-button press and release both on the box; the release position.
    void clickedAt(double x, double y);

protected:
    QPaintDevice* Target() override;
    QSizeF TargetSize() const override;
    void Changed() override;

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
