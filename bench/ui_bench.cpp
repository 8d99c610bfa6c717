// The cost of Brivel's main window beside an empty window of the same size
// that shows one text in the same faces: the time from construction to the
// first painted frame, in this process; and, in fresh child processes of this
// program, the time from the start of the process to the first painted frame
// and the peak resident memory after the sample circuit has been calculated
// and the graph page redrawn.

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include "platform/font_names.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "document/qstring_utf8.h"
#include "ui/current_dialog.h"
#include "ui/element_dialog.h"
#include "ui/entry_field.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"
#include "ui/matrix_dialog.h"
#include "ui/texts.h"
#include "until_painted.h"

namespace {

// The child modes: start the one window, report its figures, end.
const char* kPeakBrivel = "--child-brivel";
const char* kPeakEmpty = "--child-empty";

void ShowUntilPainted(QWidget& w)
{
    UntilPainted(w, [&w] { w.show(); });
}

std::unique_ptr<QMainWindow> EmptyWindow(QSize size)
{
    auto window = std::make_unique<QMainWindow>();
    auto* label = new QLabel(U8(texts::kWindowCaption));
    label->setFont(MakeFont(U8(kFacePGothic), 12));
    window->setCentralWidget(label);
    window->setFixedSize(size);
    return window;
}

QSize MainWindowSize() { return twips::ToSize(layout::kClient.width, layout::kClient.height); }

void MainWindowFirstFrame(benchmark::State& st)
{
    for (auto _ : st) {
        MainWindow window;
        ShowUntilPainted(window);
    }
}

void EmptyWindowFirstFrame(benchmark::State& st)
{
    const QSize size = MainWindowSize();
    for (auto _ : st) {
        auto window = EmptyWindow(size);
        ShowUntilPainted(*window);
    }
}

// Answers the next modal dialog with act, then runs open, which brings it up.
template <typename Dialog>
void Answer(const std::function<void()>& open, const std::function<void(Dialog&)>& act)
{
    QTimer::singleShot(0, [act] {
        if (auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget())) act(*d);
    });
    open();
}

// The sample circuit of 1 Ω branches, calculated and drawn.
void RunSample(MainWindow& window)
{
    for (int b = 1; b <= 3; ++b)
        Answer<ElementDialog>([&] { window.OnElementButton(b); },
                              [](ElementDialog& d) {
                                  d.ValueField(kResistanceEntry)->setText("1");
                                  d.OnOk();
                              });
    // A press is a term number or one of the signs.
    constexpr int kPlus = 0, kMinus = -1;
    const auto press = [](SignedSumDialog& d, int term, const std::function<void(int)>& pressTerm) {
        if (term > 0)
            pressTerm(term);
        else if (term == kPlus)
            d.OnPlus();
        else
            d.OnMinus();
    };
    const auto matrix = [&](int j, int k, std::initializer_list<int> presses) {
        Answer<MatrixElementDialog>([&] { window.OnMatrixButton(j, k); },
                                    [presses, press](MatrixElementDialog& d) {
                                        for (int p : presses) press(d, p, [&d](int b) { d.OnBranchButton(b); });
                                        d.OnOk();
                                    });
    };
    matrix(1, 1, {1, kPlus, 2});
    matrix(1, 2, {kMinus, 2});
    matrix(2, 2, {2, kPlus, 3});
    const auto current = [&](int b, std::initializer_list<int> presses) {
        Answer<BranchCurrentDialog>([&] { window.OnCurrentButton(b); },
                                    [presses, press](BranchCurrentDialog& d) {
                                        for (int p : presses) press(d, p, [&d](int k) { d.OnLoopButton(k); });
                                        d.OnOk();
                                    });
    };
    current(1, {1});
    current(2, {1, kMinus, 2});
    current(3, {2});
    window.OnCalculate();
    window.OnShowFrequencyCharacteristics();
}

long PeakKilobytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

int PeakChild(const char* mode, const QElapsedTimer& sinceStart)
{
    double firstFrameMs = 0;
    if (mode == std::string_view(kPeakBrivel)) {
        SetMessageInterceptor([](const QString& text, MessageIcon) {
            std::fprintf(stderr, "unexpected message: %s\n", text.toUtf8().constData());
        });
        MainWindow window;
        ShowUntilPainted(window);
        firstFrameMs = sinceStart.nsecsElapsed() / 1e6;
        RunSample(window);
        QCoreApplication::processEvents();
    } else {
        auto window = EmptyWindow(MainWindowSize());
        ShowUntilPainted(*window);
        firstFrameMs = sinceStart.nsecsElapsed() / 1e6;
    }
    std::printf("%f %ld\n", firstFrameMs, PeakKilobytes());
    return 0;
}

struct ChildFigures {
    double firstFrameMs = 0;
    double peakMB = 0;
};

ChildFigures RunChild(const char* mode)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {U8(mode)});
    child.waitForFinished(60000);
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2) return {};
    return {fields[0].toDouble(), fields[1].toLong() / 1024.0};
}

// Each iteration starts both programs afresh; the counters are the means.
void FreshProcesses(benchmark::State& st)
{
    ChildFigures brivel, empty;
    for (auto _ : st) {
        const ChildFigures b = RunChild(kPeakBrivel), e = RunChild(kPeakEmpty);
        brivel.firstFrameMs += b.firstFrameMs;
        brivel.peakMB = std::max(brivel.peakMB, b.peakMB);
        empty.firstFrameMs += e.firstFrameMs;
        empty.peakMB = std::max(empty.peakMB, e.peakMB);
    }
    const double n = static_cast<double>(st.iterations());
    st.counters["brivel_first_frame_ms"] = brivel.firstFrameMs / n;
    st.counters["empty_first_frame_ms"] = empty.firstFrameMs / n;
    st.counters["brivel_peak_MB"] = brivel.peakMB;
    st.counters["empty_peak_MB"] = empty.peakMB;
    st.counters["peak_ratio"] = empty.peakMB > 0 ? brivel.peakMB / empty.peakMB : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    if (argc == 2 && (argv[1] == std::string_view(kPeakBrivel) || argv[1] == std::string_view(kPeakEmpty)))
        return PeakChild(argv[1], sinceStart);

    benchmark::RegisterBenchmark("EmptyWindowFirstFrame", EmptyWindowFirstFrame)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("MainWindowFirstFrame", MainWindowFirstFrame)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FreshProcesses", FreshProcesses)->Iterations(5)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
