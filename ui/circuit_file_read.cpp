// Reading a circuit file. Each part is checked where it is read; the first
// fault found ends the reading with its reason and place.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>

#include "calc/calc_error.h"
#include "calc/number_text.h"
#include "circuit_file.h"
#include "platform/qstring_utf8.h"
#include "signed_sum_text.h"
#include "texts.h"

namespace {

constexpr int kVersion = 1;

[[noreturn]] void Refuse(const char* reason, const QString& place) { throw CircuitFileError{U8(reason), place}; }

QString Item(const QString& place, const QString& key) { return place.isEmpty() ? key : place + '.' + key; }
QString At(const QString& place, qsizetype i) { return place + '[' + QString::number(i) + ']'; }

QJsonValue Member(const QJsonObject& object, const QString& place, const QString& key)
{
    if (!object.contains(key)) Refuse(texts::kFileMissingOrWrongType, Item(place, key));
    return object.value(key);
}

QJsonObject ObjectAt(const QJsonValue& v, const QString& place)
{
    if (!v.isObject()) Refuse(texts::kFileMissingOrWrongType, place);
    return v.toObject();
}

QJsonArray ArrayOf(const QJsonValue& v, const QString& place, int length)
{
    if (!v.isArray() || v.toArray().size() != length) Refuse(texts::kFileMissingOrWrongType, place);
    return v.toArray();
}

QString StringAt(const QJsonValue& v, const QString& place)
{
    if (!v.isString()) Refuse(texts::kFileMissingOrWrongType, place);
    return v.toString();
}

int IntegerIn(const QJsonObject& object, const QString& key, int first, int last)
{
    const QJsonValue v = Member(object, {}, key);
    const double d = v.toDouble();
    if (!v.isDouble() || d != std::floor(d)) Refuse(texts::kFileMissingOrWrongType, key);
    if (d < first || d > last) Refuse(texts::kFileCountOutOfRange, key);
    return static_cast<int>(d);
}

// A JSON number stands for the shortest text that reads back to it.
QString NumberText(const QJsonValue& v, const QString& place, bool emptyAllowed)
{
    if (v.isDouble()) return U8(ShortestText(v.toDouble()));
    const QString text = StringAt(v, place);
    if (!(emptyAllowed && text.isEmpty()) && !IsNumeric(Std(text))) Refuse(texts::kFileNotNumber, place);
    return text;
}

QString UnitText(const QJsonValue& v, const QString& place, UnitList units)
{
    const Unit* unit = UnitWithFileKey(units, Std(StringAt(v, place)));
    if (unit == nullptr) Refuse(texts::kFileUnknownUnit, place);
    return U8(unit->text);
}

// {"value": …, "unit": …}; the value times the unit must stay finite.
ValueEntry ValueAt(const QJsonValue& v, const QString& place, UnitList units, bool emptyAllowed)
{
    const QJsonObject object = ObjectAt(v, place);
    const QString valuePlace = Item(place, QStringLiteral("value"));
    ValueEntry entry;
    entry.text = NumberText(Member(object, place, QStringLiteral("value")), valuePlace, emptyAllowed);
    entry.unit = UnitText(Member(object, place, QStringLiteral("unit")), Item(place, QStringLiteral("unit")), units);
    try {
        EnteredBaseValue(entry, units);
    } catch (const CalcError&) {
        Refuse(texts::kFileOverflow, valuePlace);
    }
    return entry;
}

constexpr std::array<const char*, 3> kElementKeys = {"R", "L", "C"};

std::optional<ElementEntry> ElementAt(const QJsonValue& v, const QString& place)
{
    if (v.isNull()) return std::nullopt;
    const QJsonObject object = ObjectAt(v, place);
    ElementEntry entry;
    for (int q = 0; q < 3; ++q) {
        const QString key = QString::fromLatin1(kElementKeys[q]);
        const QJsonValue value = Member(object, place, key);
        if (q == kCapacitanceEntry && value.isNull()) continue;
        entry.values[q] = ValueAt(value, Item(place, key), kElementUnits[q], true);
    }
    return entry;
}

SignedSumMarks SumAt(const QJsonValue& v, const QString& place, SumKind kind, int terms)
{
    const ParsedSum parsed = ParseSumExpression(StringAt(v, place), kind, terms);
    if (!parsed.refusal) return parsed.marks;
    switch (*parsed.refusal) {
    case SumRefusal::TermOutOfRange:
        Refuse(texts::kFileTermOutOfRange, place);
    case SumRefusal::TermTwice:
        Refuse(texts::kFileTermTwice, place);
    case SumRefusal::Malformed:
        break;
    }
    Refuse(texts::kFileBadExpression, place);
}

// The definitions of an optional object whose keys match pattern; the
// pattern's two captures are numbers that must lie within the circuit.
template <class Store>
void ReadDefinitions(const QJsonObject& file, const QString& key, const QString& pattern, Store store)
{
    if (!file.contains(key)) return;
    const QJsonObject definitions = ObjectAt(file.value(key), key);
    const QRegularExpression name(QRegularExpression::anchoredPattern(pattern));
    for (auto it = definitions.begin(); it != definitions.end(); ++it) {
        const QString place = Item(key, it.key());
        const QRegularExpressionMatch match = name.match(it.key());
        if (!match.hasMatch()) Refuse(texts::kFileUnknownKey, place);
        if (!store(match.captured(1).toInt(), match.captured(2).toInt(), it.value(), place))
            Refuse(texts::kFileTermOutOfRange, place);
    }
}

void ReadMatrix(const QJsonObject& file, CircuitDocument& d)
{
    ReadDefinitions(file, QStringLiteral("matrix"), QStringLiteral("Z([1-5])([1-5])"),
                    [&](int j, int k, const QJsonValue& v, const QString& place) {
                        if (j > k || k > d.loops) return false;
                        d.matrix[MatrixPosition(j, k)] = SumAt(v, place, SumKind::MatrixElement, d.branches);
                        return true;
                    });
}

void ReadCurrents(const QJsonObject& file, CircuitDocument& d)
{
    ReadDefinitions(file, QStringLiteral("currents"), QStringLiteral("I([01])([0-9])"),
                    [&](int tens, int ones, const QJsonValue& v, const QString& place) {
                        const int b = 10 * tens + ones;
                        if (b < 1 || b > d.branches) return false;
                        d.currents[b - 1] = SumAt(v, place, SumKind::BranchCurrent, d.loops);
                        return true;
                    });
}

std::vector<QString> UnitsAt(const QJsonObject& display, const QString& key, int branches, UnitList units)
{
    const QString place = Item(QStringLiteral("display"), key);
    const QJsonArray array = ArrayOf(Member(display, QStringLiteral("display"), key), place, branches);
    std::vector<QString> texts;
    for (qsizetype i = 0; i < array.size(); ++i) texts.push_back(UnitText(array[i], At(place, i), units));
    return texts;
}

void ReadDisplay(const QJsonObject& file, CircuitDocument& d)
{
    if (!file.contains(QStringLiteral("display"))) return;
    const QString place = QStringLiteral("display");
    const QJsonObject display = ObjectAt(file.value(place), place);
    DisplayUnits units;
    const QString input = QStringLiteral("inputImpedance");
    units.inputImpedance = UnitText(Member(display, place, input), Item(place, input), units::kImpedanceDisplay);
    units.impedance = UnitsAt(display, QStringLiteral("impedance"), d.branches, units::kImpedanceDisplay);
    units.current = UnitsAt(display, QStringLiteral("current"), d.branches, units::kCurrentDisplay);
    units.voltage = UnitsAt(display, QStringLiteral("voltage"), d.branches, units::kVoltageDisplay);
    d.display = units;
}

void CheckFormat(const QJsonObject& file)
{
    if (Member(file, {}, QStringLiteral("format")).toString() != QStringLiteral("brivel-circuit"))
        Refuse(texts::kFileNotCircuit, QStringLiteral("format"));
    const QJsonValue version = Member(file, {}, QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() < 1)
        Refuse(texts::kFileMissingOrWrongType, QStringLiteral("version"));
    if (version.toDouble() > kVersion) Refuse(texts::kFileNewerVersion, QStringLiteral("version"));
}

CircuitDocument DocumentOf(const QJsonObject& file)
{
    CheckFormat(file);
    CircuitDocument d = EmptyDocument(IntegerIn(file, QStringLiteral("loops"), 2, Circuit::MaxLoops),
                                      IntegerIn(file, QStringLiteral("branches"), 2, Circuit::MaxBranches));
    d.emf = ValueAt(Member(file, {}, QStringLiteral("emf")), QStringLiteral("emf"), units::kEmf, false);
    d.frequency =
        ValueAt(Member(file, {}, QStringLiteral("frequency")), QStringLiteral("frequency"), units::kFrequency, false);
    const QString elements = QStringLiteral("elements");
    const QJsonArray array = ArrayOf(Member(file, {}, elements), elements, d.branches);
    for (qsizetype i = 0; i < array.size(); ++i) d.elements[i] = ElementAt(array[i], At(elements, i));
    ReadMatrix(file, d);
    ReadCurrents(file, d);
    ReadDisplay(file, d);
    return d;
}

}  // namespace

QString CircuitFileError::Message() const
{
    QString text = U8(texts::kCannotReadFile) + reason;
    if (!place.isEmpty()) text += U8(texts::kPlaceOpen) + place + U8(texts::kPlaceClose);
    return text;
}

CircuitFileRead ParseCircuitFile(const QByteArray& json)
{
    QJsonParseError parseError;
    const QJsonDocument file = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !file.isObject())
        return {std::nullopt, {U8(texts::kFileNotJson), {}}};
    try {
        return {DocumentOf(file.object()), {}};
    } catch (const CircuitFileError& error) {
        return {std::nullopt, error};
    }
}

CircuitFileRead ReadCircuitFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, {U8(texts::kFileNotOpened) + QStringLiteral(": ") + file.errorString(), {}}};
    return ParseCircuitFile(file.readAll());
}
