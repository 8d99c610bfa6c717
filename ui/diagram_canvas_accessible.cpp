#include "diagram_canvas_accessible.h"

#include <QPointer>
#include <algorithm>

#include "accessible_factory.h"
#include "accessible_parts.h"
#include "diagram_canvas.h"
#include "diagram_item_text.h"

namespace {

class DrawnItemAccessible : public AccessiblePart {
public:
    DrawnItemAccessible(DiagramCanvas* canvas, int place) : AccessiblePart(canvas, place), canvas_(canvas) {}

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
        return OnScreen(local.toRect());
    }

    QAccessible::Role role() const override { return QAccessible::Graphic; }

    QAccessible::State state() const override
    {
        const auto& selected = canvas_->Selection();
        return PartState(std::find(selected.begin(), selected.end(), Place()) != selected.end());
    }

private:
    const Segment& Item() const { return canvas_->Drawing().segments[Place()]; }

    QPointer<DiagramCanvas> canvas_;
};

class DiagramCanvasAccessible : public AccessibleParts {
public:
    explicit DiagramCanvasAccessible(DiagramCanvas* canvas) : AccessibleParts(canvas, QAccessible::Canvas) {}

    int childCount() const override { return static_cast<int>(Canvas()->Drawing().segments.size()); }

private:
    DiagramCanvas* Canvas() const { return static_cast<DiagramCanvas*>(widget()); }
    AccessiblePart* NewPart(int place) const override { return new DrawnItemAccessible(Canvas(), place); }
};

}  // namespace

void UseDiagramCanvasAccessible() { UseAccessibleInterface<DiagramCanvas, DiagramCanvasAccessible>(); }
