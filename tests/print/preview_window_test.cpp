#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "calc/loop_analysis.h"
#include "tests/support/caught_messages.h"
#include "platform/picture_box.h"
#include "document/whole_file.h"
#include "print/page_drawer.h"
#include "print/preview_window.h"
#include "print/arrow_spinner.h"
#include "tests/print/page_fixture.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/pixels.h"
#include "tests/support/recording_surface.h"

namespace {

// Device pixels of the image that are not white in the column at page x,
// between page y0 and y1, as drawn on a picture with user coordinates.
int InkInColumn(const QImage& image, PictureBox& box, double x, double y0, double y1)
{
    const qreal r = image.devicePixelRatio();
    const int col = static_cast<int>(box.ToPainter(x, 0).x() * r);
    const int top = static_cast<int>(box.ToPainter(0, y0).y() * r);
    const int bottom = static_cast<int>(box.ToPainter(0, y1).y() * r);
    int n = 0;
    for (int y = top; y <= bottom; ++y) n += image.pixelColor(col, y) != QColor(Qt::white);
    return n;
}

// The texts of an SVG's text elements; nothing for a document that does not parse.
std::vector<QString> SvgTexts(const QByteArray& svg)
{
    std::vector<QString> texts;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("text"))
            texts.push_back(reader.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    if (reader.hasError()) return {};
    return texts;
}

// The text of a PDF, or with htmlmeta its title and creator besides.
QString PdfText(const QString& path, const QString& option = "-nopgbrk")
{
    QProcess extract;
    extract.start(BRIVEL_PDFTOTEXT, {option, path, "-"});
    EXPECT_TRUE(extract.waitForFinished(30000));
    return QString::fromUtf8(extract.readAllStandardOutput());
}

// Whether every text, trimmed, is found in the haystack. The SVG writer
// splits a text where its script changes, so an SVG's texts are joined
// without a gap.
::testing::AssertionResult HoldsAll(const QString& haystack, const std::vector<QString>& texts)
{
    for (const QString& t : texts)
        if (!haystack.contains(t.trimmed())) return ::testing::AssertionFailure() << "missing " << t.toStdString();
    return ::testing::AssertionSuccess();
}

class Preview : public ::testing::Test {
protected:
    void SetUp() override
    {
        HandSweep();
        window.SetPdfFileChooser([this](QWidget*, const QString& suggested) {
            suggestions.push_back(suggested);
            return pdfAnswer;
        });
        window.show();
    }

    // As the main window does before it shows the preview.
    void HandSweep(const std::set<int>& ticked = {}, bool valid = true)
    {
        const HandedSweep handed = SweepFor(circuit, graph, ticked, valid);
        window.SetSweep(handed.sweep, handed.outcome);
    }
    QImage Picture() { return window.PreviewPicture().Image().copy(); }
    // Every text the page prints: the title, the frequency, level and phase
    // labels and the units.
    std::vector<QString> PageTexts()
    {
        PrintState prt = window.State();
        RecordingSurface page;
        prt.surface = &page;
        const HandedSweep handed = SweepFor(circuit, graph);
        PageDrawer(prt, page, graph, handed.sweep, handed.outcome).DrawPage();
        return page.Texts();
    }
    // The dotted margin outline runs down page x = 0; nothing else does.
    int OutlineInk() { return InkInColumn(Picture(), window.PreviewPicture(), 0, 20, 250); }

