#include <cmath>

#include <QCheckBox>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "document/circuit_file.h"
#include "document/results_text.h"
#include "print/preview_window.h"
#include "tests/print/page_fixture.h"

namespace {

constexpr int kDpi = 100;

bool Dark(const QColor& c) { return c.red() < 128 && c.green() < 128 && c.blue() < 128; }

bool Red(const QColor& c) { return c.red() > 200 && c.green() < 90 && c.blue() < 90; }

bool Coloured(const QColor& c) { return c.saturation() > 100; }

// The sample circuit's page printed to a PDF file and rendered back by
// poppler, without anti-aliasing, at 100 dots per inch.
class PdfPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const HandedSweep handed = SweepFor(circuit, graph);
        window.SetSweep(handed.sweep, handed.outcome);
        window.show();
        PrintAndRender("page");
    }

    // Prints the page to <name>.pdf and renders it into `page`.
    void PrintAndRender(const QString& name)
    {
        const QString pdf = dir.filePath(name + ".pdf");
        window.SetPdfFileChooser([pdf](QWidget*, const QString&) { return pdf; });
        window.PrintPage();
        ASSERT_TRUE(QFile::exists(pdf));

        QProcess render;
        render.start(BRIVEL_PDFTOPPM, {"-r", QString::number(kDpi), "-aa", "no", "-aaVector", "no", "-png",
                                       "-singlefile", pdf, dir.filePath(name)});
        ASSERT_TRUE(render.waitForFinished(60000)) << "pdftoppm did not finish";
        ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
        ASSERT_TRUE(page.load(dir.filePath(name + ".png")));
    }

    // The dots of the title band, 8 u to 19 u, that pass the test.
    int TitleDots(bool (*test)(const QColor&)) const
    {
        const double u = LayoutWidth(window.State().paper.paperWidthMm, window.State().margins) / 160.0;
        int n = 0;
        for (int y = std::lround(Dot(0, 8 * u).y()); y < std::lround(Dot(0, 19 * u).y()); ++y)
            for (int x = 0; x < page.width(); ++x) n += test(page.pixelColor(x, y));
        return n;
    }

    // Where page unit (x, y) lands on the rendered paper, in dots: the
    // printer's coordinates span its printable area, which starts at the
    // unprintable strip.
    QPointF Dot(double x, double y) const
    {
        const PrintState& s = window.State();
        const ScaleCorners c = PrinterScale(s.paper, s.margins);
        const double mmX = s.paper.unprintableLeftMm + (x - c.left) * s.paper.printableWidthMm / (c.right - c.left);
        const double mmY = s.paper.unprintableTopMm + (y - c.top) * s.paper.printableHeightMm / (c.bottom - c.top);
        return {mmX / 25.4 * kDpi, mmY / 25.4 * kDpi};
    }

    // Share of the dots along a line from page (x0, y0) to (x1, y1) that
    // are dark within one dot of it.
    double DarkShare(double x0, double y0, double x1, double y1) const
    {
        const QPointF a = Dot(x0, y0), b = Dot(x1, y1);
        const int steps = static_cast<int>(std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y())));
        int dark = 0;
        for (int i = 0; i <= steps; ++i) {
            const QPointF p = a + (b - a) * (static_cast<double>(i) / steps);
            bool found = false;
            for (int dx = -1; dx <= 1 && !found; ++dx)
                for (int dy = -1; dy <= 1 && !found; ++dy)
                    found = Dark(page.pixelColor(std::lround(p.x()) + dx, std::lround(p.y()) + dy));
            dark += found;
        }
        return static_cast<double>(dark) / (steps + 1);
    }

    bool RedNear(double x, double y, int radius) const
    {
        const QPointF p = Dot(x, y);
        for (int dx = -radius; dx <= radius; ++dx)
            for (int dy = -radius; dy <= radius; ++dy)
                if (Red(page.pixelColor(std::lround(p.x()) + dx, std::lround(p.y()) + dy))) return true;
        return false;
    }

    QTemporaryDir dir;
    SampleValues values;
    Circuit circuit = SampleCircuit(values);
    GraphState graph = DefaultGraph();
    FakeHost host;
    PreviewWindow window{graph, host};
    QImage page;
};

