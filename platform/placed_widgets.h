#pragma once
// Widgets placed at a box of a twips layout table, relative to their parent.
// The caller gives them their font, colours and captions.

#include <QString>

#include "platform/twips.h"

class QGroupBox;
class QPushButton;
class QWidget;

void PlaceAt(QWidget& widget, const twips::Box& box);
QGroupBox* FrameAt(QWidget* parent, const twips::Box& box, const QString& caption = {});
QPushButton* ButtonAt(QWidget* parent, const twips::Box& box);