    Circuit circuit = SampleCircuit();
    GraphState graph = DefaultGraph();
    FakeHost host;
    PreviewWindow window{graph, host};
    QString pdfAnswer;
    std::vector<QString> suggestions;
    CaughtMessages shown;
};

TEST_F(Preview, OpensAtHalfPaperSizeWithTheSmallestMargins)
{
    EXPECT_EQ(window.windowTitle(), "回路の周波数特性の印刷プレビューと印刷");
    EXPECT_EQ(window.size(), QSize(842, 569));
    // A4 is 11906 × 16838 twips; half of it in pixels.
    EXPECT_EQ(window.PreviewPicture().size(), QSize(397, 561));
    const PrintState& s = window.State();
    EXPECT_FLOAT_EQ(s.paper.paperWidthMm, 210);
    EXPECT_FLOAT_EQ(s.paper.paperHeightMm, 297);
    for (int i = 0; i < 4; ++i) {
        const int least = i < 2 ? s.paper.minSideMargin : s.paper.minTopBottomMargin;
        EXPECT_EQ(window.MarginSpinner(i).Min(), least);
        EXPECT_EQ(window.MarginSpinner(i).Max(), 50);
        EXPECT_EQ(window.MarginSpinner(i).Value(), least);
        EXPECT_EQ(window.MarginField(i).text(), QString::number(least));
    }
    EXPECT_EQ(s.margins.left, s.paper.minSideMargin);
    EXPECT_EQ(s.surface, static_cast<DrawSurface*>(&window.PreviewPicture()));
    EXPECT_NEAR(s.fontRatio, 0.5, 0.05);
    EXPECT_FLOAT_EQ(s.fontScale, s.fontRatio);
    EXPECT_GT(OutlineInk(), 0);
}

TEST_F(Preview, SpinnerStepChangesOneMarginMirrorsAllAndRedraws)
{
    const QImage before = Picture();
    const int left = window.MarginSpinner(0).Value();
    QTest::mouseClick(window.MarginSpinner(0).UpArrow(), Qt::LeftButton);
    EXPECT_EQ(window.MarginSpinner(0).Value(), left + 1);
    EXPECT_EQ(window.State().margins.left, left + 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(window.MarginField(i).text(), QString::number(window.MarginSpinner(i).Value()));
    EXPECT_NE(Picture(), before);

    // The block moved one unit right: the outline now runs where page x = 0 is.
    EXPECT_GT(OutlineInk(), 0);

    // Limits hold: the least margin and 50.
    QTest::mouseClick(window.MarginSpinner(0).DownArrow(), Qt::LeftButton);
    QTest::mouseClick(window.MarginSpinner(0).DownArrow(), Qt::LeftButton);
    EXPECT_EQ(window.MarginSpinner(0).Value(), window.State().paper.minSideMargin);
    ArrowSpinner& bottom = window.MarginSpinner(3);
    bottom.SetRange(bottom.Min(), bottom.Max(), 50);
    QTest::mouseClick(bottom.UpArrow(), Qt::LeftButton);
    EXPECT_EQ(bottom.Value(), 50);
}

// The rows of `image` from which `part` is an exact copy of it, or −1.
int RowsCopiedFrom(const QImage& image, const QImage& part)
{
    const QImage whole = image.convertToFormat(QImage::Format_RGB32);
    const QImage piece = part.convertToFormat(QImage::Format_RGB32);
    if (piece.width() != whole.width()) return -1;
    for (int top = 0; top + piece.height() <= whole.height(); ++top)
        if (whole.copy(0, top, piece.width(), piece.height()) == piece) return top;
    return -1;
}

int InkOutsideRows(const QImage& image, int top, int bottom)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width() && (y < top || y >= bottom); ++x)
            n += image.pixelColor(x, y) != QColor(Qt::white);
    return n;
}

