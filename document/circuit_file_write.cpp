// Writing a circuit file: the JSON text of the document, replaced whole.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <set>

#include "document/circuit_file.h"
#include "document/drawn_page.h"
#include "document/whole_file.h"
#include "document/qstring_utf8.h"
#include "document/signed_sum_text.h"
#include "document/document_texts.h"

namespace {

QString FileKey(UnitList units, const QString& text)
{
    const Unit* unit = UnitWithText(units, Std(text));
    return unit != nullptr ? QString::fromLatin1(unit->fileKey) : text;
}

QJsonObject ValueJson(const ValueEntry& value, UnitList units)
{
    return {{QStringLiteral("value"), value.text}, {QStringLiteral("unit"), FileKey(units, value.unit)}};
}

QJsonValue ElementJson(const std::optional<ElementEntry>& element)
{
    if (!element) return QJsonValue::Null;
    constexpr std::array<const char*, 3> keys = {"R", "L", "C"};
    QJsonObject object;
    for (int q = 0; q < 3; ++q)
        object.insert(QString::fromLatin1(keys[q]), ValueJson(element->values[q], kElementUnits[q]));
    // An empty capacitor field in the unit it starts with is "no capacitor".
    const ValueEntry& c = element->values[kCapacitanceEntry];
    if (c == ElementEntry{}.values[kCapacitanceEntry]) object.insert(QStringLiteral("C"), QJsonValue::Null);
    return object;
}

QJsonArray UnitsJson(const std::vector<QString>& texts, UnitList units)
{
    QJsonArray array;
    for (const QString& text : texts) array.append(FileKey(units, text));
    return array;
}

QJsonObject DisplayJson(const DisplayUnits& d)
{
    return {{QStringLiteral("inputImpedance"), FileKey(units::kImpedanceDisplay, d.inputImpedance)},
            {QStringLiteral("impedance"), UnitsJson(d.impedance, units::kImpedanceDisplay)},
            {QStringLiteral("current"), UnitsJson(d.current, units::kCurrentDisplay)},
            {QStringLiteral("voltage"), UnitsJson(d.voltage, units::kVoltageDisplay)}};
}

// A matrix element accepted with nothing marked is the element never
// defined: its expression is empty and it is left out.
QJsonObject MatrixJson(const CircuitDocument& d)
{
    QJsonObject object;
    for (int j = 1; j <= d.loops; ++j)
        for (int k = j; k <= d.loops; ++k)
            if (const auto& marks = d.matrix[MatrixPosition(j, k)]) {
                const QString expression = SumExpression(*marks, SumKind::MatrixElement);
                if (!expression.isEmpty()) object.insert(QStringLiteral("Z%1%2").arg(j).arg(k), expression);
            }
    return object;
}

QJsonObject CurrentsJson(const CircuitDocument& d)
{
    QJsonObject object;
    for (size_t i = 0; i < d.currents.size(); ++i)
        if (d.currents[i])
            object.insert(QStringLiteral("I%1").arg(i + 1, 2, 10, QChar('0')),
                          SumExpression(*d.currents[i], SumKind::BranchCurrent));
    return object;
}

QJsonArray PointJson(GridPoint p) { return {p.x, p.y}; }

QJsonObject EndsJson(const Segment& s) { return {{QStringLiteral("from"), PointJson(s.from)}, {QStringLiteral("to"), PointJson(s.to)}}; }

// A branch carries its entry where the page's entry of its number differs,
// the first branch of a number only.
QJsonObject DiagramJson(const DrawnCircuit& drawing, const CircuitDocument& page)
{
    QJsonArray sources, branches, wires;
    std::set<int> entered;
    for (const Segment& s : drawing.diagram.segments) {
        switch (s.kind) {
        case SegmentKind::Source:
            sources.append(EndsJson(s));
            break;
        case SegmentKind::Branch: {
            QJsonObject branch = EndsJson(s);
            branch.insert(QStringLiteral("number"), s.number);
            const size_t at = static_cast<size_t>(s.number) - 1;
            const auto own = at < drawing.elements.size() ? drawing.elements[at] : std::nullopt;
            if (own != DrawnEntry(page, {}, s.number) && entered.insert(s.number).second)
                branch.insert(QStringLiteral("element"), ElementJson(own));
            branches.append(branch);
            break;
        }
        case SegmentKind::Wire:
            wires.append(QJsonArray{s.from.x, s.from.y, s.to.x, s.to.y});
            break;
        }
    }
    QJsonObject diagram{{QStringLiteral("branches"), branches}, {QStringLiteral("wires"), wires}};
    if (sources.size() == 1)
        diagram.insert(QStringLiteral("source"), sources.first());
    else if (!sources.isEmpty())
        diagram.insert(QStringLiteral("source"), sources);
    return diagram;
}

}  // namespace

QByteArray CircuitFileText(const CircuitDocument& d)
{
    QJsonArray elements;
    for (const auto& element : d.elements) elements.append(ElementJson(element));
    QJsonObject file{{QStringLiteral("format"), QStringLiteral("brivel-circuit")},
                     {QStringLiteral("version"), 1},
                     {QStringLiteral("loops"), d.loops},
                     {QStringLiteral("branches"), d.branches},
                     {QStringLiteral("emf"), ValueJson(d.emf, units::kEmf)},
                     {QStringLiteral("frequency"), ValueJson(d.frequency, units::kFrequency)},
                     {QStringLiteral("elements"), elements},
                     {QStringLiteral("matrix"), MatrixJson(d)},
                     {QStringLiteral("currents"), CurrentsJson(d)}};
    if (d.display) file.insert(QStringLiteral("display"), DisplayJson(*d.display));
    if (d.drawing) file.insert(QStringLiteral("diagram"), DiagramJson(*d.drawing, d));
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

std::optional<QString> WriteCircuitFile(const QString& path, const CircuitDocument& document)
{
    return WriteWholeFile(path, CircuitFileText(document));
}
