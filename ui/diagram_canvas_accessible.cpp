#include "diagram_canvas_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <algorithm>
#include <map>

#include "accessible_factory.h"
#include "diagram_canvas.h"
#include "diagram_item_text.h"

namespace {

class DrawnItemAccessible : public QAccessibleInterface {
public:
    DrawnItemAccessible(DiagramCanvas* canvas, int place) : canvas_(canvas), place_(place) {}

    bool isValid() const override
    {
        return canvas_ && place_ < static_cast<int>(canvas_->Drawing().segments.size());
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return canvas_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(canvas_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? ItemName(Item()) : QString();
    }

    QRect rect() const override
    {
        if (!isValid()) return {};
        const GridView& view = canvas_->View();
        const double reach = view.spacing / 4;
        const QRectF local = QRectF(view.PixelOf(Item().from), view.PixelOf(Item().to))
                                 .normalized()
                                 .adjusted(-reach, -reach, reach, reach);
        return QRect(canvas_->mapToGlobal(local.topLeft().toPoint()), local.size().toSize());
    }

    QAccessible::Role role() const override { return QAccessible::Graphic; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        const auto& selected = canvas_->Selection();
        s.selectable = true;
        s.selected = std::find(selected.begin(), selected.end(), place_) != selected.end();
        s.invisible = !canvas_->isVisible();
        return s;
    }

private:
    const Segment& Item() const { return canvas_->Drawing().segments[place_]; }

    QPointer<DiagramCanvas> canvas_;
    int place_;
};

class DiagramCanvasAccessible : public QAccessibleWidget {
public:
    explicit DiagramCanvasAccessible(DiagramCanvas* canvas) : QAccessibleWidget(canvas, QAccessible::Canvas) {}
    ~DiagramCanvasAccessible() override
    {
        for (const auto& [place, id] : items_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(Canvas()->Drawing().segments.size()); }

    QAccessibleInterface* child(int place) const override
    {
        if (place < 0 || place >= childCount()) return nullptr;
        auto found = items_.find(place);
        if (found == items_.end())
            found = items_
                        .emplace(place, QAccessible::registerAccessibleInterface(
                                            new DrawnItemAccessible(Canvas(), place)))
                        .first;
        return QAccessible::accessibleInterface(found->second);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (const auto& [place, id] : items_)
            if (QAccessible::accessibleInterface(id) == child) return place < childCount() ? place : -1;
        return -1;
    }

private:
    DiagramCanvas* Canvas() const { return static_cast<DiagramCanvas*>(widget()); }

    mutable std::map<int, QAccessible::Id> items_;
};

}  // namespace

void UseDiagramCanvasAccessible() { UseAccessibleInterface<DiagramCanvas, DiagramCanvasAccessible>(); }
