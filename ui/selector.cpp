#include "selector.h"

#include <QAccessibleWidget>
#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

#include "accessible_factory.h"
#include "document/language.h"
#include "texts.h"

namespace {

// The longest list, the branch-voltage selector of fifteen branches, opens
// without a scroll bar.
constexpr int kMostVisibleItems = 15;

// Qt names a selector by its text on this platform and leaves the name to a
// label beside it; the selectors of a row share no such label, so each says
// its own name, and its text is its value. The platform's bridge passes no
// value of a selector on, so the description says it too. Its children are
// the list of its items and, once it has one, its text field.
class SelectorAccessible : public QAccessibleWidget {
public:
    explicit SelectorAccessible(Selector* selector) : QAccessibleWidget(selector, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        const QString value = selector()->currentText();
        if (t == QAccessible::Value) return value;
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Description) return own.isEmpty() ? value : value + QLatin1Char(' ') + own;
        return own;
    }
    int childCount() const override { return selector()->lineEdit() != nullptr ? 2 : 1; }
    QAccessibleInterface* child(int index) const override
    {
        if (index == 0) return QAccessible::queryAccessibleInterface(selector()->view());
        if (index == 1 && selector()->lineEdit() != nullptr)
            return QAccessible::queryAccessibleInterface(selector()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child) return i;
        return -1;
    }
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            static_cast<Selector*>(widget())->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Selector* selector() const { return static_cast<Selector*>(widget()); }
};

}  // namespace

Selector::Selector(QWidget* parent) : QComboBox(parent)
{
    UseAccessibleInterface<Selector, SelectorAccessible>();
    setMaxVisibleItems(kMostVisibleItems);
    connect(this, &QComboBox::activated, this, [this] { emit chosen(); });
    connect(this, &QComboBox::currentTextChanged, this, [this] {
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    });
}

void Selector::MakeEditable()
{
    if (isEditable()) return;
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

// The text field is named after the selector, by then named itself.
void Selector::showEvent(QShowEvent* event)
{
    MakeEditable();
    lineEdit()->setAccessibleName(Tr(texts::kNameSelectorEdit).arg(accessibleName()));
    QComboBox::showEvent(event);
}

void Selector::SetText(const QString& text)
{
    const int i = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i >= 0) {
        setCurrentIndex(i);
    } else {
        MakeEditable();
        setEditText(text);
    }
}

void Selector::SetItems(const QStringList& sources)
{
    clear();
    for (const QString& source : sources) addItem(Tr(source), source);
}

void Selector::SetUnits(UnitList units)
{
    QStringList sources;
    for (const Unit& unit : units) sources << QString::fromUtf8(unit.text);
    SetItems(sources);
}

void Selector::Choose(const QString& source)
{
    const int i = findData(source);
    if (i >= 0) setCurrentIndex(i);
}

std::optional<QString> Selector::ChosenSource() const
{
    const int i = findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i < 0 || !itemData(i).isValid()) return std::nullopt;
    return itemData(i).toString();
}

// The items speak a new language; a text typed over the item stays. The
// field is named anew once the selector's own name, a text it keeps, has
// been shown in the language.
bool Selector::event(QEvent* event)
{
    const bool language = event->type() == QEvent::LanguageChange;
    const bool typed = language && currentIndex() >= 0 && currentText() != itemText(currentIndex());
    const QString shown = currentText();
    const bool handled = QComboBox::event(event);
    if (language) {
        for (int i = 0; i < count(); ++i)
            if (itemData(i).isValid()) setItemText(i, Tr(itemData(i).toString()));
        if (typed) setEditText(shown);
        if (lineEdit() != nullptr) lineEdit()->setAccessibleName(Tr(texts::kNameSelectorEdit).arg(accessibleName()));
    }
    return handled;
}

// The text field passes Enter on to the selector; the open list takes it
// itself.
void Selector::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void Selector::wheelEvent(QWheelEvent* event)
{
    if (wheelChooses_)
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}
