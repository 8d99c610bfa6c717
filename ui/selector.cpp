#include "selector.h"

#include <QKeyEvent>
#include <QWheelEvent>

namespace {

// The longest list, the branch-voltage selector of fifteen branches, opens
// without a scroll bar.
constexpr int kMostVisibleItems = 15;

}  // namespace

Selector::Selector(QWidget* parent) : QComboBox(parent)
{
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
