#include "entry_field.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "document/language.h"
#include "calc/number_text.h"
#include "calc/prefixed_number.h"
#include "document/half_width.h"
#include "platform/message_box.h"
#include "document/qstring_utf8.h"
#include "selector.h"
#include "texts.h"

EntryField::EntryField(QWidget* parent) : QLineEdit(parent), ownPoints_(font().pointSizeF())
{
    setMaxLength(kMaxChars);
    connect(this, &QLineEdit::textChanged, this, &EntryField::Tidy);
}

namespace {

constexpr double kSmallestPoints = 8;
constexpr double kPointStep = 0.25;
// A line edit keeps this much free at either side of its text, and the
// caret takes one pixel more.
constexpr int kTextMarginPixels = 2;

struct UnitValue {
    const Unit* unit;
    QString text;
};

// The unit of the list that shows a prefixed value in the fewest characters
// a field may be typed with; on a tie the unit shown now, else the first.
// Nothing for a text that is no prefixed value or that no unit can show.
std::optional<UnitValue> InBestUnit(const QString& text, UnitList units, const QString& shownUnit)
{
    const std::optional<ExactDecimal> number = ReadPrefixedNumber(Std(text));
    if (!number) return std::nullopt;
    std::optional<UnitValue> best;
    for (const Unit& unit : units) {
        const std::optional<std::string> shown = PlainTextInUnit(*number, unit.exponent, EntryField::kMaxChars);
        if (!shown) continue;
        const qsizetype length = static_cast<qsizetype>(shown->size());
        if (!best || length < best->text.size() || (length == best->text.size() && U8(unit.text) == shownUnit))
            best = UnitValue{&unit, U8(*shown)};
    }
    return best;
}

}  // namespace

void EntryField::SetUnitSelector(Selector* selector, UnitList units)
{
    unitSelector_ = selector;
    units_ = units;
}

void EntryField::ShowEntered(const QString& text)
{
    setMaxLength(std::max(static_cast<int>(text.size()), kMaxChars));
    setText(text);
}

bool EntryField::LacksNumber() const { return !text().isEmpty() && !IsNumeric(Std(text())); }

void EntryField::TakePrefixedValue()
{
    if (unitSelector_ == nullptr) return;
    const std::optional<UnitValue> value =
        InBestUnit(text(), units_, unitSelector_->ChosenSource().value_or(QString()));
    if (!value) return;
    unitSelector_->Choose(U8(value->unit->text));
    emit unitTaken();
    setText(value->text);
}

// Setting the tidied text raises textChanged again, and that second round
// reports it: every kept text is reported once.
void EntryField::Tidy()
{
    const QString tidy = HalfWidth(text());
    if (tidy != text()) {
        // Half-width forms replace full-width ones one for one.
        const int caret = cursorPosition();
        setText(tidy);
        setCursorPosition(caret);
        return;
    }
    const std::string utf8 = Std(tidy);
    const bool canBeNumber =
        IsNumeric(utf8) || IsUnfinishedNumber(utf8) ||
        (unitSelector_ != nullptr && InBestUnit(tidy, units_, unitSelector_->ChosenSource().value_or(QString())));
    Mark(!canBeNumber);
    FitFace();
    emit entryChanged();
}

void EntryField::FitFace()
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int room =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() - 2 * kTextMarginPixels - 1;
    QFont face = font();
    double points = ownPoints_;
    face.setPointSizeF(points);
    while (points > kSmallestPoints && QFontMetricsF(face, this).horizontalAdvance(text()) > room) {
        points -= kPointStep;
        face.setPointSizeF(points);
    }
    if (face.pointSizeF() == font().pointSizeF()) return;
    fitting_ = true;
    setFont(face);
    fitting_ = false;
}

void EntryField::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && marked_) setToolTip(Tr(texts::kNotNumber));
    if (event->type() != QEvent::FontChange || fitting_) return;
    ownPoints_ = font().pointSizeF();
    FitFace();
}

void EntryField::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    FitFace();
}

void EntryField::Mark(bool marked)
{
    if (marked == marked_) return;
    marked_ = marked;
    setToolTip(marked ? Tr(texts::kNotNumber) : QString());
    update();
}

void EntryField::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!marked_) return;
    QPainter painter(this);
    constexpr int kFrameWidth = 2;
    painter.setPen(QPen(Qt::red, kFrameWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void EntryField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    keepSelectionOnPress_ = event->reason() == Qt::MouseFocusReason;
    selectAll();
}

// A menu, the field's own context menu or another window takes the focus
// only for a while: the value may still be typed on.
void EntryField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) TakePrefixedValue();
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
    for (EntryField* field : fields) field->TakePrefixedValue();
    for (EntryField* field : fields) {
        if (field->LacksNumber()) {
            ShowMessage(Tr(texts::kEnterNumber), MessageIcon::None, messageParent);
            field->setFocus();
            return false;
        }
    }
    return true;
}
