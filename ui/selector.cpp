#include "selector.h"

Selector::Selector(QWidget* parent) : QComboBox(parent)
{
    setMaxVisibleItems(14);
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
