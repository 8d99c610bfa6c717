#include "accessible_parts.h"

#include <QWidget>
#include <QWindow>

bool AccessiblePart::isValid() const
{
    return owner_ && place_ < QAccessible::queryAccessibleInterface(owner_.data())->childCount();
}

QAccessibleInterface* AccessiblePart::parent() const { return QAccessible::queryAccessibleInterface(owner_.data()); }

QWindow* AccessiblePart::window() const { return owner_->window()->windowHandle(); }

QRect AccessiblePart::OnScreen(const QRect& local) const
{
    return QRect(owner_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State AccessiblePart::PartState(bool selected) const
{
    QAccessible::State s;
    s.selectable = true;
    s.selected = selected;
    s.invisible = !owner_->isVisible();
    return s;
}

AccessibleParts::~AccessibleParts()
{
    for (const auto& [place, id] : parts_) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* AccessibleParts::child(int place) const
{
    if (place < 0 || place >= childCount()) return nullptr;
    auto found = parts_.find(place);
    if (found == parts_.end())
        found = parts_.emplace(place, QAccessible::registerAccessibleInterface(NewPart(place))).first;
    return QAccessible::accessibleInterface(found->second);
}

int AccessibleParts::indexOfChild(const QAccessibleInterface* child) const
{
    for (const auto& [place, id] : parts_)
        if (QAccessible::accessibleInterface(id) == child) return place < childCount() ? place : -1;
    return -1;
}
