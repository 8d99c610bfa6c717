#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageSetupDialog>

#include "document/language.h"
#include "calc/calc_error.h"
#include "calc/checked.h"
#include "platform/message_box.h"
#include "sweep/sweep_table.h"
#include "platform/picture_box.h"
#include "print/page_drawer.h"
#include "print/page_export.h"
#include "print/page_host.h"
#include "print/preview_window.h"
#include "print/print_texts.h"
#include "print/report_page.h"
#include "print/arrow_spinner.h"

namespace {

// The clipboard's PNG of the page block, for a document or a report.
constexpr int kClipboardPngDpi = 300;
const QString kPngMimeType = QStringLiteral("image/png");

}  // namespace

void PreviewWindow::CoordinateSetup()
{
    prt_.margins = {
        static_cast<int16_t>(marginSpinners_[0]->Value()), static_cast<int16_t>(marginSpinners_[1]->Value()),
        static_cast<int16_t>(marginSpinners_[2]->Value()), static_cast<int16_t>(marginSpinners_[3]->Value())};
    printer_.SetScaleMillimetres();
    SizePictures();
    clipboardPicture_.SetScaleMillimetres();
    const auto apply = [](DrawSurface& s, const ScaleCorners& c) { s.SetScale(c.left, c.top, c.right, c.bottom); };
    apply(printer_, PrinterScale(prt_.paper, prt_.margins));
    apply(*previewPicture_, PictureScale(prt_.paper, prt_.margins));
    apply(clipboardPicture_, ClipScale(prt_.paper, prt_.margins, prt_.legendRows));
}

float PreviewWindow::MeasureFontRatio()
{
    printer_.SetFontSize(10);
    previewPicture_->SetFontSize(10);
    const QString probe = QString::fromUtf8(prtext::kFontProbe);
    return static_cast<float>(checked::Div(printer_.TextWidth(probe), previewPicture_->TextWidth(probe)));
}

PageSources PreviewWindow::Sources(bool withCircuit) const
{
    return {prt_, graph_, sweep_, outcome_, withCircuit && PrintsCircuit() ? &*report_ : nullptr};
}

bool PreviewWindow::Complete(const SweepResult& page)
{
    switch (page.kind) {
    case SweepResult::Completed:
        return true;
    case SweepResult::NoCalculation:
        ShowMessage(Tr(prtext::kEnterCircuit), MessageIcon::Error, this);
        host_.PressReturn();
        return false;
    case SweepResult::Failed:
        ShowMessage(Tr(page.description), MessageIcon::Information, this);
        return false;
    }
    return false;
}

bool PreviewWindow::DrawPage()
{
    PageDrawer drawer(prt_, *previewPicture_, graph_, sweep_, outcome_);
    return Complete(drawer.DrawPage());
}

void PreviewWindow::Preview()
{
    previewPicture_->Clear();
    CoordinateSetup();
    try {
        prt_.fontRatio = MeasureFontRatio();
    } catch (const CalcError& e) {
        ShowMessage(Tr(e.description()), MessageIcon::Information, this);
        return;
    }
    prt_.surface = previewPicture_;
    prt_.fontScale = prt_.fontRatio;
    if (PrintsCircuit() && circuitPageBox_->isChecked())
        DrawReportPage(prt_, *previewPicture_, *report_);
    else
        DrawPage();
}

void PreviewWindow::MarginChanged()
{
    MirrorMargins();
    Preview();
}

