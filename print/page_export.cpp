#include "print/page_export.h"

#include <cmath>

#include <QBuffer>
#include <QImage>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include "document/language.h"
#include "platform/device_surface.h"
#include "platform/image_surface.h"
#include "sweep/graph_state.h"
#include "print/page_drawer.h"
#include "print/print_texts.h"
#include "print/report_page.h"

namespace {

// Painter units per inch of the SVG: fine enough that the grid, which lies on
// whole units, sits where the page puts it.
constexpr int kSvgDpi = 300;
constexpr double kMmPerInch = 25.4;

PrintState On(const PageSources& s, DrawSurface& surface)
{
    PrintState page = s.prt;
    page.surface = &surface;
    page.fontScale = 1;
    return page;
}

// The margin outline is for the preview's eye only; here it goes nowhere.
SweepResult DrawOn(const PageSources& s, DrawSurface& surface)
{
    PrintState page = On(s, surface);
    ImageSurface unseen;
    PageDrawer drawer(page, unseen, s.graph, s.sweep, s.outcome);
    return drawer.DrawPage();
}

void DrawReportOn(const PageSources& s, DrawSurface& surface)
{
    ImageSurface unseen;
    DrawReportPage(On(s, surface), unseen, *s.report);
}

void Apply(DrawSurface& s, const ScaleCorners& c) { s.SetScale(c.left, c.top, c.right, c.bottom); }

// The area moved down by its own height.
ScaleCorners Below(const ScaleCorners& c) { return {c.left, 2 * c.top - c.bottom, c.right, c.bottom}; }

// Page units are a little more than a millimetre: the sheet spans one unit
// less than its width in millimetres.
double MmPerUnit(const PrintState& prt) { return prt.paper.paperWidthMm / (prt.paper.paperWidthMm - 1.0); }

}  // namespace

QString PageTitleOf(const PrintState& prt, const GraphState& graph)
{
    const auto quantity = static_cast<size_t>(graph.quantity);
    return quantity < std::size(prtext::kTitles) ? Tr(prtext::kTitles[quantity]) : prt.pageTitle;
}

std::optional<QByteArray> PagePdf(const PageSources& sources, const QPrinter& printer, SweepResult& outcome)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        writer.setTitle(PageTitleOf(sources.prt, sources.graph));
        writer.setCreator(QString::fromUtf8(prtext::kCreator));
        DeviceSurface surface(writer, printer.pageRect(QPrinter::DevicePixel).size(), printer.resolution());
        Apply(surface, PrinterScale(sources.prt.paper, sources.prt.margins));
        outcome = DrawOn(sources, surface);
        if (outcome.kind == SweepResult::Completed && sources.report) {
            surface.NewPage();
            DrawReportOn(sources, surface);
        }
    }
    if (outcome.kind != SweepResult::Completed) return std::nullopt;
    return bytes;
}

std::optional<QByteArray> PageSvg(const PageSources& sources, const ScaleCorners& area, QSizeF sizeMm,
                                  SweepResult& outcome)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        const int sheets = sources.report ? 2 : 1;
        const QSizeF units = QSizeF(sizeMm.width(), sizeMm.height() * sheets) / kMmPerInch * kSvgDpi;
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setResolution(kSvgDpi);
        generator.setSize(units.toSize());
        generator.setViewBox(QRectF(QPointF(0, 0), units));
        generator.setTitle(PageTitleOf(sources.prt, sources.graph));
        DeviceSurface surface(generator, units, kSvgDpi);
        surface.SetBackColor(Qt::white);
        Apply(surface, {area.left, area.top, area.right, area.top + (area.bottom - area.top) * sheets});
        outcome = DrawOn(sources, surface);
        if (outcome.kind == SweepResult::Completed && sources.report) {
            Apply(surface, Below(area));
            DrawReportOn(sources, surface);
        }
    }
    if (outcome.kind != SweepResult::Completed) return std::nullopt;
    return bytes;
}

std::optional<QByteArray> PagePng(const PageSources& sources, const ScaleCorners& area, QSizeF sizeMm, int dpi,
                                  SweepResult& outcome)
{
    const QSize pixels = (sizeMm / kMmPerInch * dpi).toSize();
    QImage image(pixels, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / kMmPerInch * 1000));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        DeviceSurface surface(image, QSizeF(pixels), dpi);
        surface.SetBackColor(Qt::white);
        Apply(surface, area);
        outcome = DrawOn(sources, surface);
    }
    if (outcome.kind != SweepResult::Completed) return std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

ScaleCorners SheetArea(const PrintState& prt) { return PictureScale(prt.paper, prt.margins); }

QSizeF SheetSizeMm(const PrintState& prt) { return {prt.paper.paperWidthMm, prt.paper.paperHeightMm}; }

ScaleCorners BlockArea(const PrintState& prt) { return ClipScale(prt.paper, prt.margins, prt.legendRows); }

QSizeF BlockSizeMm(const PrintState& prt)
{
    const ScaleCorners a = BlockArea(prt);
    return QSizeF(a.right - a.left, a.bottom - a.top) * MmPerUnit(prt);
}
