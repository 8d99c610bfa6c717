// Reading a circuit file. Each part is checked where it is read; the first
// fault found ends the reading with its reason and place.

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "document/language.h"
#include "calc/calc_error.h"
#include "calc/number_text.h"
#include "document/circuit_file.h"
#include "document/circuit_file_parts.h"
#include "document/drawn_page.h"
#include "document/json_repeated_key.h"
#include "document/qstring_utf8.h"
#include "document/signed_sum_text.h"
#include "document/document_texts.h"

namespace file_read {

void Refuse(const char* reason, const QString& place) { throw CircuitFileError{Tr(reason), place}; }
void Refuse(const std::string& reason, const QString& place) { throw CircuitFileError{U8(reason), place}; }

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

QJsonArray ArrayAt(const QJsonValue& v, const QString& place)
{
    if (!v.isArray()) Refuse(texts::kFileMissingOrWrongType, place);
    return v.toArray();
}

QJsonArray ArrayOf(const QJsonValue& v, const QString& place, int length)
{
    const QJsonArray array = ArrayAt(v, place);
    if (array.size() != length) Refuse(texts::kFileMissingOrWrongType, place);
    return array;
}

int IntegerAt(const QJsonValue& v, const QString& place, int first, int last)
{
    const double d = v.toDouble();
    if (!v.isDouble() || d != std::floor(d)) Refuse(texts::kFileMissingOrWrongType, place);
    if (d < first || d > last) Refuse(texts::kFileCountOutOfRange, place);
    return static_cast<int>(d);
}

}  // namespace file_read

