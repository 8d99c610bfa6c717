#pragma once
// The report page as a vector file, drawn by the same routine that prints it:
// a PDF with the printer's paper, resolution and printable area, as the
// printer would receive it, or an SVG of a part of the sheet in its size on
// paper. Neither draws on the preview.

#include <optional>

#include <QByteArray>
#include <QSizeF>
#include <QString>

#include "print/circuit_report.h"
#include "print/page_geometry.h"
#include "print/print_state.h"
#include "sweep/plotted_sweep.h"

class QPrinter;

// What the page is drawn from; the print state's paper and margins are used,
// the state itself is left as it is. With a report, the circuit's page
// follows the graphs' page.
struct PageSources {
    const PrintState& prt;
    const GraphState& graph;
    const PlottedSweep& sweep;
    const SweepResult& outcome;
    const CircuitReport* report = nullptr;
};

// The title the page prints, which also names its document.
QString PageTitleOf(const PrintState& prt, const GraphState& graph);

// Nothing when the page could not be completed; `outcome` then tells why.
// The PDF has the circuit's page as its second page; the SVG has it below
// the area, as large as it: one picture that opens whole anywhere, as the
// two sheets laid one under the other.
std::optional<QByteArray> PagePdf(const PageSources& sources, const QPrinter& printer, SweepResult& outcome);
std::optional<QByteArray> PageSvg(const PageSources& sources, const ScaleCorners& area, QSizeF sizeMm,
                                  SweepResult& outcome);
// The area as a PNG picture of `dpi` dots per inch, which it says it has.
std::optional<QByteArray> PagePng(const PageSources& sources, const ScaleCorners& area, QSizeF sizeMm, int dpi,
                                  SweepResult& outcome);

// The whole sheet in page units and on paper.
ScaleCorners SheetArea(const PrintState& prt);
QSizeF SheetSizeMm(const PrintState& prt);
// The page block as the clipboard picture holds it, and its size on paper.
ScaleCorners BlockArea(const PrintState& prt);
QSizeF BlockSizeMm(const PrintState& prt);