TEST_F(Preview, ClipboardImageIsThePreviewsGraphsWithEveryLabelUnstretched)
{
    ASSERT_GT(OutlineInk(), 0);
    window.CopyButton().click();
    const QImage first = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(first.isNull());

    // Beside the picture: the sweep as a table for a spreadsheet, the page
    // block as SVG with every text for a document.
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QStringList rows = data->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 502);
    EXPECT_EQ(rows[0], "f[Hz]\t|Zi|[ohm]\tphase(Zi)[deg]");
    EXPECT_EQ(rows[501].split('\t').size(), 3);
    const std::vector<QString> svgTexts = SvgTexts(data->data("image/svg+xml"));
    ASSERT_FALSE(svgTexts.empty());
    EXPECT_TRUE(HoldsAll(QStringList(svgTexts.begin(), svgTexts.end()).join(QString()), PageTexts()));
    EXPECT_EQ(OutlineInk(), 0);  // the preview too, until the next preview

    // The copy is a band of the preview, pixel for pixel, and every label and
    // unit of the preview lies inside it.
    const QImage preview = Picture();
    const int top = RowsCopiedFrom(preview, first);
    ASSERT_GE(top, 0) << "the copy is not the preview's pixels";
    EXPECT_EQ(InkOutsideRows(preview, top, top + first.height()), 0);
    EXPECT_FALSE(window.State().forClipboard);
    EXPECT_EQ(InkInColumn(window.CopyPicture().Image(), window.PreviewPicture(), 0, 20, 150), 0);

    // The copy holds the graphs: the level frame's left edge at 10 u.
    const double u = LayoutWidth(210, window.State().margins) / 160;
    EXPECT_GT(InkInColumn(window.CopyPicture().Image(), window.PreviewPicture(), 10 * u, 30 * u, 70 * u), 20);

    // Beside it the same block as a PNG of 300 dots per inch.
    const QImage png = QImage::fromData(data->data("image/png"), "PNG");
    EXPECT_EQ(png.size(), (BlockSizeMm(window.State()) / 25.4 * 300).toSize());
    EXPECT_EQ(png.dotsPerMeterX(), 11811);
    EXPECT_GT(CountPixels(png, Reddish), 1000);

    // The circuit's page, printed or shown, stays off the clipboard.
    window.SetReport({EmptyDocument(2, 3), {}, {}, {}});
    window.PrintCircuitBox().setChecked(true);
    window.CircuitPageBox().setChecked(true);
    window.CopyButton().click();
    EXPECT_EQ(QGuiApplication::clipboard()->image(), first);
    window.PrintCircuitBox().setChecked(false);

    window.Preview();
    EXPECT_GT(OutlineInk(), 0);
}

TEST_F(Preview, ClosingHidesAndReopeningKeepsTheMarginsAndPreviewsAgain)
{
    QTest::mouseClick(window.MarginSpinner(2).UpArrow(), Qt::LeftButton);
    QTest::mouseClick(window.MarginSpinner(2).UpArrow(), Qt::LeftButton);
    const int top = window.MarginSpinner(2).Value();
    window.CopyButton().click();
    ASSERT_EQ(OutlineInk(), 0);

    window.CloseButton().click();
    EXPECT_FALSE(window.isVisible());
    window.show();
    EXPECT_EQ(window.MarginSpinner(2).Value(), top);
    EXPECT_EQ(window.MarginField(2).text(), QString::number(top));
    EXPECT_EQ(window.State().margins.top, top);
    EXPECT_GT(OutlineInk(), 0);

    // Modal opening returns when the window is closed.
    QTimer::singleShot(0, [this] { window.CloseButton().click(); });
    window.ShowModal();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(Preview, CancelledSetUpChangesNothingAndLandscapeIsKept)
{
    const QImage before = Picture();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QPageSetupDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->reject();
    });
    window.PrintSetupButton().click();
    EXPECT_EQ(window.Printer().Orientation(), PrinterSurface::kPortrait);
    EXPECT_EQ(Picture(), before);

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QPageSetupDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* landscape = dialog->findChild<QRadioButton*>("landscape");
        ASSERT_NE(landscape, nullptr);
        landscape->click();
        dialog->accept();
    });
    window.PrintSetupButton().click();
    EXPECT_EQ(window.Printer().Orientation(), PrinterSurface::kLandscape);
    // The pictures take the landscape proportions; the layout keeps the width measured at load.
    EXPECT_GT(window.PreviewPicture().width(), window.PreviewPicture().height());
    EXPECT_FLOAT_EQ(window.State().paper.paperWidthMm, 210);
}

