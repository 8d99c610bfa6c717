#pragma once
// Captions too long for their control break onto further lines, at spaces
// or between ideographs, as the controls of the original toolkit did.

#include <QFont>
#include <QString>

class QAbstractButton;

QString WrapCaption(const QString& text, const QFont& font, int width);

// Sets the button's caption wrapped to `width` pixels in the face. Where the
// wrapped lines are taller than `height`, the face shrinks until they fit. A
// wrapped caption leaves the button named by the caption as one line.
void SetFittedCaption(QAbstractButton& button, const QString& text, const QFont& face, int width, int height);