namespace {

using namespace file_read;

constexpr int kVersion = 1;

QString StringAt(const QJsonValue& v, const QString& place)
{
    if (!v.isString()) Refuse(texts::kFileMissingOrWrongType, place);
    return v.toString();
}

int IntegerIn(const QJsonObject& object, const QString& key, int first, int last)
{
    return IntegerAt(Member(object, {}, key), key, first, last);
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

// {"value": …, "unit": …}. E and f are taken as the fields take them, even
// when the value overflows with its unit: 計算実行 says so.
ValueEntry ValueAt(const QJsonValue& v, const QString& place, UnitList units, bool emptyAllowed)
{
    const QJsonObject object = ObjectAt(v, place);
    ValueEntry entry;
    entry.text =
        NumberText(Member(object, place, QStringLiteral("value")), Item(place, QStringLiteral("value")), emptyAllowed);
    entry.unit = UnitText(Member(object, place, QStringLiteral("unit")), Item(place, QStringLiteral("unit")), units);
    return entry;
}

// An element value times its unit must stay finite, as the element dialog
// requires.
ValueEntry ElementValueAt(const QJsonValue& v, const QString& place, UnitList units)
{
    const ValueEntry entry = ValueAt(v, place, units, true);
    try {
        EnteredBaseValue(entry, units);
    } catch (const CalcError&) {
        Refuse(texts::kFileOverflow, Item(place, QStringLiteral("value")));
    }
    return entry;
}

constexpr std::array<const char*, 3> kElementKeys = {"R", "L", "C"};

}  // namespace

std::optional<ElementEntry> file_read::ElementAt(const QJsonValue& v, const QString& place)
{
    if (v.isNull()) return std::nullopt;
    const QJsonObject object = ObjectAt(v, place);
    ElementEntry entry;
    for (int q = 0; q < 3; ++q) {
        const QString key = QString::fromLatin1(kElementKeys[q]);
        const QJsonValue value = Member(object, place, key);
        if (q == kCapacitanceEntry && value.isNull()) continue;
        entry.values[q] = ElementValueAt(value, Item(place, key), kElementUnits[q]);
    }
    return entry;
}

namespace {

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
                        if (std::max(j, k) > d.loops) return false;
                        if (j > k)
                            throw CircuitFileError{
                                Tr(texts::kFileLowerTriangle)
                                    .arg(QStringLiteral("Z%1%2").arg(j).arg(k), QStringLiteral("Z%1%2").arg(k).arg(j)),
                                place};
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

// The loops of a drawing that stands for the file's definitions: the file
// gives neither loops, matrix nor currents. Nothing otherwise.
std::optional<DiagramLoops> LoopsOfDrawing(const QJsonObject& file, const std::optional<FileDiagram>& drawn)
{
    for (const char* key : {"loops", "matrix", "currents"})
        if (file.contains(QLatin1String(key))) return std::nullopt;
    if (!drawn) return std::nullopt;
    auto outcome = DeriveLoops(drawn->diagram);
    if (const auto* refusal = std::get_if<DiagramRefusal>(&outcome))
        Refuse(RefusalText(*refusal), QStringLiteral("diagram"));
    return std::get<DiagramLoops>(std::move(outcome));
}

// The document with the counts its drawing gives, which "branches" must match.
CircuitDocument DrawnDocument(const QJsonObject& file, const DiagramLoops& loops)
{
    const int branches = loops.definitions.branches;
    const QString key = QStringLiteral("branches");
    if (file.contains(key) && IntegerIn(file, key, 2, Circuit::MaxBranches) != branches)
        Refuse(texts::kFileBranchesNotDrawn, key);
    return EmptyDocument(loops.definitions.loops, branches);
}

// A branch without an entry of its own has the page's entry of its number.
DrawnCircuit DrawingOf(const FileDiagram& drawn, const CircuitDocument& page)
{
    DrawnCircuit drawing = WithEntryPerNumber(DrawnCircuit{drawn.diagram, {}});
    for (int b = 1; b <= static_cast<int>(drawing.elements.size()); ++b) {
        const auto own = drawn.ownEntries.find(b);
        drawing.elements[b - 1] = own != drawn.ownEntries.end() ? own->second : DrawnEntry(page, {}, b);
    }
    return drawing;
}

CircuitDocument DocumentOf(const QJsonObject& file)
{
    CheckFormat(file);
    const std::optional<FileDiagram> drawn = ReadDiagram(file);
    const std::optional<DiagramLoops> derived = LoopsOfDrawing(file, drawn);
    CircuitDocument d = derived ? DrawnDocument(file, *derived)
                                : EmptyDocument(IntegerIn(file, QStringLiteral("loops"), 2, Circuit::MaxLoops),
                                                IntegerIn(file, QStringLiteral("branches"), 2, Circuit::MaxBranches));
    d.emf = ValueAt(Member(file, {}, QStringLiteral("emf")), QStringLiteral("emf"), units::kEmf, false);
    d.frequency =
        ValueAt(Member(file, {}, QStringLiteral("frequency")), QStringLiteral("frequency"), units::kFrequency, false);
    const QString elements = QStringLiteral("elements");
    const QJsonArray array = ArrayOf(Member(file, {}, elements), elements, d.branches);
    for (qsizetype i = 0; i < array.size(); ++i) d.elements[i] = ElementAt(array[i], At(elements, i));
    if (derived) {
        d = WithDrawnDefinitions(d, *derived);
    } else {
        ReadMatrix(file, d);
        ReadCurrents(file, d);
    }
    ReadDisplay(file, d);
    if (drawn) d.drawing = StoredDrawing(DrawingOf(*drawn, d));
    return d;
}

// Where the parser stopped, counted as an editor counts: lines and
// characters from 1.
QString LineAndColumn(const QByteArray& json, int offset)
{
    const QByteArray before = json.left(offset);
    const QString line = QString::fromUtf8(before.mid(before.lastIndexOf('\n') + 1));
    return Tr(texts::kFileLineColumn).arg(before.count('\n') + 1).arg(line.toUcs4().size() + 1);
}

}  // namespace

QString CircuitFileError::Message() const
{
    QString text = Tr(texts::kCannotReadFile) + reason;
    if (!place.isEmpty()) text += Tr(texts::kPlaceOpen) + place + Tr(texts::kPlaceClose);
    return text;
}

CircuitFileRead ParseCircuitFile(const QByteArray& json)
{
    QJsonParseError parseError;
    const QJsonDocument file = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {std::nullopt, {Tr(texts::kFileNotJson), LineAndColumn(json, parseError.offset)}, json};
    if (!file.isObject()) return {std::nullopt, {Tr(texts::kFileNotJson), {}}, json};
    if (const std::optional<QString> place = RepeatedKeyPlace(json))
        return {std::nullopt, {Tr(texts::kFileKeyTwice), *place}, json};
    try {
        return {DocumentOf(file.object()), {}, json};
    } catch (const CircuitFileError& error) {
        return {std::nullopt, error, json};
    }
}

CircuitFileRead ReadCircuitFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) return {std::nullopt, {Tr(texts::kFileNotRegular), {}}, {}};
    if (info.size() > kMostCircuitFileBytes) return {std::nullopt, {Tr(texts::kFileTooLarge), {}}, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, {Tr(texts::kFileNotOpened) + QStringLiteral(": ") + file.errorString(), {}}, {}};
    // The file may have grown since it was looked at.
    const QByteArray bytes = file.read(kMostCircuitFileBytes + 1);
    if (bytes.size() > kMostCircuitFileBytes) return {std::nullopt, {Tr(texts::kFileTooLarge), {}}, {}};
    return ParseCircuitFile(bytes);
}
