// Renders the pictures of the user guide from the real windows, offscreen:
// the sample circuit entered and calculated, its drawing, the definition
// dialogs, the graph page with a held marker, and the print preview. Run through
// scripts/guide-pictures; the first argument is the folder written to.

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTimer>
#include <cstdio>

#include "sweep/curve_searches.h"
#include "graph/graph_page.h"
#include "platform/fonts.h"
#include "platform/picture_box.h"
#include "document/language.h"
#include "ui/current_dialog.h"
#include "ui/diagram_window.h"
#include "ui/main_window.h"
#include "ui/matrix_dialog.h"

namespace {

bool Save(QWidget& w, const QDir& folder, const char* name)
{
    const bool saved = w.grab().save(folder.filePath(QString::fromLatin1(name)));
    if (!saved) std::fprintf(stderr, "guide_pictures: cannot write %s\n", name);
    return saved;
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    UseLanguage(Language::Japanese);
    if (argc != 3) {
        std::fprintf(stderr, "usage: guide_pictures FOLDER SAMPLE.brivel\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool saved = true;

    MainWindow window;
    window.show();
    if (!window.OpenFile(QString::fromLocal8Bit(argv[2]))) return 1;
    window.OnCalculate();
    saved &= Save(window, folder, "main_window.png");

    // As large as the sample drawing needs.
    window.OnDiagram();
    window.Diagram()->resize(860, 440);
    saved &= Save(*window.Diagram(), folder, "diagram_window.png");
    window.Diagram()->close();

    BranchCurrentDialog current(2, 2);
    current.OnLoopButton(1);
    current.OnMinus();
    current.OnLoopButton(2);
    current.show();
    saved &= Save(current, folder, "current_dialog.png");

    MatrixElementDialog matrix(1, 2, 3);
    matrix.OnMinus();
    matrix.OnBranchButton(2);
    matrix.show();
    saved &= Save(matrix, folder, "matrix_dialog.png");

    window.OnShowFrequencyCharacteristics();
    GraphPage& graph = window.Graph();
    graph.OnGraphMenuRequested(Graph::Magnitude, QPointF(graph.GraphBox(Graph::Magnitude).width() / 2.0, 20));
    graph.GraphMenu().hide();
    graph.OnSearch(CurveSearch::Minimum);
    saved &= Save(window, folder, "graph_page.png");

    // The preview is modal: it is pictured once it is up, then closed.
    QTimer::singleShot(0, [&] {
        if (QWidget* preview = QApplication::activeModalWidget()) {
            saved &= Save(*preview, folder, "preview.png");
            preview->close();
        }
    });
    graph.OnPrint();
    return saved ? 0 : 1;
}