TEST_F(PdfPage, TitleFramesAndRedCurvesWhereTheGeometryPutsThem)
{
    ASSERT_EQ(page.width(), 827);  // A4 at 100 dpi
    ASSERT_NEAR(page.height(), 1169, 1);
    const float D = LayoutWidth(window.State().paper.paperWidthMm, window.State().margins);
    const double u = D / 160.0;
    const FrameCorners f = Frames(D);

    // Both frames, all four edges.
    for (const auto& [x1, y1, x2, y2] :
         {std::array{f.magnitudeLeft, f.magnitudeTop, f.magnitudeRight, f.magnitudeBottom},
          std::array{f.phaseLeft, f.phaseTop, f.phaseRight, f.phaseBottom}}) {
        EXPECT_GT(DarkShare(x1, y1, x2, y1), 0.95);
        EXPECT_GT(DarkShare(x1, y2, x2, y2), 0.95);
        EXPECT_GT(DarkShare(x1, y1, x1, y2), 0.95);
        EXPECT_GT(DarkShare(x2, y1, x2, y2), 0.95);
    }
    // No margin outline on paper: page x = 0 stays white.
    EXPECT_LT(DarkShare(0, 30 * u, 0, 140 * u), 0.05);

    // The title: ink in the band from 8 u, centred on the block.
    const QPointF top = Dot(0, 8 * u), bottom = Dot(0, 19 * u);
    int left = page.width(), right = -1;
    for (int y = std::lround(top.y()); y < std::lround(bottom.y()); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (Dark(page.pixelColor(x, y))) left = std::min(left, x), right = std::max(right, x);
    ASSERT_GE(right, 0) << "no title";
    EXPECT_NEAR((left + right) / 2.0, Dot(D / 2, 0).x(), 3);
    EXPECT_GT(right - left, Dot(60 * u, 0).x() - Dot(0, 0).x());

    // Red curves through the level and phase of Zi at several frequencies.
    const double sy = f.magnitudeBottom - f.magnitudeTop, sp = f.phaseBottom - f.phaseTop,
                 sx = f.magnitudeRight - f.magnitudeLeft;
    for (double freq : {200.0, 1000.0, 5000.0, 30000.0, 300000.0}) {
        const std::complex<double> zi = SampleZi(values, freq);
        const double x = f.magnitudeLeft + (std::log10(freq) - 2) * sx / 4;
        const double yLevel = f.magnitudeBottom - std::log10(std::abs(zi)) * sy / 6;
        const double yPhase = f.phaseBottom - (std::arg(zi) * 180 / M_PI + 90) * sp / 180;
        EXPECT_TRUE(RedNear(x, yLevel, 2)) << "level at " << freq << " Hz";
        EXPECT_TRUE(RedNear(x, yPhase, 2)) << "phase at " << freq << " Hz";
    }
}

// A page ends with the curves in colour; the next page's title is black
// all the same.
TEST_F(PdfPage, EveryPrintStartsWithTheBlackPen)
{
    graph.keptCurve.on = true;
    graph.keptCurve.count = 2;
    graph.keptCurve.logFrequency[1] = 3, graph.keptCurve.logMagnitude[1] = 2, graph.keptCurve.phase[1] = 0;
    graph.keptCurve.logFrequency[2] = 4, graph.keptCurve.logMagnitude[2] = 3, graph.keptCurve.phase[2] = 30;
    for (const char* name : {"kept", "after_kept"}) {
        PrintAndRender(name);
        EXPECT_GT(TitleDots(Dark), 500) << name;
        EXPECT_EQ(TitleDots(Coloured), 0) << name;
    }
}

// The words of each page of a PDF with their boxes in points, as poppler
// reads them.
struct Word {
    QRectF box;
    QString text;
};
std::vector<std::vector<Word>> PdfWords(const QString& pdf)
{
    QProcess extract;
    extract.start(BRIVEL_PDFTOTEXT, {"-bbox", pdf, "-"});
    EXPECT_TRUE(extract.waitForFinished(30000));
    std::vector<std::vector<Word>> pages;
    QXmlStreamReader xml(extract.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("page")) pages.emplace_back();
        if (xml.name() != QLatin1String("word")) continue;
        const auto at = [&](const char* name) { return xml.attributes().value(QLatin1String(name)).toDouble(); };
        const QRectF box(QPointF(at("xMin"), at("yMin")), QPointF(at("xMax"), at("yMax")));
        pages.back().push_back({box, xml.readElementText()});
    }
    return pages;
}

