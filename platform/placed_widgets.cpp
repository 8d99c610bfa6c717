#include "platform/placed_widgets.h"

#include <QGroupBox>
#include <QPushButton>

void PlaceAt(QWidget& widget, const twips::Box& box) { widget.setGeometry(twips::ToRect(box)); }

QGroupBox* FrameAt(QWidget* parent, const twips::Box& box, const QString& caption)
{
    auto* frame = new QGroupBox(caption, parent);
    PlaceAt(*frame, box);
    return frame;
}

QPushButton* ButtonAt(QWidget* parent, const twips::Box& box)
{
    auto* button = new QPushButton(parent);
    PlaceAt(*button, box);
    return button;
}
