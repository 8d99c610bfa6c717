// Circuit files: what is written reads back exactly, what is refused names
// its reason and place, and a failed save leaves the old file.

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "document/qstring_utf8.h"
#include "documents.h"
#include "tests/support/drawings.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/qstring_printer.h"
#include "document/circuit_file.h"
#include "document/signed_sum_text.h"

namespace {

using namespace documents;

// Every field set, in units other than the starting ones where there are
// some; value texts longer than a field takes from the keyboard, at the ends
// of the 64-bit range and in every number form the fields accept.
CircuitDocument EveryField()
{
    CircuitDocument d = EmptyDocument(5, 15);
    d.emf = {" -1.2345678901234567E+2 ", U8("ｍＶ")};
    d.frequency = {".000000000000000000000000000123", U8("ＭＨｚ")};
    d.elements[0] = Entry("1.7976931348623157E+308", "Ω", "4.9406564584124654E-324", "Ｈ", "1", "Ｆ");
    d.elements[1] = Entry("", "ＫΩ", "-0", "μＨ", "", "ＰＦ");
    d.elements[2] = Entry("123456789012345678901234567890", "ＭΩ", "1e-300", "ｍＨ", "2.2e+2", "μＦ");
    d.elements[14] = ElementEntry{};
    d.matrix[MatrixPosition(1, 1)] = MatrixMarks({{1, 1}, {15, 1}, {7, -1}});
    d.matrix[MatrixPosition(1, 5)] = MatrixMarks({{0, 1}});
    d.matrix[MatrixPosition(2, 3)] = MatrixMarks({{14, -1}});
    d.matrix[MatrixPosition(2, 4)] = MatrixMarks({{0, 1}, {2, -1}});
    d.matrix[MatrixPosition(5, 5)] = MatrixMarks({{10, 1}});
    d.currents[0] = CurrentMarks({{1, 1}, {5, -1}});
    d.currents[9] = CurrentMarks({});
    d.currents[14] = CurrentMarks({{3, -1}});
    DisplayUnits units;
    units.inputImpedance = U8("ＭΩ");
    for (int b = 0; b < 15; ++b) {
        units.impedance.push_back(U8(b % 2 ? "ＫΩ" : "Ω"));
        units.current.push_back(U8(b % 3 == 0 ? "μＡ" : b % 3 == 1 ? "ｍＡ" : "Ａ"));
        units.voltage.push_back(U8(b % 4 == 0 ? "μＶ" : b % 4 == 1 ? "ｍＶ" : b % 4 == 2 ? "Ｖ" : "ＫＶ"));
    }
    d.display = units;
    return d;
}

TEST(CircuitFile, EveryFieldReadsBackExactly)
{
    QTemporaryDir dir;
    // E and f that overflow with their units, as the fields take them.
    CircuitDocument overflowing = Sample();
    overflowing.emf = {"9E+307", U8("ＫＶ")};
    overflowing.frequency = {"1e308", U8("ＭＨｚ")};
    // A drawing being edited, its branches' own entries unlike the page's:
    // none where the page has one, another, the same, one beyond the page.
    CircuitDocument drawn = Sample();
    drawn.drawing = DrawnCircuit{drawing::Parse("E 0,4 0,0; E 12,4 12,0; 1 0,0 4,0; 2 4,0 4,4; 3 4,0 8,0; 4 8,0 12,0; W 0,4 12,4"),
                                 {std::nullopt, Entry("7", "ＫΩ", "", "μＨ", "3", "ＰＦ"), Sample().elements[2], ElementEntry{}}};
    for (const CircuitDocument& written : {EveryField(), EmptyDocument(2, 2), Sample(), overflowing, drawn}) {
        SCOPED_TRACE(CircuitFileText(written).toStdString());
        const QString path = Saved(dir.path(), "circuit.brivel", written);
        const CircuitFileRead read = ReadCircuitFile(path);
        ASSERT_TRUE(read.document) << read.error.Message().toStdString();
        EXPECT_EQ(*read.document, written);
        EXPECT_EQ(CircuitFileText(*read.document), CircuitFileText(written));
    }
}

TEST(CircuitFile, NumbersAndExpressionsInEveryAcceptedForm)
{
    const QByteArray file = R"({"format": "brivel-circuit", "version": 1, "loops": 2, "branches": 3,
        "emf": {"value": 0.1, "unit": "V"}, "frequency": {"value": 1e-7, "unit": "kHz"},
        "elements": [{"R": {"value": 12345678901234567890, "unit": "ohm"}, "L": {"value": "0", "unit": "H"},
                      "C": null}, null, null],
        "matrix": {"Z11": "Z2 + Z1", "Z12": "－Z2＋Z3", "Z22": "+Z3"},
        "currents": {"I01": "I1", "I02": "-I2+I1", "I03": ""}})";
    const CircuitFileRead read = ParseCircuitFile(file);
    ASSERT_TRUE(read.document) << read.error.Message().toStdString();
    const CircuitDocument& d = *read.document;
    EXPECT_EQ(d.emf.text, "0.1");
    EXPECT_EQ(d.frequency.text, "1e-07");
    EXPECT_EQ(d.elements[0]->values[0].text, "12345678901234567168");
    EXPECT_EQ(d.elements[0]->values[2], ElementEntry{}.values[2]);
    EXPECT_FALSE(d.elements[1]);
    EXPECT_EQ(d.matrix[MatrixPosition(1, 1)], MatrixMarks({{1, 1}, {2, 1}}));
    EXPECT_EQ(d.matrix[MatrixPosition(1, 2)], MatrixMarks({{2, -1}, {3, 1}}));
    EXPECT_EQ(d.matrix[MatrixPosition(2, 2)], MatrixMarks({{3, 1}}));
    EXPECT_EQ(d.currents[1], CurrentMarks({{1, 1}, {2, -1}}));
    EXPECT_EQ(d.currents[2], CurrentMarks({}));

    // The definitions a drawing stands for, where the file leaves them out.
    const QJsonObject withDrawing = QJsonDocument::fromJson(R"({"diagram": {"source": {"from": [0, 4], "to": [0, 0]},
        "branches": [{"number": 1, "from": [0, 0], "to": [4, 0]}, {"number": 2, "from": [4, 0], "to": [4, 4]},
                     {"number": 3, "from": [4, 0], "to": [8, 0]}], "wires": [[8, 0, 8, 4], [8, 4, 0, 4]]}})").object();
    QJsonObject onlyDrawn = QJsonDocument::fromJson(CircuitFileText(Sample())).object();
    for (const char* key : {"loops", "matrix", "currents"}) onlyDrawn.remove(key);
    onlyDrawn["diagram"] = withDrawing["diagram"];
    const CircuitFileRead derived = ParseCircuitFile(QJsonDocument(onlyDrawn).toJson());
    ASSERT_TRUE(derived.document) << derived.error.Message().toStdString();
    CircuitDocument sample = Sample();
    sample.drawing = DrawnCircuit{drawing::Parse("E 0,4 0,0; 1 0,0 4,0; 2 4,0 4,4; 3 4,0 8,0; W 8,0 8,4 0,4"),
                                  {sample.elements[0], sample.elements[1], sample.elements[2]}};
    EXPECT_EQ(*derived.document, sample);
}