TEST_F(Preview, PrintWritesThePdfOnlyWhenANameIsGiven)
{
    ASSERT_FALSE(window.Printer().HasPrinter());
    QTemporaryDir dir;
    const QString file = dir.filePath("page.pdf");

    pdfAnswer.clear();
    window.PrintButton().click();
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_FALSE(window.Printer().DocumentOpen());
    ASSERT_EQ(suggestions.size(), 1u);
    EXPECT_EQ(QFileInfo(suggestions[0]).absolutePath(), QDir::homePath());
    EXPECT_TRUE(suggestions[0].endsWith(".pdf"));

    pdfAnswer = file;
    window.PrintButton().click();
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_TRUE(PdfText(file, "-htmlmeta").contains("<title>入力インピーダンスの周波数特性</title>"));
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    EXPECT_FLOAT_EQ(window.State().fontScale, 1);
    EXPECT_FALSE(window.Printer().DocumentOpen());
    EXPECT_TRUE(shown.empty());

    // The next print offers the name chosen last.
    pdfAnswer.clear();
    window.PrintButton().click();
    EXPECT_EQ(suggestions.back(), file);
}

QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST_F(Preview, FailuresEndInOrderWithAMessageAndLeaveFilesAsTheyWere)
{
    const QString failed = "プリンタへの出力に失敗しました。ページは印刷されていません。";
    QTemporaryDir dir;

    // The printer cannot take the page.
    pdfAnswer = dir.filePath("missing/folder/page.pdf");
    window.PrintButton().click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(shown[0].text, failed);
    EXPECT_FALSE(window.Printer().DocumentOpen());

    // The disk fills up at once or a little before the end of the page: an
    // existing file keeps its contents, a new one is not made, and no
    // temporary file is left.
    const QString existing = dir.filePath("page.pdf");
    pdfAnswer = existing;
    window.PrintButton().click();
    const auto whole = static_cast<rlim_t>(QFileInfo(existing).size());
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("the earlier report");
    }
    for (const rlim_t room : {rlim_t{4096}, whole - 64})
        for (const QString& name : {existing, dir.filePath("new.pdf")}) {
            pdfAnswer = name;
            {
                const FileSizeLimit full(room);
                window.PrintButton().click();
            }
            EXPECT_EQ(shown.back().text, failed) << name.toStdString() << room;
        }
    EXPECT_EQ(shown.size(), 5u);
    EXPECT_EQ(Contents(existing), "the earlier report");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"page.pdf"});

    // The impedance curve fails: the page is abandoned, no file is written.
    SampleValues huge;
    huge.l1 = 1e306;
    circuit = SampleCircuit(huge);
    HandSweep();
    pdfAnswer = dir.filePath("zero.pdf");
    window.PrintButton().click();
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown[5].icon, MessageIcon::Information);
    EXPECT_FALSE(QFile::exists(pdfAnswer));
    EXPECT_FALSE(window.Printer().DocumentOpen());

    // Before a valid calculation a singular circuit has no curve: the user is
    // sent back to enter the circuit.
    circuit = SampleCircuit();
    DefineMatrixElement(circuit, 1, 2, Marks(16, 0));
    DefineMatrixElement(circuit, 2, 2, Marks(16, 0));
    HandSweep({}, false);
    window.PrintButton().click();
    ASSERT_EQ(shown.size(), 7u);
    EXPECT_EQ(shown[6].text, "回路定数を入力して下さい");
    EXPECT_EQ(shown[6].icon, MessageIcon::Error);
    EXPECT_EQ(host.returnPresses, 1);
    EXPECT_FALSE(QFile::exists(pdfAnswer));

    // The window stays usable.
    circuit = SampleCircuit();
    HandSweep();
    window.PrintButton().click();
    EXPECT_TRUE(Contents(pdfAnswer).startsWith("%PDF-"));
    EXPECT_EQ(shown.size(), 7u);

    // The disk fills up on the circuit's page, after room for a whole page of
    // graphs: the page printed before stays as it was.
    const QByteArray graphsOnly = Contents(pdfAnswer);
    window.SetReport({EmptyDocument(2, 3), {}, {}, {}});
    window.PrintCircuitBox().setChecked(true);
    {
        const FileSizeLimit full(static_cast<rlim_t>(graphsOnly.size()));
        window.PrintButton().click();
    }
    window.PrintCircuitBox().setChecked(false);
    ASSERT_EQ(shown.size(), 8u);
    EXPECT_EQ(shown[7].text, failed);
    EXPECT_EQ(Contents(pdfAnswer), graphsOnly);
}

