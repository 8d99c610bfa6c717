#pragma once
// The parts of a widget that are no widgets of their own, such as the tabs of
// a tab strip or the items drawn on a canvas, as assistive technology sees
// them: leaves under their widget's interface, which makes each the first
// time it is asked for and keeps it by its place.

#include <QAccessibleWidget>
#include <QPointer>
#include <map>

class AccessiblePart : public QAccessibleInterface {
public:
    AccessiblePart(QWidget* owner, int place) : owner_(owner), place_(place) {}

    // While its widget has a part at its place.
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    int Place() const { return place_; }
    // A rectangle of the widget on the screen.
    QRect OnScreen(const QRect& local) const;
    // Selectable, selected as given, invisible with its widget.
    QAccessible::State PartState(bool selected) const;

private:
    QPointer<QWidget> owner_;
    int place_;
};

class AccessibleParts : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    ~AccessibleParts() override;

    QAccessibleInterface* child(int place) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

protected:
    virtual AccessiblePart* NewPart(int place) const = 0;

private:
    mutable std::map<int, QAccessible::Id> parts_;
};