TEST(CircuitFile, ExpressionsAndCaptionsOfMarks)
{
    struct Case {
        SignedSumMarks marks;
        SumKind kind;
        const char* expression;
        const char* caption;
    };
    const Case cases[] = {
        {MatrixMarks({{1, 1}, {2, 1}}), SumKind::MatrixElement, "Z1+Z2", "Z1＋Z2"},
        {MatrixMarks({{2, -1}}), SumKind::MatrixElement, "-Z2", "－Z2"},
        {MatrixMarks({{15, 1}, {3, -1}}), SumKind::MatrixElement, "-Z3+Z15", "－Z3＋Z15"},
        {MatrixMarks({{0, 1}}), SumKind::MatrixElement, "0", "0"},
        {MatrixMarks({{0, 1}, {2, -1}, {3, 1}}), SumKind::MatrixElement, "0-Z2+Z3", "0－Z2＋Z3"},
        {MatrixMarks({}), SumKind::MatrixElement, "", ""},
        {CurrentMarks({{1, 1}, {2, -1}}), SumKind::BranchCurrent, "I1-I2", "I1－I2="},
        {CurrentMarks({}), SumKind::BranchCurrent, "", "="},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SumExpression(c.marks, c.kind), U8(c.expression));
        EXPECT_EQ(SumCaption(c.marks, c.kind), U8(c.caption));
    }
}

// The sample file with one part replaced.
QByteArray SampleWith(const std::function<void(QJsonObject&)>& change)
{
    QJsonObject file = QJsonDocument::fromJson(CircuitFileText(Sample())).object();
    change(file);
    return QJsonDocument(file).toJson();
}

// The sample file's text with each from replaced by to.
QByteArray SampleText(const char* from, const char* to) { return CircuitFileText(Sample()).replace(from, to); }

