#include "diagram_painting.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "platform/font_names.h"
#include "platform/fonts.h"
#include "document/qstring_utf8.h"

namespace {

const QColor kGridDot(180, 180, 180);
const QColor kGridMajor(110, 110, 110);
const QColor kEdgeNumber(140, 140, 140);
constexpr int kMajorEvery = 4;

// Sizes in logical pixels at zoom 1.
constexpr double kLine = 1.5, kSelectedLine = 2.6;
constexpr double kBoxLong = 40, kBoxShort = 14, kSourceRadius = 13;
constexpr double kArrowHead = 7;
constexpr double kJunctionRadius = 3;
constexpr double kRingRadius = 9;
constexpr double kLabelPoints = 10, kEdgePoints = 7.5;

struct Pens {
    double zoom;
    QColor ink;
    double width;
    Qt::PenStyle style = Qt::SolidLine;

    QPen Line() const { return QPen(ink, width * zoom, style, Qt::RoundCap, Qt::RoundJoin); }
};

QPointF Unit(QPointF from, QPointF to)
{
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    return length > 0 ? d / length : QPointF(1, 0);
}

double Length(QPointF from, QPointF to) { return std::hypot(to.x() - from.x(), to.y() - from.y()); }

void ArrowHead(QPainter& p, QPointF tip, QPointF along, double size, const QColor& ink)
{
    const QPointF across(-along.y(), along.x());
    const QPointF head[] = {tip, tip - along * size + across * size * 0.45, tip - along * size - across * size * 0.45};
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(head, 3);
    p.setBrush(Qt::NoBrush);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const Pens& pens)
{
    const QPointF along = Unit(from, to);
    const double head = kArrowHead * pens.zoom;
    p.setPen(pens.Line());
    p.drawLine(from, to - along * head * 0.8);
    ArrowHead(p, to, along, head, pens.ink);
}

void Label(QPainter& p, QPointF at, Qt::Alignment align, const QString& text, const QColor& ink)
{
    constexpr double kRoom = 200;
    QRectF box(at, QSizeF(kRoom, kRoom));
    box.moveLeft(align & Qt::AlignRight ? at.x() - kRoom : align & Qt::AlignHCenter ? at.x() - kRoom / 2 : at.x());
    box.moveTop(align & Qt::AlignBottom ? at.y() - kRoom : align & Qt::AlignVCenter ? at.y() - kRoom / 2 : at.y());
    p.setPen(ink);
    p.drawText(box, align, text);
}

// A symbol on the middle of a segment: the line up to it and from it.
void LineAround(QPainter& p, QPointF a, QPointF b, double halfGap, const Pens& pens)
{
    const QPointF u = Unit(a, b), centre = (a + b) / 2;
    p.setPen(pens.Line());
    p.drawLine(a, centre - u * halfGap);
    p.drawLine(centre + u * halfGap, b);
}

void PaintBranch(QPainter& p, QPointF a, QPointF b, int number, const Pens& pens)
{
    const double z = pens.zoom;
    const double along = std::min(kBoxLong * z, 0.7 * Length(a, b)), across = kBoxShort * z;
    const QPointF u = Unit(a, b), centre = (a + b) / 2;
    const bool vertical = std::abs(u.y()) > std::abs(u.x());
    LineAround(p, a, b, along / 2, pens);
    QRectF box(0, 0, vertical ? across : along, vertical ? along : across);
    box.moveCenter(centre);
    p.setBrush(Qt::white);
    p.drawRect(box);
    p.setBrush(Qt::NoBrush);

    // The name on one side, the arrow of the current on the other: above and
    // below a horizontal branch, right and left of a vertical one.
    const QString name = QStringLiteral("Z%1").arg(number);
    const double gap = 4 * z, arrowOffset = across / 2 + 7 * z, arrowHalf = std::max(along * 0.3, 8 * z);
    if (vertical) {
        Label(p, QPointF(box.right() + gap, centre.y()), Qt::AlignLeft | Qt::AlignVCenter, name, pens.ink);
        const QPointF at(centre.x() - arrowOffset, centre.y());
        Arrow(p, at - u * arrowHalf, at + u * arrowHalf, {z, pens.ink, kLine * 0.8});
    } else {
        Label(p, QPointF(centre.x(), box.top() - gap), Qt::AlignHCenter | Qt::AlignBottom, name, pens.ink);
        const QPointF at(centre.x(), centre.y() + arrowOffset);
        Arrow(p, at - u * arrowHalf, at + u * arrowHalf, {z, pens.ink, kLine * 0.8});
    }
}

void PaintSource(QPainter& p, QPointF a, QPointF b, const Pens& pens)
{
    const double z = pens.zoom;
    const double r = std::min(kSourceRadius * z, 0.4 * Length(a, b));
    const QPointF u = Unit(a, b), centre = (a + b) / 2;
    LineAround(p, a, b, r, pens);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, r, r);
    p.setBrush(Qt::NoBrush);
    Arrow(p, centre - u * r * 0.6, centre + u * r * 0.7, {z, pens.ink, kLine});
    const bool vertical = std::abs(u.y()) > std::abs(u.x());
    if (vertical)
        Label(p, QPointF(centre.x() - r - 4 * z, centre.y()), Qt::AlignRight | Qt::AlignVCenter, "E", pens.ink);
    else
        Label(p, QPointF(centre.x(), centre.y() - r - 4 * z), Qt::AlignHCenter | Qt::AlignBottom, "E", pens.ink);
}

