#pragma once
// What the circuit's page of the report is drawn from: the circuit as
// entered, the file it belongs to, the day it is printed and the circuit's
// drawing as the diagram window paints it. A value: drawing it changes
// nothing of the circuit.

#include <QDate>
#include <QSizeF>
#include <QString>

#include "document/circuit_document.h"
#include "platform/draw_surface.h"

// A picture painted on a canvas of `size`, in the canvas's units; its fonts
// are sized in those units, so that it scales whole.
struct ReportDrawing {
    QSizeF size;
    DrawSurface::Painting paint;  // nothing for a circuit never drawn
};

struct CircuitReport {
    CircuitDocument document;
    QString file;  // opened from or saved to; empty for none
    QDate date;
    ReportDrawing drawing;
};
