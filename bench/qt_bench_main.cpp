#include <QApplication>
#include <benchmark/benchmark.h>

#include "platform/fonts.h"

// The main of every benchmark that draws: widgets need an application.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Windows repaint at the next turn of the event loop, not after the
    // toolkit's few milliseconds of waiting, so that a measured step that
    // ends by processing events includes its painting.
    if (qEnvironmentVariableIsEmpty("QT_QPA_UPDATE_IDLE_TIME")) qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