void PaintSegment(QPainter& p, const GridView& view, const Segment& s, const Pens& pens)
{
    const QPointF a = view.PixelOf(s.from), b = view.PixelOf(s.to);
    if (s.kind == SegmentKind::Branch && s.from != s.to)
        PaintBranch(p, a, b, s.number, pens);
    else if (s.kind == SegmentKind::Source && s.from != s.to)
        PaintSource(p, a, b, pens);
    else {
        p.setPen(pens.Line());
        p.drawLine(a, b);
    }
}

void PaintGrid(QPainter& p, const GridView& view, const QFont& edgeFont)
{
    const double z = view.Zoom();
    QPolygonF dots, majors;
    for (int y = view.first.y; y <= view.last.y; ++y)
        for (int x = view.first.x; x <= view.last.x; ++x)
            (x % kMajorEvery == 0 && y % kMajorEvery == 0 ? majors : dots) << view.PixelOf(x, y);
    p.setPen(QPen(kGridDot, 2.2 * z, Qt::SolidLine, Qt::RoundCap));
    p.drawPoints(dots);
    p.setPen(QPen(kGridMajor, 2.6 * z, Qt::SolidLine, Qt::RoundCap));
    p.drawPoints(majors);

    p.setFont(edgeFont);
    const double inset = view.margin * 0.45;
    for (int x = view.first.x; x <= view.last.x; ++x)
        if (x % kMajorEvery == 0)
            Label(p, QPointF(view.PixelOf(x, view.first.y).x(), inset), Qt::AlignCenter, QString::number(x), kEdgeNumber);
    for (int y = view.first.y; y <= view.last.y; ++y)
        if (y % kMajorEvery == 0)
            Label(p, QPointF(inset, view.PixelOf(view.first.x, y).y()), Qt::AlignCenter, QString::number(y), kEdgeNumber);
}

