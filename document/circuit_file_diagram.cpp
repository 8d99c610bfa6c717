// Reading the "diagram" of a circuit file:
//   {"source": {"from": [0, 4], "to": [0, 0]},
//    "branches": [{"number": 1, "from": [0, 0], "to": [4, 0], "element": …}, …],
//    "wires": [[8, 0, 8, 4], …]}
// "source" is left out of a drawing without one, and is an array of them in
// one with several, as a drawing being edited may be. "element" is a
// branch's entry in the form of "elements", given where it is not the page's.

#include <QStringList>
#include <cmath>
#include <cstdlib>

#include "document/circuit_file_parts.h"
#include "document/document_texts.h"

using namespace file_read;

namespace {

void OnlyKeys(const QJsonObject& object, const QString& place, const QStringList& keys)
{
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!keys.contains(it.key())) Refuse(texts::kFileUnknownKey, Item(place, it.key()));
}

int CoordinateAt(const QJsonValue& v, const QString& place)
{
    if (!v.isDouble()) Refuse(texts::kFileMissingOrWrongType, place);
    const double d = v.toDouble();
    if (d != std::floor(d)) Refuse(texts::kFileNotWholeNumber, place);
    if (std::abs(d) > kMostDrawnCoordinate) Refuse(texts::kFileCountOutOfRange, place);
    return static_cast<int>(d);
}

// [x, y], or two of the coordinates of [x1, y1, x2, y2] from `first` on.
GridPoint PointIn(const QJsonArray& coordinates, const QString& place, int first)
{
    return {CoordinateAt(coordinates[first], At(place, first)), CoordinateAt(coordinates[first + 1], At(place, first + 1))};
}

GridPoint PointAt(const QJsonValue& v, const QString& place) { return PointIn(ArrayOf(v, place, 2), place, 0); }

Segment EndsAt(const QJsonObject& object, const QString& place, SegmentKind kind)
{
    Segment s{kind, 0, {}, {}};
    s.from = PointAt(Member(object, place, QStringLiteral("from")), Item(place, QStringLiteral("from")));
    s.to = PointAt(Member(object, place, QStringLiteral("to")), Item(place, QStringLiteral("to")));
    return s;
}

void ReadSources(const QJsonObject& diagram, const QString& place, FileDiagram& read)
{
    const QString key = QStringLiteral("source");
    if (!diagram.contains(key)) return;
    const QJsonValue value = diagram.value(key);
    const QJsonArray sources = value.isArray() ? value.toArray() : QJsonArray{value};
    for (qsizetype i = 0; i < sources.size(); ++i) {
        const QString at = value.isArray() ? At(Item(place, key), i) : Item(place, key);
        const QJsonObject source = ObjectAt(sources[i], at);
        OnlyKeys(source, at, {QStringLiteral("from"), QStringLiteral("to")});
        read.diagram.segments.push_back(EndsAt(source, at, SegmentKind::Source));
    }
}

// Each item of the array at key, with its place.
template <class Read>
void ReadItems(const QJsonObject& diagram, const QString& place, const QString& key, Read read)
{
    if (!diagram.contains(key)) return;
    const QJsonArray items = ArrayAt(diagram.value(key), Item(place, key));
    for (qsizetype i = 0; i < items.size(); ++i) read(items[i], At(Item(place, key), i));
}

void ReadBranch(const QJsonValue& v, const QString& at, FileDiagram& read)
{
    const QJsonObject branch = ObjectAt(v, at);
    const QString number = QStringLiteral("number"), element = QStringLiteral("element");
    OnlyKeys(branch, at, {number, QStringLiteral("from"), QStringLiteral("to"), element});
    Segment s = EndsAt(branch, at, SegmentKind::Branch);
    s.number = IntegerAt(Member(branch, at, number), Item(at, number), 1, kMostDrawnSegments);
    read.diagram.segments.push_back(s);
    if (!branch.contains(element)) return;
    if (read.ownEntries.contains(s.number)) Refuse(texts::kFileKeyTwice, Item(at, element));
    read.ownEntries[s.number] = ElementAt(branch.value(element), Item(at, element));
}

void ReadWire(const QJsonValue& v, const QString& at, FileDiagram& read)
{
    const QJsonArray ends = ArrayOf(v, at, 4);
    read.diagram.segments.push_back({SegmentKind::Wire, 0, PointIn(ends, at, 0), PointIn(ends, at, 2)});
}

}  // namespace

std::optional<FileDiagram> ReadDiagram(const QJsonObject& file)
{
    const QString place = QStringLiteral("diagram");
    if (!file.contains(place)) return std::nullopt;
    const QJsonObject diagram = ObjectAt(file.value(place), place);
    OnlyKeys(diagram, place, {QStringLiteral("source"), QStringLiteral("branches"), QStringLiteral("wires")});
    qsizetype segments = 0;
    for (const QJsonValue& part : diagram) segments += part.isArray() ? part.toArray().size() : 1;
    if (segments > kMostDrawnSegments) Refuse(texts::kFileTooManySegments, place);
    FileDiagram read;
    ReadSources(diagram, place, read);
    ReadItems(diagram, place, QStringLiteral("branches"),
              [&](const QJsonValue& v, const QString& at) { ReadBranch(v, at, read); });
    ReadItems(diagram, place, QStringLiteral("wires"),
              [&](const QJsonValue& v, const QString& at) { ReadWire(v, at, read); });
    return read;
}

bool FitsInCircuitFile(const Diagram& diagram)
{
    if (diagram.segments.size() > static_cast<size_t>(kMostDrawnSegments)) return false;
    for (const Segment& s : diagram.segments)
        for (GridPoint p : {s.from, s.to})
            if (std::abs(p.x) > kMostDrawnCoordinate || std::abs(p.y) > kMostDrawnCoordinate) return false;
    return true;
}
