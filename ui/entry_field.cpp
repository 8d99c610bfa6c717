#include "entry_field.h"

#include <QFocusEvent>
#include <QKeyEvent>

EntryField::EntryField(QWidget* parent) : QLineEdit(parent) { setMaxLength(kMaxChars); }

void EntryField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    keepSelectionOnPress_ = event->reason() == Qt::MouseFocusReason;
    selectAll();
}

void EntryField::mousePressEvent(QMouseEvent* event)
{
    if (keepSelectionOnPress_) {
        keepSelectionOnPress_ = false;
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

namespace {

bool IsModifierOnly(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr;
}

}  // namespace

void EntryField::keyPressEvent(QKeyEvent* event)
{
    keepSelectionOnPress_ = false;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QString taken = text();
        setText(QString());
        insert(taken);
        event->accept();
        emit enterPressed();
        return;
    }
    if (hasSelectedText() && !IsModifierOnly(event->key())) del();
    QLineEdit::keyPressEvent(event);
}
