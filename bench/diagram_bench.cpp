// One edit in the diagram window of a 15-branch, 5-mesh ladder, up to the
// repainted window with its meshes' currents, branch currents and matrix,
// beside repainting the same drawing alone, in a scroll area that shows as
// much of it as the window does. The edit turns a rung round and back, which
// changes the signs of its current and of the loops' items in the list.

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollArea>
#include <benchmark/benchmark.h>

#include "tests/support/drawings.h"
#include "ui/diagram_window.h"
#include "until_painted.h"

namespace {

void EditBesideRepaint(benchmark::State& st)
{
    const Diagram ladder = drawing::Parse(drawing::Ladder(5));
    DiagramWindow window;
    window.SetDrawing({ladder, {}});
    window.show();
    UntilPainted(*window.Canvas(), [] {});

    QScrollArea frame;
    auto* alone = new DiagramCanvas;
    DiagramPicture plain;
    plain.diagram = ladder;
    alone->Show(plain);
    frame.setWidget(alone);
    const QScrollArea* shown = window.findChild<QScrollArea*>();
    frame.setFixedSize(shown->size());
    frame.show();
    UntilPainted(*alone, [] {});

    const int rung = 2;  // the place of Z2, the first mesh's rung
    window.Canvas()->SetSelection({rung});
    QElapsedTimer timer;
    double editNs = 0, repaintNs = 0;
    for (auto _ : st) {
        timer.start();
        UntilPainted(*window.Canvas(), [&] { window.OnReverse(); });
        editNs += timer.nsecsElapsed();
        timer.start();
        UntilPainted(*alone, [&] { alone->update(); });
        repaintNs += timer.nsecsElapsed();
    }
    if (!std::holds_alternative<DiagramLoops>(window.Outcome())) st.SkipWithError("the drawing was refused");
    const double n = static_cast<double>(st.iterations());
    st.counters["edit_ms"] = editNs / n / 1e6;
    st.counters["repaint_ms"] = repaintNs / n / 1e6;
    st.counters["ratio"] = editNs / repaintNs;
}

}  // namespace

BENCHMARK(EditBesideRepaint)->Iterations(200)->Unit(benchmark::kMillisecond);