// The save dialog starts where a page was last printed, and in the home
// folder while there is no such place: never in a folder where printing
// failed or one that has gone.
TEST_F(Preview, SaveDialogStartsOnlyInAnOrdinaryFolderThatTookAPage)
{
    const auto folderOfLastSuggestion = [this] { return QFileInfo(suggestions.back()).absolutePath(); };
    pdfAnswer = "/proc/brivel.pdf";
    window.PrintButton().click();
    ASSERT_EQ(shown.size(), 1u);
    window.PrintButton().click();
    EXPECT_EQ(folderOfLastSuggestion(), QDir::homePath());

    auto dir = std::make_unique<QTemporaryDir>();
    pdfAnswer = dir->filePath("page.pdf");
    window.PrintButton().click();
    ASSERT_EQ(shown.size(), 2u);  // the /proc answer above failed once more
    pdfAnswer = "/proc/brivel.pdf";
    window.PrintButton().click();
    EXPECT_EQ(suggestions.back(), dir->filePath("page.pdf"));

    dir.reset();
    window.PrintButton().click();
    EXPECT_EQ(suggestions.back(), QDir::home().filePath("page.pdf"));
}

// A name typed without ".pdf" is asked about with it: an existing report.pdf
// is not replaced unasked.
TEST_F(Preview, SaveDialogAddsTheSuffixBeforeItAsksAboutReplacing)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath("report.pdf");
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("the earlier report");
    }
    PreviewWindow plain{graph, host};
    const HandedSweep handed = SweepFor(circuit, graph);
    plain.SetSweep(handed.sweep, handed.outcome);
    plain.show();

    QString question;
    // `type` is the index of the file type chosen in the dialog's list.
    const auto typeName = [&](const QString& name, QPushButton* button = nullptr, int type = 0) {
        QTimer::singleShot(0, [&question, name, type] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            ASSERT_NE(types, nullptr);
            // As a choice in the list does.
            types->setCurrentIndex(type);
            emit types->activated(type);
            emit types->textActivated(types->currentText());
            QTimer::singleShot(0, [&question] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box == nullptr) return;
                question = box->text();
                box->button(QMessageBox::No)->click();
            });
            QLineEdit* field = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(field, nullptr);
            field->setText(name);
            QTest::keyClick(field, Qt::Key_Return);
            if (dialog->isVisible()) dialog->reject();
        });
        (button != nullptr ? button : &plain.PrintButton())->click();
    };

    typeName(dir.filePath("report"));
    EXPECT_TRUE(question.contains("report.pdf")) << question.toStdString();
    EXPECT_EQ(Contents(existing), "the earlier report");

    question.clear();
    typeName(dir.filePath("fresh"));
    EXPECT_TRUE(question.isEmpty());
    EXPECT_TRUE(Contents(dir.filePath("fresh.pdf")).startsWith("%PDF-"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"fresh.pdf", "report.pdf"}));

    // The page saved in the type chosen: the suffix and the contents follow it.
    typeName(dir.filePath("vector"), &plain.SaveVectorButton(), 1);
    EXPECT_TRUE(Contents(dir.filePath("vector.svg")).startsWith("<?xml"));
    typeName(dir.filePath("report"), &plain.SaveVectorButton(), 0);
    EXPECT_TRUE(question.contains("report.pdf")) << question.toStdString();
    EXPECT_EQ(Contents(existing), "the earlier report");
}

}  // namespace

