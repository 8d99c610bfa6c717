#pragma once
// Paints the diagram window's drawing: the grid, the segments with their
// symbols, the junctions, each mesh's current, the places of a refusal and
// of warnings, and what is being edited.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <optional>
#include <vector>

#include "diagram_view.h"
#include "document/mesh_mark.h"

class QPainter;

inline const QColor kDiagramInk(0, 0, 0);
inline const QColor kLoopInk(200, 0, 0);  // as the sample circuit's loop currents
inline const QColor kRefusalInk(220, 0, 0);
inline const QColor kWarningInk(128, 128, 128);
inline const QColor kEditInk(0, 90, 200);  // the selection, the cursor, what is being laid or moved

struct DiagramPicture {
    Diagram diagram;
    std::vector<MeshMark> meshes;  // loop k at [k − 1]
    std::optional<GridPoint> refusedAt;
    std::vector<GridPoint> warnedAt;
    std::vector<int> selected;  // places of segments
};

// What the editing adds on top.
struct EditingMarks {
    std::optional<GridPoint> cursor;
    std::optional<GridPoint> start;  // of a segment laid from the keyboard
    std::optional<Segment> laid;     // the segment being laid
    GridPoint movedBy;               // of the selection, while it is dragged
    std::optional<QRectF> band;      // a selection rectangle
};

// The faces of the names and of the numbers along the edges at a zoom.
struct DiagramFonts {
    QFont label, edge;
};
DiagramFonts FontsFor(double zoom);

void PaintDiagram(QPainter& p, const GridView& view, const DiagramFonts& fonts, const DiagramPicture& picture,
                  const EditingMarks& editing);
// The drawing alone, on white: its segments, junctions and mesh currents,
// without the grid, the marks of refusals and warnings, and the editing.
void PaintCircuit(QPainter& p, const GridView& view, const DiagramFonts& fonts, const DiagramPicture& picture);

// The grid points where three or more segments meet.
std::vector<GridPoint> Junctions(const Diagram& diagram);
