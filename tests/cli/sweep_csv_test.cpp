// --sweep prints the numbers the graph page draws: each row's magnitude and
// phase are the drawn points of its frequency, in the graph's coordinates.

#include <QStringList>
#include <gtest/gtest.h>

#include "calc/loop_analysis.h"
#include "graph/axes.h"
#include "graph/branch_colour.h"
#include "sweep/curve_searches.h"
#include "sweep/graph_reset.h"
#include "graph/sweep.h"
#include "program.h"
#include "tests/support/recording_surface.h"
#include "document/circuit_file.h"
#include "document/circuit_of_document.h"
#include "document/qstring_utf8.h"
#include "document/sweep_csv.h"

namespace {

struct Point {
    float x, y;
    bool operator==(const Point&) const = default;
};

std::vector<Point> Drawn(const RecordingSurface& s)
{
    std::vector<Point> points;
    for (const DrawCall& c : s.Calls()) {
        if (c.kind == DrawCall::SetPixel) points.push_back({static_cast<float>(c.x1), static_cast<float>(c.y1)});
        if (c.kind == DrawCall::LineTo) points.push_back({static_cast<float>(c.x2), static_cast<float>(c.y2)});
    }
    return points;
}

// The points the rows stand for, curve after curve: a zero magnitude has no
// magnitude point, an empty cell no point at all.
void PrintedPoints(const QString& csv, std::vector<Point>& magnitude, std::vector<Point>& phase)
{
    QStringList rows = csv.split('\n', Qt::SkipEmptyParts);
    rows.removeFirst();
    const qsizetype curves = (rows[0].split(',').size() - 1) / 2;
    for (qsizetype k = 0; k < curves; ++k) {
        for (const QString& row : rows) {
            const QStringList cells = row.split(',');
            if (cells[1 + 2 * k].isEmpty()) continue;
            const auto x = static_cast<float>(CommonLogarithm(cells[0].toDouble()));
            const double level = cells[1 + 2 * k].toDouble();
            if (level != 0) magnitude.push_back({x, static_cast<float>(CommonLogarithm(level))});
            phase.push_back({x, cells[2 + 2 * k].toFloat()});
        }
    }
}

TEST(SweepCsv, RowsAreThePointsTheGraphPageDraws)
{
    struct Case {
        const char* file;
        PlottedQuantity quantity;
        const char* name;
        double from;
        FrequencySpan span;
        const char* find;  // --find on the curve of `branch`, 0 for the default
        CurveSearch search;
        int branch;
    };
    const Case cases[] = {
        {"sample.brivel", PlottedQuantity::InputImpedance, "impedance", 100, FrequencySpan::FourDecades, "phase0",
         CurveSearch::PhaseZero, 0},
        {"bridge.brivel", PlottedQuantity::BranchCurrent, "current", 10, FrequencySpan::TwoDecades, "max",
         CurveSearch::Maximum, 0},
        // The load voltage's phase falls through −180° above the cut-off.
        {"ladder_filter.brivel", PlottedQuantity::BranchVoltage, "voltage", 100, FrequencySpan::FourDecades, "-3db",
         CurveSearch::HalfPower, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = ExampleFile(c.file);
        const int decades = c.span == FrequencySpan::TwoDecades ? 2 : 4;
        const QStringList range = {
            "--quantity", c.name, "--from", QString::number(c.from), "--decades", QString::number(decades)};
        const ProgramRun run = RunProgram(QStringList{"--sweep", path} + range);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        // 501 rows up to the right edge, which a 2-decade span reaches exactly.
        const QStringList rows = run.out.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(rows.size(), 502);
        EXPECT_TRUE(decades == 4 || rows.back().section(',', 0, 0).toDouble() == c.from * 100);
        std::vector<Point> printedMagnitude, printedPhase;
        PrintedPoints(run.out, printedMagnitude, printedPhase);

        GraphState g;
        ResetGraphState(g);
        FillBranchColours(g);
        g.sweepStart = c.from;
        RecordingSurface mag, ph, frq, scl0, scl1;
        GraphBoxes boxes{mag, ph, frq, scl0, scl1};
        DrawFrequencyAxis(g, boxes, c.span);
        DrawLevelAxis(g, boxes, LevelSpan::SixDecades);
        mag.ClearCalls();
        ph.ClearCalls();
        Circuit circuit = CircuitOf(*ReadCircuitFile(path).document);
        g.quantity = c.quantity;
        SweepResult outcome;
        const PlottedSweep plotted = PlotSweep(&circuit, g, EveryBranch(), true, outcome);
        ASSERT_EQ(DrawSweep(plotted, outcome, g, mag, ph).kind, SweepResult::Completed);
        EXPECT_EQ(printedMagnitude, Drawn(mag));
        EXPECT_EQ(printedPhase, Drawn(ph));

        // --step: after the frequencies, per value the columns of the plain
        // sweep of the circuit with that value, named after the value.
        const ProgramRun stepped = RunProgram(QStringList{"--sweep", path, "--step", "Z2.R=4k7 0"} + range);
        ASSERT_EQ(stepped.exitCode, 0) << stepped.err.toStdString();
        QStringList columns;
        for (const auto& [typed, name] : {std::pair{"4700", "Z2.R=4.7k "}, std::pair{"0", "Z2.R=0 "}}) {
            CircuitDocument document = *ReadCircuitFile(path).document;
            document.elements[1]->values[kResistanceEntry] = {typed, U8(texts::kOhm)};
            const QStringList plain =
                SweepCsvOf(document, c.quantity, {c.from, decades}).text.split('\n', Qt::SkipEmptyParts);
            QStringList header = plain[0].split(',').mid(1);
            for (QString& column : header) column.prepend(name);
            if (columns.isEmpty())
                for (const QString& line : plain) columns << line.section(',', 0, 0);
            columns[0] += ',' + header.join(',');
            for (qsizetype k = 1; k < plain.size(); ++k) columns[k] += ',' + plain[k].section(',', 1);
        }
        EXPECT_EQ(stepped.out.split('\n', Qt::SkipEmptyParts), columns);

        // --find prints, to the last bit, what the graph's search finds on
        // that curve (branch 1 unless told).
        const QStringList branch = c.branch ? QStringList{"--branch", QString::number(c.branch)} : QStringList{};
        const QStringList found = RunProgram(QStringList{"--find", c.find, path} + range + branch).out.split('\n');
        const PlottedCurve curve{c.quantity, c.quantity == PlottedQuantity::InputImpedance ? 0 : std::max(c.branch, 1)};
        const std::vector<CurvePoint> expected = SearchCurve(circuit, plotted, curve, c.search, std::nullopt).points;
        ASSERT_FALSE(expected.empty());
        ASSERT_EQ(found.size(), static_cast<qsizetype>(expected.size() + 1));
        for (size_t k = 0; k < expected.size(); ++k) {
            const QStringList cells = found[static_cast<qsizetype>(k)].split('\t');
            ASSERT_EQ(cells.size(), 3);
            EXPECT_EQ(cells[0].toDouble(), expected[k].frequency);
            EXPECT_EQ(cells[1].toDouble(), expected[k].magnitude);
            EXPECT_EQ(cells[2].toDouble(), expected[k].phase);
        }
    }
    EXPECT_EQ(RunProgram({"--sweep", ExampleFile("sample.brivel")}).out.section('\n', 0, 0),
              "f[Hz],|Zi|[ohm],phase(Zi)[deg]");
}

}  // namespace