// A page that could not be completed is abandoned, so nothing half drawn
// reaches the printer or a file. The save dialog starts next time where a
// page was last printed, never where printing failed.
void PreviewWindow::PrintPage()
{
    QString file;
    if (!printer_.HasPrinter()) {
        file = chooser_(this, PdfSuggestion());
        if (file.isEmpty()) return;
        printer_.SetOutputFile(file);
    }
    printer_.Printer().setDocName(PageTitleOf(prt_, graph_));
    printer_.Printer().setCreator(QString::fromUtf8(prtext::kCreator));
    prt_.surface = &printer_;
    prt_.fontScale = 1;
    if (!DrawPage()) {
        printer_.KillDoc();
        return;
    }
    if (PrintsCircuit()) {
        printer_.NewPage();
        DrawReportPage(prt_, *previewPicture_, *report_);
    }
    if (!printer_.EndDoc()) {
        ShowMessage(Tr(prtext::kPrinterFailed), MessageIcon::Information, this);
        return;
    }
    if (!file.isEmpty()) pdfPlace_.Written(file, host_.CircuitFile());
}

// Only the orientation is taken from the dialog, and only when it is
// confirmed; the page geometry stays that measured when the window was made.
void PreviewWindow::PrintSetup()
{
    printer_.KillDoc();
    QPrinter& real = printer_.Printer();
    QPrinter choice(QPrinter::HighResolution);
    choice.setOutputFormat(real.outputFormat());
    if (real.outputFormat() == QPrinter::NativeFormat) choice.setPrinterName(real.printerName());
    choice.setPageLayout(real.pageLayout());
    QPageSetupDialog dialog(&choice, this);
    if (dialog.exec() != QDialog::Accepted) return;
    printer_.SetOrientation(choice.pageLayout().orientation() == QPageLayout::Landscape ? PrinterSurface::kLandscape
                                                                                        : PrinterSurface::kPortrait);
    Preview();
}

// The clipboard gets the page block as the preview draws it, without the
// margin outline, and beside that picture the same block as a PNG of 300
// dpi, the plotted sweep as a table of tab-separated text and the block as
// SVG; the preview keeps that look until the next preview, unless it showed
// the circuit's page, which it shows again. The circuit's page is never
// copied.
void PreviewWindow::CopyToClipboard()
{
    prt_.forClipboard = true;
    previewPicture_->Clear();
    clipboardPicture_.Clear();
    try {
        prt_.fontRatio = MeasureFontRatio();
    } catch (const CalcError& e) {
        prt_.forClipboard = false;
        ShowMessage(Tr(e.description()), MessageIcon::Information, this);
        return;
    }
    prt_.surface = previewPicture_;
    prt_.fontScale = prt_.fontRatio;
    const bool complete = DrawPage();
    prt_.forClipboard = false;
    if (!complete) return;

    // Whole pixels of the preview, and the clipboard picture just as large:
    // the copy is the preview's own pixels, neither stretched nor resampled.
    const ScaleCorners area = ClipScale(prt_.paper, prt_.margins, prt_.legendRows);
    const QRect source =
        QRectF(previewPicture_->ToPainter(area.left, area.top), previewPicture_->ToPainter(area.right, area.bottom))
            .toAlignedRect()
            .intersected(previewPicture_->rect());
    clipboardPicture_.Resize(source.size(), previewPicture_->devicePixelRatioF());
    clipboardPicture_.PaintPicture(previewPicture_->Image(), source,
                                   QRectF(QPointF(area.left, area.top), QPointF(area.right, area.bottom)));
    auto* data = new QMimeData;
    data->setImageData(clipboardPicture_.Image());
    if (const std::optional<QString> table = SweepTable(kTabSeparator)) data->setText(*table);
    SweepResult outcome;
    const std::optional<QByteArray> svg = PageSvg(Sources(false), area, BlockSizeMm(prt_), outcome);
    if (Complete(outcome)) data->setData(QString::fromUtf8(prtext::kSvgMimeType), *svg);
    const std::optional<QByteArray> png = PagePng(Sources(false), area, BlockSizeMm(prt_), kClipboardPngDpi, outcome);
    if (Complete(outcome)) data->setData(kPngMimeType, *png);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setMimeData(data);
    if (PrintsCircuit() && circuitPageBox_->isChecked()) Preview();
}

void PreviewWindow::CloseWindow()
{
    printer_.KillDoc();
    done(QDialog::Rejected);
}