// A curved arrow of 300 degrees around the mark, its name in the middle.
void PaintMeshCurrent(QPainter& p, const GridView& view, const MeshMark& mark, int loop)
{
    const double z = view.Zoom();
    const QPointF centre = view.PixelOf(mark.x, mark.y);
    const double radius = std::clamp(mark.room * view.spacing * 0.45, 9 * z, 28 * z);
    const double start = mark.clockwise ? 120 : 60, span = mark.clockwise ? -300 : 300;
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setPen(QPen(kLoopInk, kLine * z, Qt::SolidLine, Qt::FlatCap));
    const double head = kArrowHead * z;
    // The arc stops short of the head's tip.
    const double headDegrees = qRadiansToDegrees(head * 0.8 / radius);
    p.drawArc(circle, qRound(start * 16), qRound((span + (mark.clockwise ? headDegrees : -headDegrees)) * 16));
    const double end = qDegreesToRadians(start + span);
    const QPointF tip(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
    const QPointF along = mark.clockwise ? QPointF(std::sin(end), std::cos(end)) : QPointF(-std::sin(end), -std::cos(end));
    ArrowHead(p, tip, along, head, kLoopInk);
    // The name stands clear of the grid point it may lie on.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 8 * z, 8 * z);
    p.setBrush(Qt::NoBrush);
    Label(p, centre, Qt::AlignCenter, QStringLiteral("I%1").arg(loop), kLoopInk);
}

void Ring(QPainter& p, const GridView& view, GridPoint at, const QColor& ink)
{
    const double z = view.Zoom();
    p.setPen(QPen(ink, 2.2 * z));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(view.PixelOf(at), kRingRadius * z, kRingRadius * z);
}

void PaintEditing(QPainter& p, const GridView& view, const DiagramPicture& picture, const EditingMarks& editing)
{
    const double z = view.Zoom();
    const Pens preview{z, kEditInk, kLine, Qt::DashLine};
    if (editing.movedBy != GridPoint{})
        for (int i : picture.selected) {
            Segment moved = picture.diagram.segments[i];
            moved.from = {moved.from.x + editing.movedBy.x, moved.from.y + editing.movedBy.y};
            moved.to = {moved.to.x + editing.movedBy.x, moved.to.y + editing.movedBy.y};
            PaintSegment(p, view, moved, preview);
        }
    if (editing.laid) PaintSegment(p, view, *editing.laid, preview);
    if (editing.start) {
        p.setPen(Qt::NoPen);
        p.setBrush(kEditInk);
        p.drawEllipse(view.PixelOf(*editing.start), 4 * z, 4 * z);
        p.setBrush(Qt::NoBrush);
    }
    if (editing.cursor) {
        const double half = 7 * z;
        p.setPen(QPen(kEditInk, 1.5 * z));
        const QPointF c = view.PixelOf(*editing.cursor);
        p.drawRect(QRectF(c.x() - half, c.y() - half, 2 * half, 2 * half));
    }
    if (editing.band) {
        p.setPen(QPen(kEditInk, 1, Qt::DashLine));
        p.setBrush(QColor(kEditInk.red(), kEditInk.green(), kEditInk.blue(), 24));
        p.drawRect(*editing.band);
        p.setBrush(Qt::NoBrush);
    }
}

void PaintSegmentsAndMeshes(QPainter& p, const GridView& view, const DiagramFonts& fonts, const DiagramPicture& picture)
{
    const double z = view.Zoom();
    p.setFont(fonts.label);
    for (int i = 0; i < static_cast<int>(picture.diagram.segments.size()); ++i) {
        const bool selected = std::count(picture.selected.begin(), picture.selected.end(), i) > 0;
        PaintSegment(p, view, picture.diagram.segments[i],
                     selected ? Pens{z, kEditInk, kSelectedLine} : Pens{z, kDiagramInk, kLine});
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kDiagramInk);
    for (GridPoint at : Junctions(picture.diagram)) p.drawEllipse(view.PixelOf(at), kJunctionRadius * z, kJunctionRadius * z);
    p.setBrush(Qt::NoBrush);

    for (size_t k = 0; k < picture.meshes.size(); ++k) PaintMeshCurrent(p, view, picture.meshes[k], static_cast<int>(k) + 1);
}

}  // namespace

std::vector<GridPoint> Junctions(const Diagram& diagram)
{
    // At each point the directions segments leave it in (right, down, left,
    // up), and whether one of them ends there: segments that only pass
    // through each other cross and are not joined.
    struct Arms {
        std::array<bool, 4> leaving{};
        bool end = false;
    };
    std::map<GridPoint, Arms> arms;
    for (const Segment& s : diagram.segments) {
        if (s.from == s.to || (s.from.x != s.to.x && s.from.y != s.to.y)) continue;
        const GridPoint low = std::min(s.from, s.to), high = std::max(s.from, s.to);
        const bool horizontal = low.y == high.y;
        for (GridPoint at = low;; at = horizontal ? GridPoint{at.x + 1, at.y} : GridPoint{at.x, at.y + 1}) {
            Arms& a = arms[at];
            if (at != high) a.leaving[horizontal ? 0 : 1] = true;
            if (at != low) a.leaving[horizontal ? 2 : 3] = true;
            a.end = a.end || at == low || at == high;
            if (at == high) break;
        }
    }
    std::vector<GridPoint> junctions;
    for (const auto& [at, a] : arms)
        if (a.end && std::count(a.leaving.begin(), a.leaving.end(), true) >= 3) junctions.push_back(at);
    return junctions;
}

DiagramFonts FontsFor(double zoom)
{
    return {MakeFont(U8(kFacePGothic), kLabelPoints * zoom), MakeFont(U8(kFacePGothic), kEdgePoints * zoom)};
}

void PaintDiagram(QPainter& p, const GridView& view, const DiagramFonts& fonts, const DiagramPicture& picture,
                  const EditingMarks& editing)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(view.Size())), Qt::white);
    PaintGrid(p, view, fonts.edge);
    PaintSegmentsAndMeshes(p, view, fonts, picture);
    for (GridPoint at : picture.warnedAt) Ring(p, view, at, kWarningInk);
    if (picture.refusedAt) Ring(p, view, *picture.refusedAt, kRefusalInk);
    PaintEditing(p, view, picture, editing);
}

void PaintCircuit(QPainter& p, const GridView& view, const DiagramFonts& fonts, const DiagramPicture& picture)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(view.Size())), Qt::white);
    PaintSegmentsAndMeshes(p, view, fonts, picture);
}
