// Renders the pictures of the user guide from the real windows, offscreen:
// the sample circuit entered and calculated, its drawing, the definition
// dialogs, the graph page with a held marker, the print preview, and Z2's
// capacitor tuned and stepped with the tuning window beside the graphs; in
// Japanese, and in English into the folder's en/. Run through
// scripts/guide-pictures; the first argument is the folder written to.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "sweep/curve_searches.h"
#include "graph/graph_page.h"
#include "platform/fonts.h"
#include "platform/picture_box.h"
#include "document/language.h"
#include "ui/current_dialog.h"
#include "ui/diagram_window.h"
#include "ui/element_tuning_window.h"
#include "ui/main_window.h"
#include "ui/matrix_dialog.h"
#include "ui/selector.h"

namespace {

bool Save(QWidget& w, const QDir& folder, const char* name)
{
    const bool saved = w.grab().save(folder.filePath(QString::fromLatin1(name)));
    if (!saved) std::fprintf(stderr, "guide_pictures: cannot write %s\n", name);
    return saved;
}

// The graph page with the tuning window beside it, as on a screen.
bool SaveWithTuning(QWidget& graph, QWidget& tuning, const QDir& folder, const char* name)
{
    constexpr int kGap = 12;
    const QPixmap page = graph.grab(), window = tuning.grab();
    QPixmap picture(page.width() + kGap + window.width(), std::max(page.height(), window.height()));
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, page);
    painter.drawPixmap(page.width() + kGap, 0, window);
    painter.setPen(Qt::gray);
    painter.drawRect(QRect(QPoint(page.width() + kGap, 0), window.size()).adjusted(-1, 0, 0, -1));
    painter.end();
    const bool saved = picture.save(folder.filePath(QString::fromLatin1(name)));
    if (!saved) std::fprintf(stderr, "guide_pictures: cannot write %s\n", name);
    return saved;
}

// Every picture of the guide, in the language in use.
bool SavePictures(const QDir& folder, const QString& sample)
{
    bool saved = true;
    MainWindow window;
    window.show();
    if (!window.OpenFile(sample)) return false;
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

    // Z2's capacitor tuned by the slider against the circuit's own curve,
    // kept; the marker on the tuned curve.
    graph.DropReadoutHolds();
    graph.OnKeepCurve();
    window.OpenElementTuning();
    ElementTuningWindow& tuning = *window.Tuning();
    tuning.BranchSelector().setCurrentIndex(1);
    tuning.KindOption(ElementKind::Capacitance).setChecked(true);
    tuning.OnElementChosen();
    tuning.Slider().setValue(ElementTuningWindow::kSliderSteps * 3 / 4);
    const double x = graph.GraphBox(Graph::Magnitude).ToUser({graph.GraphBox(Graph::Magnitude).width() * 0.28, 0}).x();
    graph.OnGraphMouseMove(Graph::Magnitude, x, 2);
    saved &= SaveWithTuning(graph, tuning, folder, "tuning.png");

    // The same capacitor stepped through five values.
    tuning.StepsField().setText(QStringLiteral("220n, 470n, 1u, 2.2u, 4.7u"));
    tuning.DrawButton().click();
    graph.OnGraphMouseMove(Graph::Magnitude, x, 2);
    saved &= SaveWithTuning(graph, tuning, folder, "stepping.png");
    tuning.close();
    return saved;
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    if (argc != 3) {
        std::fprintf(stderr, "usage: guide_pictures FOLDER SAMPLE.brivel\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString sample = QString::fromLocal8Bit(argv[2]);
    UseLanguage(Language::Japanese);
    bool saved = SavePictures(folder, sample);
    UseLanguage(Language::English);
    saved &= folder.mkpath(QStringLiteral("en")) && SavePictures(QDir(folder.filePath(QStringLiteral("en"))), sample);
    return saved ? 0 : 1;
}