// With 回路データを印刷 the printed PDF has a second page that holds every
// value entered and every result of a circuit of 15 branches and 5 loops with
// its unit, legibly and inside the margins; the choice is kept for the next
// window. Without it the PDF has the graphs' page alone.
TEST_F(PdfPage, CircuitPageHoldsEveryValueAndResultWithItsUnitInsideTheMargins)
{
    const CircuitFileRead read = ReadCircuitFile(QStringLiteral(BRIVEL_EXAMPLES "/artificial_line.brivel"));
    ASSERT_TRUE(read.document);
    const CircuitDocument& d = *read.document;
    window.SetReport({d, "/lab/line.brivel", QDate(2024, 5, 1), {}});
    window.PrintCircuitBox().setChecked(true);
    EXPECT_TRUE(PreviewWindow(graph, host).PrintCircuitBox().isChecked());
    PrintAndRender("report");
    std::vector<std::vector<Word>> pages = PdfWords(dir.filePath("report.pdf"));
    ASSERT_EQ(pages.size(), 2u);

    const Margins& m = window.State().margins;
    const double D = LayoutWidth(210, m), pointsPerDot = 72.0 / kDpi;
    const QRectF inside(Dot(0, 0) * pointsPerDot, Dot(D, 297 - m.top - m.bottom) * pointsPerDot);
    QString text;
    for (const Word& w : pages[1]) {
        EXPECT_TRUE(inside.adjusted(-1, -1, 1, 1).contains(w.box)) << w.text.toStdString();
        EXPECT_GT(w.box.height(), 7) << w.text.toStdString();
        text += w.text;
    }
    std::vector<QString> wanted{"line.brivel", "2024年5月1日", d.emf.text + d.emf.unit,
                                d.frequency.text + d.frequency.unit};
    for (const auto& element : d.elements)
        for (const ValueEntry& v : element->values)
            if (!v.text.isEmpty()) wanted.push_back(v.text + v.unit);
    const ResultsText results = ResultsOf(d, ResultsForm::Shown);
    ASSERT_FALSE(results.failure);
    for (const QString& line : results.lines.split('\n', Qt::SkipEmptyParts)) {
        const QStringList cells = line.split('\t');
        const bool impedance = cells[0].startsWith('Z') && cells[0] != "Zi";
        wanted.push_back(impedance ? cells[1] : cells[1] + cells[3]);
        wanted.push_back(impedance ? cells[2] + cells[3] : cells[2]);
    }
    for (const QString& w : wanted) EXPECT_TRUE(text.contains(QString(w).remove(' '))) << w.toStdString();

    // A circuit that cannot be calculated says why where the results stand.
    const CircuitDocument unentered = EmptyDocument(2, 3);
    const ResultsText failed = ResultsOf(unentered, ResultsForm::Shown);
    ASSERT_TRUE(failed.failure);
    window.SetReport({unentered, {}, QDate(2024, 5, 1), {}});
    PrintAndRender("unentered");
    pages = PdfWords(dir.filePath("unentered.pdf"));
    ASSERT_EQ(pages.size(), 2u);
    text.clear();
    for (const Word& w : pages[1]) text += w.text;
    EXPECT_TRUE(text.contains(QString(*failed.failure).remove(' '))) << text.toStdString();

    window.PrintCircuitBox().setChecked(false);
    PrintAndRender("graphs");
    EXPECT_EQ(PdfWords(dir.filePath("graphs.pdf")).size(), 1u);
}

}  // namespace
