// Each example circuit, calculated by the program through --results --full,
// against ngspice's analysis of the same network. The files hold the meshes,
// not the nodes: each example's branches are given here by their nodes, in
// the direction of the branch currents the file defines.

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <complex>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <utility>

#include "calc/loop_analysis.h"
#include "calc/matrix_from_currents.h"
#include "ngspice_runner.h"
#include "program.h"
#include "document/circuit_file.h"
#include "document/circuit_of_document.h"
#include "sweep/graph_state.h"

namespace {

using Cx = std::complex<double>;

struct Example {
    const char* file;
    int nodes;
    std::vector<std::pair<int, int>> branches;  // from, to
};

const Example kExamples[] = {
    {"sample.brivel", 2, {{0, 1}, {1, 0}, {1, 0}}},
    {"bridge.brivel", 4, {{0, 1}, {1, 2}, {1, 3}, {2, 3}, {2, 0}, {3, 0}}},
    {"ladder_filter.brivel", 4, {{0, 1}, {1, 2}, {2, 0}, {2, 3}, {3, 0}, {3, 0}}},
    {"artificial_line.brivel",
     11,
     {{0, 1},
      {1, 7},
      {7, 2},
      {2, 8},
      {8, 3},
      {3, 9},
      {9, 4},
      {4, 10},
      {10, 5},
      {5, 6},
      {2, 0},
      {3, 0},
      {4, 0},
      {5, 0},
      {6, 0}}},
};

// "name" → (magnitude or real part, phase or imaginary part).
std::map<QString, std::pair<double, double>> Lines(const QString& out)
{
    std::map<QString, std::pair<double, double>> lines;
    for (const QString& line : out.split('\n', Qt::SkipEmptyParts)) {
        const QStringList cells = line.split('\t');
        if (cells.size() == 4) lines[cells[0]] = {cells[1].toDouble(), cells[2].toDouble()};
    }
    return lines;
}

double Degrees(const Cx& z) { return std::arg(z) * 180 / std::numbers::pi; }

// --full phases are the analysis' own, not the 4 decimals shown.
void ExpectPhase(double shown, double exact) { EXPECT_NEAR(std::remainder(shown - exact, 360.0), 0, 1e-7); }

void ExpectAgreement(const Example& example)
{
    const CircuitFileRead read = ReadCircuitFile(ExampleFile(example.file));
    ASSERT_TRUE(read.document) << read.error.Message().toStdString();
    const Circuit c = CircuitOf(*read.document);
    Network net;
    net.nodes = example.nodes;
    const int branches = BranchCount(c);
    for (int b = 1; b <= branches; ++b) {
        const auto [from, to] = example.branches[b - 1];
        const BranchElements e = ElementsOfBranch(c, b);
        net.branches.push_back({from, to, e.r, e.l, e.c});
    }
    const double emf = SourceVoltage(c);
    const std::vector<NgspiceSolution> oracle = RunNgspice(net, emf, {Frequency(c)});
    ASSERT_EQ(oracle.size(), 1u);

    const ProgramRun run = RunProgram({"--results", ExampleFile(example.file), "--full"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3 * static_cast<size_t>(branches) + 1);
    for (int b = 1; b <= branches; ++b) {
        SCOPED_TRACE("branch " + std::to_string(b));
        const QString n = QStringLiteral("%1").arg(b, 2, 10, QChar('0'));
        const Cx i = oracle[0].current[b - 1], v = oracle[0].voltage[b - 1];
        EXPECT_NEAR(lines.at("I" + n).first, std::abs(i), 1e-9 * std::abs(oracle[0].current[0]));
        EXPECT_NEAR(lines.at("V" + n).first, std::abs(v), 1e-9 * emf);
        ExpectPhase(lines.at("I" + n).second, Degrees(i));
        ExpectPhase(lines.at("V" + n).second, Degrees(v));
        if (std::abs(i) > 1e-12) {
            const Cx z = v / i;
            EXPECT_NEAR(lines.at(QStringLiteral("Z%1").arg(b)).first, z.real(), 1e-9 * std::abs(z));
            EXPECT_NEAR(lines.at(QStringLiteral("Z%1").arg(b)).second, z.imag(), 1e-9 * std::abs(z));
        }
    }
    const Cx zi = emf / oracle[0].current[0];
    EXPECT_NEAR(lines.at("Zi").first, std::abs(zi), 1e-9 * std::abs(zi));
    ExpectPhase(lines.at("Zi").second, Degrees(zi));
}

// Every matrix definition of the file, the explicit zeros included, is the
// one its branch currents imply.
TEST(Examples, MatrixIsTheOneTheirBranchCurrentsImply)
{
    for (const Example& example : kExamples) {
        SCOPED_TRACE(example.file);
        const CircuitFileRead read = ReadCircuitFile(ExampleFile(example.file));
        ASSERT_TRUE(read.document) << read.error.Message().toStdString();
        const CircuitDocument& d = *read.document;
        const MatrixDerivation derivation = DeriveMatrix(DefinitionsOf(d));
        ASSERT_TRUE(derivation.matrix);
        for (int j = 1; j <= d.loops; ++j)
            for (int k = j; k <= d.loops; ++k) {
                const int position = MatrixPosition(j, k);
                EXPECT_EQ(d.matrix[position], (*derivation.matrix)[position]) << "Z" << j << k;
            }
    }
}

QJsonObject JsonOf(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

QString Written(const QTemporaryDir& dir, const char* name, const QJsonObject& json)
{
    QFile file(dir.filePath(QString::fromLatin1(name)));
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(json).toJson());
    return file.fileName();
}

// Every example as its drawing: read without its definitions, it gives the
// results it gives with them; and ngspice on its --spice netlist agrees with
// --results --full at the point of the netlist's sweep nearest to the file's
// frequency, the file's frequency moved there and scaled to the calculation's
// 2π, so that both analyses meet the same ω.
TEST(Examples, TheirDrawingsStandForTheirDefinitionsAndAgreeWithNgspice)
{
    QTemporaryDir dir;
    const QFileInfoList examples = QDir(QStringLiteral(BRIVEL_EXAMPLES)).entryInfoList({QStringLiteral("*.brivel")});
    ASSERT_EQ(examples.size(), 6);
    for (const QFileInfo& example : examples) {
        SCOPED_TRACE(example.fileName().toStdString());
        QJsonObject file = JsonOf(example.filePath()), bare = file;
        for (const char* key : {"loops", "matrix", "currents"}) bare.remove(QLatin1String(key));
        EXPECT_EQ(RunProgram({"--results", Written(dir, "bare.brivel", bare)}).out,
                  RunProgram({"--results", example.filePath()}).out);

        const CircuitFileRead read = ReadCircuitFile(example.filePath());
        ASSERT_TRUE(read.document);
        const double start = GraphState{}.sweepStart;
        const int point = static_cast<int>(std::lround(125 * std::log10(FrequencyOf(*read.document) / start)));
        const double hz = start * std::pow(10.0, point / 125.0) * 2 * std::numbers::pi / 6.283184;
        file["frequency"] = QJsonObject{{"value", QString::number(hz, 'g', 17)}, {"unit", "Hz"}};
        const QString moved = Written(dir, "moved.brivel", file);
        const ProgramRun spice = RunProgram({"--spice", moved});
        ASSERT_EQ(spice.exitCode, 0) << spice.err.toStdString();
        const std::vector<std::vector<double>> rows = RunNgspicePrint(spice.out.toStdString());
        ASSERT_GT(rows.size(), static_cast<size_t>(point));
        const std::vector<double>& row = rows[point];
        const auto lines = Lines(RunProgram({"--results", moved, "--full"}).out);
        double largest = 0;
        for (int b = 1; b <= read.document->branches; ++b) largest = std::max(largest, row.at(2 * b - 1));
        for (int b = 1; b <= read.document->branches; ++b) {
            const auto [magnitude, degrees] = lines.at(QStringLiteral("I%1").arg(b, 2, 10, QChar('0')));
            const Cx brivel = std::polar(magnitude, degrees * std::numbers::pi / 180);
            const Cx ngspice = std::polar(row.at(2 * b - 1), row.at(2 * b) * std::numbers::pi / 180);
            EXPECT_NEAR(std::abs(brivel - ngspice), 0, 1e-9 * largest) << "I0" << b;
        }
    }
}

TEST(Examples, AgreeWithNgspice)
{
    for (const Example& example : kExamples) {
        SCOPED_TRACE(example.file);
        ExpectAgreement(example);
    }
}

}  // namespace