namespace {

// The page leaves as PDF and SVG without the printer, each with the title
// and every label; the sweep as CSV of the plotted curves; a write that
// fails leaves the file that was there.
TEST_F(Preview, ExportsThePageAndTheSweepWholeOrNotAtAll)
{
    QTemporaryDir dir;
    QString answer;
    std::vector<SaveQuestion> questions;
    window.SetSaveFileChooser([&](QWidget*, const SaveQuestion& q) {
        questions.push_back(q);
        return answer;
    });
    const std::vector<QString> texts = PageTexts();
    host.circuitFile = dir.filePath("bridge.brivel");

    answer = dir.filePath("page.svg");
    window.SaveVectorButton().click();
    const std::vector<QString> svgTexts = SvgTexts(Contents(answer));
    ASSERT_FALSE(svgTexts.empty());
    EXPECT_TRUE(HoldsAll(QStringList(svgTexts.begin(), svgTexts.end()).join(QString()), texts));
    EXPECT_TRUE(Contents(answer).contains("font-family=\"IPAMincho\""));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].types.size(), 2u);
    EXPECT_EQ(questions[0].suggested, dir.filePath("bridge.pdf"));

    // With the circuit's page: the PDF's second page, and below the graphs'
    // sheet in one SVG two sheets high.
    window.SetReport({EmptyDocument(2, 3), {}, {}, {}});
    window.PrintCircuitBox().setChecked(true);
    answer = dir.filePath("report.pdf");
    window.SaveVectorButton().click();
    EXPECT_EQ(PdfText(answer, "-raw").count('\f'), 2);
    answer = dir.filePath("report.svg");
    window.SaveVectorButton().click();
    window.PrintCircuitBox().setChecked(false);
    EXPECT_TRUE(Contents(answer).contains("height=\"594.021mm\""));
    const std::vector<QString> sheets = SvgTexts(Contents(answer));
    EXPECT_TRUE(HoldsAll(QStringList(sheets.begin(), sheets.end()).join(QString()), texts));
    EXPECT_TRUE(HoldsAll(QStringList(sheets.begin(), sheets.end()).join(QString()), {"回路データと計算結果"}));

    answer = dir.filePath("page.pdf");
    window.SaveVectorButton().click();
    EXPECT_TRUE(Contents(answer).startsWith("%PDF-"));
    EXPECT_TRUE(HoldsAll(PdfText(answer), texts));
    EXPECT_TRUE(PdfText(answer, "-htmlmeta").contains("<title>入力インピーダンスの周波数特性</title>"));
    EXPECT_TRUE(PdfText(answer, "-htmlmeta").contains("<meta name=\"Creator\" content=\"Brivel\"/>"));
    EXPECT_FALSE(window.Printer().DocumentOpen());

    graph.quantity = PlottedQuantity::BranchCurrent;
    HandSweep({1, 3});
    answer = dir.filePath("sweep.csv");
    window.SaveCsvButton().click();
    EXPECT_EQ(questions.back().suggested, dir.filePath("bridge.csv"));
    const QStringList rows = QString::fromUtf8(Contents(answer)).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 502);
    EXPECT_EQ(rows[0], "f[Hz],|I01|[A],phase(I01)[deg],|I03|[A],phase(I03)[deg]");
    EXPECT_TRUE(shown.empty());

    const QByteArray before = Contents(dir.filePath("page.svg"));
    answer = dir.filePath("page.svg");
    {
        const FileSizeLimit full(4096);
        window.SaveVectorButton().click();
    }
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.startsWith(QString::fromUtf8(kCannotSaveFile)));
    EXPECT_EQ(Contents(answer), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{"page.pdf", "page.svg", "report.pdf", "report.svg", "sweep.csv"}));
}

}  // namespace
