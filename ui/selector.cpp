#include "selector.h"

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

void Selector::wheelEvent(QWheelEvent* event)
{
    if (wheelChooses_)
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}
