#pragma once
// The look shared by the main window and the entry dialogs: the proportional
// Gothic face, the light cyan of entry controls, fixed-size windows.

#include <QColor>
#include <QFont>
#include <vector>

#include "platform/twips.h"

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

inline const QColor kEntryBackground(192, 255, 255);

// The proportional Gothic face at the given size.
QFont GothicFont(double points);
// The Mincho face at the given size.
QFont MinchoFont(double points);

// A push button at a box of a twips layout, captioned in the Gothic face by
// a marked text in the language in use.
QPushButton* GothicButton(QWidget* parent, const char* caption, const twips::Box& at, double points);

// A label at a box of a twips layout in the Gothic face, its text centred
// in the height.
QLabel* GothicLabel(QWidget* parent, const twips::Box& at, double points);

// Base colour (fields, selectors) or window colour (labels, frames).
void SetEntryBackground(QWidget& w);
void SetBackground(QWidget& w, const QColor& colour);

// A dialog with a fixed client area, a title and a close box, without
// minimise, maximise or help buttons. The title is the marked caption in the
// language in use and the element the dialog is for: "ＲＬＣ素子値の入力　Z3".
void SetUpFixedDialog(QDialog& dialog, const char* caption, const QString& element, const twips::Box& client);

// Chains the focus order through the widgets in the given order.
void SetTabOrder(const std::vector<QWidget*>& order);
