#include "selector.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QWheelEvent>

#include "accessible_factory.h"

namespace {

// The longest list, the branch-voltage selector of fifteen branches, opens
// without a scroll bar.
constexpr int kMostVisibleItems = 15;

// Qt names a selector by its text on this platform and leaves the name to a
// label beside it; the selectors of a row share no such label, so each says
// its own name, and its text is its value.
class SelectorAccessible : public QAccessibleWidget {
public:
    explicit SelectorAccessible(Selector* selector) : QAccessibleWidget(selector, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) return static_cast<const Selector*>(widget())->currentText();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            static_cast<Selector*>(widget())->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

}  // namespace

Selector::Selector(QWidget* parent) : QComboBox(parent)
{
    UseAccessibleInterface<Selector, SelectorAccessible>();
    setMaxVisibleItems(kMostVisibleItems);
    connect(this, &QComboBox::activated, this, [this] { emit chosen(); });
}

void Selector::MakeEditable()
{
    if (isEditable()) return;
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void Selector::showEvent(QShowEvent* event)
{
    MakeEditable();
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
