// What leaves the preview window besides the printout: the page as PDF or
// SVG and the plotted sweep as CSV, each written whole or not at all.

#include <QFileInfo>

#include "document/language.h"
#include "sweep/graph_state.h"
#include "sweep/sweep_table.h"
#include "platform/message_box.h"
#include "document/qstring_utf8.h"
#include "document/whole_file.h"
#include "print/page_export.h"
#include "print/page_host.h"
#include "print/preview_window.h"
#include "print/print_texts.h"

std::optional<QString> PreviewWindow::SweepTable(QChar separator) const
{
    if (outcome_.kind != SweepResult::Completed) return std::nullopt;
    const KeptCurve* kept = sweep_.quantity == PlottedQuantity::InputImpedance ? &graph_.keptCurve : nullptr;
    return SweepTableText(sweep_, kept, separator);
}

bool PreviewWindow::WriteExport(const QString& path, const QByteArray& bytes)
{
    if (const std::optional<QString> failure = WriteWholeFile(path, bytes)) {
        ShowMessage(*failure, MessageIcon::Error, this);
        return false;
    }
    return true;
}

// The type is that of the name's suffix; the dialog adds the chosen type's
// suffix to a name typed without one.
void PreviewWindow::SaveVector()
{
    const SaveQuestion question{
        Tr(prtext::kSaveVector),
        {{U8(prtext::kPdfFilter), U8(prtext::kPdfSuffix)}, {U8(prtext::kSvgFilter), U8(prtext::kSvgSuffix)}},
        vectorPlace_.Suggestion(host_.CircuitFile())};
    const QString path = saveChooser_(this, question);
    if (path.isEmpty()) return;
    const bool svg = QFileInfo(path).suffix().compare(U8(prtext::kSvgSuffix), Qt::CaseInsensitive) == 0;
    SweepResult outcome;
    const std::optional<QByteArray> page = svg ? PageSvg(Sources(true), SheetArea(prt_), SheetSizeMm(prt_), outcome)
                                               : PagePdf(Sources(true), printer_.Printer(), outcome);
    if (Complete(outcome) && WriteExport(path, *page)) vectorPlace_.Written(path, host_.CircuitFile());
}

void PreviewWindow::SaveCsv()
{
    const SaveQuestion question{Tr(prtext::kSaveCsv),
                                {{U8(graph_text::kCsvFilter), U8(graph_text::kCsvSuffix)}},
                                csvPlace_.Suggestion(host_.CircuitFile())};
    const QString path = saveChooser_(this, question);
    if (path.isEmpty()) return;
    const std::optional<QString> table = SweepTable(kCsvSeparator);
    if (!table) {
        const bool noCircuit = outcome_.kind == SweepResult::NoCalculation;
        ShowMessage(noCircuit ? Tr(prtext::kEnterCircuit) : Tr(outcome_.description),
                    noCircuit ? MessageIcon::Error : MessageIcon::Information, this);
        return;
    }
    if (WriteExport(path, table->toUtf8())) csvPlace_.Written(path, host_.CircuitFile());
}
