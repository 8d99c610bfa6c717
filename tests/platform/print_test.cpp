// Printing text and numbers: where the text goes and where the next line starts.

#include <gtest/gtest.h>

#include "tests/support/pixels.h"
#include "platform/font_names.h"
#include "platform/image_surface.h"
#include "platform/painter_surface.h"

#include <QPrinter>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

namespace {

const QColor kBack(255, 255, 192);

// The smallest rectangle (logical pixels) holding every pixel that is not kBack.
QRect InkBox(const QImage& image)
{
    QRect box;
    const int w = static_cast<int>(image.width() / image.devicePixelRatio());
    const int h = static_cast<int>(image.height() / image.devicePixelRatio());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (LogicalPixel(image, x, y) != kBack) box |= QRect(x, y, 1, 1);
    return box;
}

class Printing : public ::testing::Test {
protected:
    Printing()
    {
        surface.SetBackColor(kBack);
        surface.SetFontName(QString::fromUtf8(kFaceMincho));
        surface.SetFontSize(9.75);
    }
    ImageSurface surface{QSize(200, 300)};
};

TEST_F(Printing, ALineEndsAtTheLeftEdgeOneLineLowerWhenYGrowsUpwards)
{
    surface.SetScale(0, 6, 2, 0);
    surface.MoveTo(0.7, 3);
    const double line = surface.TextHeight(QStringLiteral("1"));
    ASSERT_GT(line, 0);
    surface.Print(QStringLiteral(" 100"));
    EXPECT_DOUBLE_EQ(surface.Position().x(), 0);
    EXPECT_NEAR(surface.Position().y(), 3 - line, 1e-12);
    surface.Print(QStringLiteral(" Ω"));
    EXPECT_NEAR(surface.Position().y(), 3 - 2 * line, 1e-12);
}

TEST_F(Printing, ALineEndsAtTheLeftEdgeOneLineLowerWhenYGrowsDownwards)
{
    surface.SetScale(-5, 10, 15, 40);
    surface.MoveTo(3, 12);
    const double line = surface.TextHeight(QStringLiteral("1"));
    surface.Print(QString());
    EXPECT_DOUBLE_EQ(surface.Position().x(), -5);
    EXPECT_NEAR(surface.Position().y(), 12 + line, 1e-12);
}

TEST_F(Printing, TheTextCellHangsBelowAndRightOfTheCurrentPosition)
{
    surface.SetScale(0, 6, 2, 0);
    surface.MoveTo(0.5, 4);  // pixel 100
    surface.Print(QStringLiteral("100Ｈｚ"));
    const QRect first = InkBox(surface.Image());
    ASSERT_FALSE(first.isNull());
    const double linePx = surface.TextHeight(QStringLiteral("1")) * 50;
    EXPECT_GE(first.left(), 50);
    EXPECT_LE(first.left(), 53);
    EXPECT_GE(first.top(), 100);
    EXPECT_LE(first.bottom(), 100 + linePx);
    EXPECT_GE(first.bottom(), 100 + linePx / 2);

    // The next print lands on the next line at the left edge.
    surface.Print(QStringLiteral("ＫΩ"));
    const QRect both = InkBox(surface.Image());
    EXPECT_LE(both.left(), 1);
    EXPECT_GE(both.bottom(), 100 + linePx * 1.5);
    EXPECT_LE(both.bottom(), 100 + linePx * 2);
}

TEST_F(Printing, TextIsDrawnInTheForegroundColour)
{
    surface.SetForeColor(QColor(255, 0, 0));
    surface.MoveTo(10, 10);
    surface.SetFontSize(20);
    surface.Print(QStringLiteral("■"));
    EXPECT_FALSE(ColumnsOf(surface.Image(), 25, QColor(255, 0, 0)).empty());
}

// Keeps what reaches Print, so the number forms can be read back.
class PrintSpy : public ImageSurface {
public:
    PrintSpy() : ImageSurface(QSize(100, 100)) {}
    void Print(const QString& text) override
    {
        texts.push_back(text);
        ImageSurface::Print(text);
    }
    std::vector<QString> texts;
};

TEST(PrintNumber, NumbersPrintInTheGraphFormFollowedByOneSpace)
{
    PrintSpy spy;
    spy.PrintNumber(0.5);
    spy.PrintNumber(100.0);
    spy.PrintNumber(-2.5);
    spy.PrintNumber(0.0);
    spy.PrintNumber(0.01);
    spy.PrintNumber(0.1f);
    spy.PrintNumber(static_cast<double>(0.1f));
    const std::vector<QString> expected{
        QStringLiteral(" .5 "),
        QStringLiteral(" 100 "),
        QStringLiteral("-2.5 "),
        QStringLiteral(" 0 "),
        QStringLiteral(" .01 "),
        QStringLiteral(" .1 "),
        QStringLiteral(" .100000001490116 "),
    };
    EXPECT_EQ(spy.texts, expected);
}

TEST(PrintNumber, ANumberEndsItsLineLikeAText)
{
    PrintSpy spy;
    spy.SetScale(0, 0, 10, 10);
    spy.MoveTo(4, 1);
    spy.PrintNumber(30.0f);
    EXPECT_DOUBLE_EQ(spy.Position().x(), 0);
    EXPECT_NEAR(spy.Position().y(), 1 + spy.TextHeight(QStringLiteral("0")), 1e-12);
}

// One printer, as a machine's printer is kept for the whole run: its engine
// lives on from one document to the next.
class KeptPrinter : public PainterSurface {
public:
    KeptPrinter() { printer.setOutputFormat(QPrinter::PdfFormat); }
    ~KeptPrinter() override { EndPainting(); }
    QPrinter printer{QPrinter::HighResolution};

protected:
    QPaintDevice* Target() override { return &printer; }
    QSizeF TargetSize() const override { return printer.pageRect(QPrinter::DevicePixel).size(); }
    int TargetDpi() const override { return printer.resolution(); }
};

QImage Rendered(const QString& pdf, const QString& stem)
{
    QProcess render;
    render.start(BRIVEL_PDFTOPPM, {"-r", "50", "-png", "-singlefile", pdf, stem});
    if (!render.waitForFinished(60000) || render.exitCode() != 0) return {};
    return QImage(stem + ".png");
}

TEST(PrinterDocuments, EachDocumentStartsWithTheSurfacePenNotTheLastOne)
{
    QTemporaryDir dir;
    KeptPrinter surface;
    surface.SetScaleMillimetres();
    surface.printer.setOutputFileName(dir.filePath("curve.pdf"));
    surface.SetPixel(20, 20, QColor(0, 255, 255));
    surface.LineTo(150, 150, QColor(0, 255, 255));
    surface.EndPainting();

    surface.printer.setOutputFileName(dir.filePath("title.pdf"));
    surface.SetFontSize(40);
    surface.MoveTo(20, 20);
    surface.Print(QStringLiteral("■■■"));
    surface.EndPainting();

    const QImage page = Rendered(dir.filePath("title.pdf"), dir.filePath("title"));
    ASSERT_FALSE(page.isNull());
    int dark = 0, coloured = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            dark += c.lightness() < 60;
            coloured += c.saturation() > 100;
        }
    EXPECT_GT(dark, 500);
    EXPECT_EQ(coloured, 0);
}

}  // namespace
