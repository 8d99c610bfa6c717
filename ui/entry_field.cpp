#include "entry_field.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "calc/number_text.h"
#include "platform/message_box.h"
#include "platform/qstring_utf8.h"
#include "texts.h"

EntryField::EntryField(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(kMaxChars);
    connect(this, &QLineEdit::textChanged, this, &EntryField::Tidy);
}

namespace {

// The full-width forms of the printable ASCII characters, as a Japanese input
// method gives them.
constexpr char16_t kFullWidthFirst = u'！';
constexpr char16_t kFullWidthLast = u'～';
constexpr char16_t kFullWidthOffset = kFullWidthFirst - u'!';

QString HalfWidth(QString text)
{
    for (QChar& ch : text) {
        if (ch.unicode() >= kFullWidthFirst && ch.unicode() <= kFullWidthLast)
            ch = QChar(ch.unicode() - kFullWidthOffset);
        else if (ch == QChar(u'　'))
            ch = QChar(u' ');
    }
    return text;
}

bool CanBeNumber(const QString& text)
{
    const std::string utf8 = Std(text);
    return IsNumeric(utf8) || IsUnfinishedNumber(utf8);
}

}  // namespace

bool EntryField::HoldsUnfinishedNumber() const { return !text().isEmpty() && !IsNumeric(Std(text())); }

// Setting the tidied text raises textChanged again, and that second round
// reports it: every kept text is reported once.
void EntryField::Tidy()
{
    QString tidy = HalfWidth(text());
    if (!CanBeNumber(tidy)) tidy.clear();
    if (tidy == text()) {
        emit entryChanged();
        return;
    }
    // Half-width forms replace full-width ones one for one.
    const int caret = cursorPosition();
    setText(tidy);
    setCursorPosition(caret);
}

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

bool CheckEntriesComplete(std::span<EntryField* const> fields, QWidget* messageParent)
{
    for (EntryField* field : fields) {
        if (field->HoldsUnfinishedNumber()) {
            ShowMessage(U8(texts::kEnterNumber), MessageIcon::None, messageParent);
            field->setFocus();
            return false;
        }
    }
    return true;
}
