#pragma once
// What names the curves of a stepped family, one value each, on the graphs
// and on the printed page: a title, then each curve's colour and value.

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

#include "sweep/plotted_sweep.h"

class PictureBox;

struct LegendEntry {
    QColor colour;
    QString text;
};

struct CurveLegend {
    QString title;
    std::vector<LegendEntry> entries;
};

// The family's element ("Z3: C", after the branch curve's name for a branch
// quantity, "V06　Z3: C") and each member's value ("2.2 μF") in its colour;
// nothing for the sweep of a single circuit.
CurveLegend LegendOf(const PlottedSweep& sweep);

// The legend in the top right corner of a graph, on a layer over its
// picture, so that a redraw of the curves never covers it and it leaves
// the picture as drawn: the title, then a stroke in each entry's colour
// before its text, in that colour too. The pointer passes through it to the
// graph.
class LegendOverlay : public QWidget {
    Q_OBJECT
public:
    explicit LegendOverlay(PictureBox& graph);

    // Hidden for a legend without entries.
    void ShowLegend(const CurveLegend& legend);
    const CurveLegend& Legend() const { return legend_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureBox& graph_;
    CurveLegend legend_;
};