// Sets the member at a path of object keys and array positions.
std::function<void(QJsonObject&)> Set(const QStringList& path, const QJsonValue& value)
{
    return [=](QJsonObject& file) {
        std::function<QJsonValue(const QJsonValue&, int)> replaced = [&](const QJsonValue& at, int i) -> QJsonValue {
            if (i == path.size()) return value;
            bool isIndex = false;
            const int index = path[i].toInt(&isIndex);
            if (isIndex) {
                QJsonArray array = at.toArray();
                array[index] = replaced(array[index], i + 1);
                return array;
            }
            QJsonObject object = at.toObject();
            object[path[i]] = replaced(object[path[i]], i + 1);
            return object;
        };
        file = replaced(file, 0).toObject();
    };
}

TEST(CircuitFile, RefusalsNameTheReasonAndThePlace)
{
    struct Case {
        QByteArray file;
        const char* reason;
        const char* place;
    };
    const QJsonObject bigMegaOhm{{"value", "1E303"}, {"unit", "Mohm"}};
    const QJsonObject diagram = QJsonDocument::fromJson(R"({"source": {"from": [0, 4], "to": [0, 0]},
        "branches": [{"number": 1, "from": [0, 0], "to": [4, 0]}, {"number": 2, "from": [4, 0], "to": [4, 4]},
                     {"number": 3, "from": [4, 0], "to": [8, 0]}], "wires": [[8, 0, 8, 4], [8, 4, 0, 4]]})").object();
    // The sample with its drawing, changed; without its definitions where
    // derived.
    const auto drawn = [&](const std::function<void(QJsonObject&)>& change, bool derived = false) {
        return SampleWith([&](QJsonObject& f) {
            f["diagram"] = diagram;
            if (derived) f.remove("loops"), f.remove("matrix"), f.remove("currents");
            change(f);
        });
    };
    QJsonArray manyWires;
    for (int i = 0; i <= kMostDrawnSegments; ++i) manyWires.append(QJsonArray{i % 100, 20, i % 100, 21});
    const Case cases[] = {
        {"{\"format\": ", "JSON の文書ではありません", "1 行 12 列"},
        {"[1, 2]", "JSON の文書ではありません", ""},
        {"{\"comment\": \"日本\",\n  x}", "JSON の文書ではありません", "2 行 4 列"},
        {SampleText("\"loops\": 2", "\"comment\": \"\\\\\\\"}{[\", \"loops\": 2, \"lo\\u006fps\": 2"),
         "同じ項目が二度あります", "loops"},
        {SampleText("\"C\": null", "\"C\": null, \"C\": null"), "同じ項目が二度あります", "elements[0].C"},
        {SampleWith(Set({"format"}, "other")), "Brivel の回路ファイルではありません", "format"},
        {SampleWith(Set({"version"}, 2)), "このプログラムより新しい版のファイルです", "version"},
        {SampleWith(Set({"version"}, "1")), "項目がないか、形式が違います", "version"},
        {SampleWith(Set({"loops"}, 6)), "数が範囲外です", "loops"},
        {SampleWith(Set({"loops"}, 1e300)), "数が範囲外です", "loops"},
        {SampleWith(Set({"branches"}, 1)), "数が範囲外です", "branches"},
        {SampleWith(Set({"branches"}, 2.5)), "項目がないか、形式が違います", "branches"},
        {SampleWith(Set({"branches"}, 4)), "項目がないか、形式が違います", "elements"},
        {SampleWith([](QJsonObject& f) { f.remove("emf"); }), "項目がないか、形式が違います", "emf"},
        {SampleWith(Set({"emf", "value"}, "1,5")), "数値ではありません", "emf.value"},
        {SampleWith(Set({"frequency", "value"}, "")), "数値ではありません", "frequency.value"},
        {SampleWith(Set({"frequency", "unit"}, "GHz")), "知らない単位です", "frequency.unit"},
        {SampleWith(Set({"elements", "2", "L", "unit"}, "mF")), "知らない単位です", "elements[2].L.unit"},
        {SampleWith(Set({"elements", "1", "R", "value"}, "1E999")), "数値ではありません", "elements[1].R.value"},
        {SampleWith(Set({"elements", "0", "R"}, bigMegaOhm)), "単位を掛けると桁あふれします", "elements[0].R.value"},
        {SampleWith(Set({"elements", "0", "L"}, QJsonValue::Null)), "項目がないか、形式が違います", "elements[0].L"},
        {SampleWith(Set({"matrix", "Z12"}, "Z1+Z4")), "回路にない枝路またはループです", "matrix.Z12"},
        {SampleWith(Set({"matrix", "Z11"}, "Z1-Z1")), "同じ項が二度あります", "matrix.Z11"},
        {SampleWith(Set({"matrix", "Z11"}, "Z1Z2")), "式の形が違います", "matrix.Z11"},
        {SampleWith(Set({"matrix", "Z22"}, "")), "式の形が違います", "matrix.Z22"},
        {SampleWith(Set({"matrix", "Z33"}, "Z1")), "回路にない枝路またはループです", "matrix.Z33"},
        {SampleWith(Set({"matrix", "Z21"}, "Z1")), "Z21 は Z12 として書いて下さい", "matrix.Z21"},
        {SampleWith(Set({"matrix", "Y11"}, "Z1")), "知らない項目です", "matrix.Y11"},
        {SampleWith(Set({"currents", "I02"}, "I3")), "回路にない枝路またはループです", "currents.I02"},
        {SampleWith(Set({"currents", "I04"}, "I1")), "回路にない枝路またはループです", "currents.I04"},
        {SampleWith(Set({"currents", "I01"}, "0")), "式の形が違います", "currents.I01"},
        {SampleWith(Set({"display"}, QJsonObject{{"inputImpedance", "ohm"},
                                                 {"impedance", QJsonArray{"ohm", "ohm", "ohm"}},
                                                 {"current", QJsonArray{"mA", "kA", "A"}},
                                                 {"voltage", QJsonArray{"V", "V", "V"}}})),
         "知らない単位です", "display.current[1]"},
        {drawn(Set({"diagram", "wires", "0", "1"}, 2.5)), "整数ではありません", "diagram.wires[0][1]"},
        {drawn(Set({"diagram", "source", "from", "0"}, -201)), "数が範囲外です", "diagram.source.from[0]"},
        {drawn(Set({"diagram", "branches", "1", "number"}, 0)), "数が範囲外です", "diagram.branches[1].number"},
        {drawn(Set({"diagram", "wires", "1"}, QJsonArray{8, 4, 0})), "項目がないか、形式が違います", "diagram.wires[1]"},
        {drawn(Set({"diagram", "branches", "2", "kind"}, "R")), "知らない項目です", "diagram.branches[2].kind"},
        {drawn(Set({"diagram", "wires"}, manyWires)), "回路図の線が多すぎます（1000 本まで）", "diagram"},
        {drawn(Set({"diagram", "branches", "1", "to"}, QJsonArray{4, 6}), true),
         "線が交差するか重なっています　位置：(4,4)", "diagram"},
        {drawn(Set({"branches"}, 4), true), "回路図の枝路数と一致しません", "branches"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        const CircuitFileRead read = ParseCircuitFile(c.file);
        EXPECT_FALSE(read.document);
        EXPECT_EQ(read.error.reason, U8(c.reason));
        EXPECT_EQ(read.error.place, U8(c.place));
    }
    EXPECT_EQ((CircuitFileError{"数が範囲外です", "loops"}.Message()),
              U8("ファイルを読み込めません：数が範囲外です（loops）"));
}

QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(CircuitFile, AFailedSaveLeavesTheFileAsItWas)
{
    QTemporaryDir dir;
    const QString path = Saved(dir.path(), "kept.brivel", Sample());
    const QByteArray before = Contents(path);
    {
        // Room for a few hundred bytes: the sample's size, not the big one's.
        const FileSizeLimit full(before.size() + 16);
        const auto error = WriteCircuitFile(path, EveryField());
        ASSERT_TRUE(error);
        EXPECT_TRUE(error->startsWith(U8("ファイルを保存出来ません："))) << error->toStdString();
    }
    EXPECT_EQ(Contents(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.brivel"});

    const QString underAFile = path + "/inside.brivel";
    const auto error = WriteCircuitFile(underAFile, Sample());
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->startsWith(U8("ファイルを保存出来ません：")));
    EXPECT_EQ(Contents(path), before);

    const CircuitFileRead missing = ReadCircuitFile(dir.filePath("missing.brivel"));
    EXPECT_FALSE(missing.document);
    EXPECT_TRUE(missing.error.reason.startsWith(U8("ファイルを開けません")));

    // Neither a FIFO nor a device blocks or fills the memory.
    ASSERT_EQ(mkfifo(qPrintable(dir.filePath("fifo.brivel")), 0600), 0);
    for (const QString& odd : {dir.filePath("fifo.brivel"), QStringLiteral("/dev/zero")})
        EXPECT_EQ(ReadCircuitFile(odd).error.reason, U8("通常のファイルではありません"));
    QFile large(dir.filePath("large.brivel"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.resize(kMostCircuitFileBytes + 1));
    EXPECT_EQ(ReadCircuitFile(large.fileName()).error.reason, U8("回路ファイルにしては大きすぎます（1 MB まで）"));
}

}  // namespace
