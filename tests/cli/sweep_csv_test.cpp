// --sweep prints the numbers the graph page draws: each row's magnitude and
// phase are the drawn points of its frequency, in the graph's coordinates.

#include <QStringList>
#include <gtest/gtest.h>

#include "calc/complex.h"
#include "graph/axes.h"
#include "graph/branch_colour.h"
#include "graph/graph_reset.h"
#include "graph/sweep.h"
#include "program.h"
#include "tests/support/recording_surface.h"
#include "ui/circuit_file.h"
#include "ui/circuit_of_document.h"

namespace {

struct Point {
    float x, y;
    bool operator==(const Point&) const = default;
};

std::vector<Point> Drawn(const RecordingSurface& s)
{
    std::vector<Point> points;
    for (const DrawCall& c : s.Calls()) {
        if (c.kind == DrawCall::PSet) points.push_back({static_cast<float>(c.x1), static_cast<float>(c.y1)});
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
            const auto x = static_cast<float>(Lg10(cells[0].toDouble()));
            const double level = cells[1 + 2 * k].toDouble();
            if (level != 0) magnitude.push_back({x, static_cast<float>(Lg10(level))});
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
    };
    const Case cases[] = {
        {"sample.brivel", PlottedQuantity::InputImpedance, "impedance", 100, FrequencySpan::FourDecades},
        {"bridge.brivel", PlottedQuantity::BranchCurrent, "current", 10, FrequencySpan::TwoDecades},
        // The load voltage's phase falls through −180° above the cut-off.
        {"ladder_filter.brivel", PlottedQuantity::BranchVoltage, "voltage", 100, FrequencySpan::FourDecades},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = ExampleFile(c.file);
        const int decades = c.span == FrequencySpan::TwoDecades ? 2 : 4;
        const ProgramRun run = RunProgram({"--sweep", path, "--quantity", c.name, "--from", QString::number(c.from),
                                           "--decades", QString::number(decades)});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
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
        BranchChecks every;
        every.fill(true);
        const SweepResult drawn =
            c.quantity == PlottedQuantity::InputImpedance  ? SweepInputImpedance(circuit, g, mag, ph, true)
            : c.quantity == PlottedQuantity::BranchCurrent ? SweepBranchCurrents(circuit, g, mag, ph, every, true)
                                                           : SweepBranchVoltages(circuit, g, mag, ph, every, true);
        ASSERT_EQ(drawn.kind, SweepResult::Completed);
        EXPECT_EQ(printedMagnitude, Drawn(mag));
        EXPECT_EQ(printedPhase, Drawn(ph));
    }
    EXPECT_EQ(RunProgram({"--sweep", ExampleFile("sample.brivel")}).out.section('\n', 0, 0),
              "f[Hz],|Zi|[ohm],phase(Zi)[deg]");
}

}  // namespace
