#include "platform/printer_surface.h"

#include <cmath>
#include <utility>

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "document/whole_file.h"

namespace {

struct PaperCode {
    int16_t code;
    QPageSize::PageSizeId size;
};

constexpr PaperCode kPaperCodes[] = {
    {1, QPageSize::Letter}, {5, QPageSize::Legal}, {8, QPageSize::A3}, {9, QPageSize::A4}, {11, QPageSize::A5},
};

constexpr double kTwipsPerPoint = 20;

int32_t ToTwips(double points) { return static_cast<int32_t>(std::nearbyint(points * kTwipsPerPoint)); }

}  // namespace

PrinterSurface::PrinterSurface() : printer_(QPrinter::HighResolution)
{
    SetPaperSize(kPaperA4);
    SetOrientation(kPortrait);
}

PrinterSurface::~PrinterSurface() { EndPainting(); }

bool PrinterSurface::HasPrinter() const { return printer_.outputFormat() == QPrinter::NativeFormat; }

void PrinterSurface::SetOutputFile(const QString& path) { outputFile_ = path; }

bool PrinterSurface::SetPaperSize(int16_t code)
{
    for (const PaperCode& p : kPaperCodes) {
        if (p.code == code) return printer_.setPageSize(QPageSize(p.size));
    }
    return false;
}

void PrinterSurface::SetOrientation(int16_t code)
{
    printer_.setPageOrientation(code == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

int16_t PrinterSurface::Orientation() const
{
    return printer_.pageLayout().orientation() == QPageLayout::Landscape ? kLandscape : kPortrait;
}

int32_t PrinterSurface::PaperWidthTwips() const { return ToTwips(printer_.paperRect(QPrinter::Point).width()); }

int32_t PrinterSurface::PaperHeightTwips() const { return ToTwips(printer_.paperRect(QPrinter::Point).height()); }

double PrinterSurface::PaperWidthMm() const { return printer_.paperRect(QPrinter::Millimeter).width(); }

double PrinterSurface::PaperHeightMm() const { return printer_.paperRect(QPrinter::Millimeter).height(); }

double PrinterSurface::PrintableWidthMm() const { return printer_.pageRect(QPrinter::Millimeter).width(); }

double PrinterSurface::PrintableHeightMm() const { return printer_.pageRect(QPrinter::Millimeter).height(); }

QPaintDevice* PrinterSurface::Target() { return sendingTo_; }

QSizeF PrinterSurface::TargetSize() const { return printer_.pageRect(QPrinter::DevicePixel).size(); }

int PrinterSurface::TargetDpi() const { return printer_.resolution(); }

PrinterSurface::State PrinterSurface::Capture() const
{
    return {Scale().left, Scale().top,   Scale().width, Scale().height, Position().x(), Position().y(), ForeColor(),
            Dotted(),     CurveDashes(), FontName(),    FontSize(),     FontBold(),     FontItalic()};
}

void PrinterSurface::Restore(const State& s)
{
    SetScale(s.left, s.top, s.left + s.width, s.top + s.height);
    MoveTo(s.x, s.y);
    SetForeColor(s.fore);
    SetDotted(s.dotted);
    SetCurveDashes(s.dashes);
    SetFontName(s.face);
    SetFontSize(s.points);
    SetFontBold(s.bold);
    SetFontItalic(s.italic);
}

void PrinterSurface::Keep(std::function<void(PainterSurface&)> draw) { calls_.push_back({Capture(), std::move(draw)}); }

bool PrinterSurface::EndDoc()
{
    if (calls_.empty()) return true;
    const std::vector<Call> calls = std::move(calls_);
    calls_.clear();
    if (!HasPrinter()) return WritePdf(calls);
    return Replay(calls, printer_) && printer_.printerState() != QPrinter::Error;
}

bool PrinterSurface::Replay(const std::vector<Call>& calls, QPaintDevice& device)
{
    const State live = Capture();
    sendingTo_ = &device;
    bool opened = true;
    for (const Call& call : calls) {
        Restore(call.state);
        call.draw(*this);
        // The first call opens the document; when that fails, so would the rest.
        opened = device.paintingActive();
        if (!opened) break;
    }
    EndPainting();
    sendingTo_ = nullptr;
    Restore(live);
    return opened;
}

// The writer gets the printer's page and resolution, so the page lands where
// the printer would put it, and its document name and creator. The document
// is made whole in memory first: the file gets every byte of it or none.
bool PrinterSurface::WritePdf(const std::vector<Call>& calls)
{
    QByteArray pdf;
    bool drawn = false;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(printer_.resolution());
        writer.setPageLayout(printer_.pageLayout());
        writer.setTitle(printer_.docName());
        writer.setCreator(printer_.creator());
        drawn = Replay(calls, writer);
    }
    return drawn && !WriteWholeFile(outputFile_, pdf);
}

void PrinterSurface::KillDoc() { calls_.clear(); }

void PrinterSurface::Clear()
{
    Keep([](PainterSurface& s) { s.PainterSurface::Clear(); });
    PainterSurface::Clear();
}

void PrinterSurface::Line(double x1, double y1, double x2, double y2)
{
    Keep([=](PainterSurface& s) { s.PainterSurface::Line(x1, y1, x2, y2); });
    PainterSurface::Line(x1, y1, x2, y2);
}

void PrinterSurface::Line(double x1, double y1, double x2, double y2, const QColor& colour)
{
    Keep([=](PainterSurface& s) { s.PainterSurface::Line(x1, y1, x2, y2, colour); });
    PainterSurface::Line(x1, y1, x2, y2, colour);
}

void PrinterSurface::LineTo(double x, double y, const QColor& colour)
{
    Keep([=](PainterSurface& s) { s.PainterSurface::LineTo(x, y, colour); });
    PainterSurface::LineTo(x, y, colour);
}

void PrinterSurface::SetPixel(double x, double y, const QColor& colour)
{
    Keep([=](PainterSurface& s) { s.PainterSurface::SetPixel(x, y, colour); });
    PainterSurface::SetPixel(x, y, colour);
}

void PrinterSurface::Rect(double x1, double y1, double x2, double y2)
{
    Keep([=](PainterSurface& s) { s.PainterSurface::Rect(x1, y1, x2, y2); });
    PainterSurface::Rect(x1, y1, x2, y2);
}

void PrinterSurface::Stroke(double x1, double y1, double x2, double y2, const QColor& colour)
{
    Keep([=](PainterSurface& s) { s.PainterSurface::Stroke(x1, y1, x2, y2, colour); });
    PainterSurface::Stroke(x1, y1, x2, y2, colour);
}

void PrinterSurface::PaintInto(double x1, double y1, double x2, double y2, QSizeF size, const Painting& paint)
{
    Keep([=](PainterSurface& s) { s.PainterSurface::PaintInto(x1, y1, x2, y2, size, paint); });
    PainterSurface::PaintInto(x1, y1, x2, y2, size, paint);
}

bool PrinterSurface::NewPage()
{
    Keep([](PainterSurface& s) { s.PainterSurface::NewPage(); });
    return true;
}

void PrinterSurface::Print(const QString& text)
{
    Keep([=](PainterSurface& s) { s.PainterSurface::Print(text); });
    PainterSurface::Print(text);
}
