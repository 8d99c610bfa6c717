// Brivel: loop analysis of linear AC networks.

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/fonts.h"
#include "platform/toolkit_language.h"
#include "ui/command_line.h"
#include "ui/main_window.h"

namespace {

// The toolkit aborts when it cannot reach a display; say so plainly instead.
bool DisplayAvailable()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (IsCommandLineMode(argc, argv)) return RunCommandLine(argc, argv);
    if (!DisplayAvailable()) {
        std::fprintf(stderr,
                     "brivel: no display found (DISPLAY and WAYLAND_DISPLAY are unset); "
                     "start it in a graphical session.\n");
        return 1;
    }
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    InstallToolkitTranslation();
    MainWindow window;
    QObject::connect(&window, &MainWindow::endRequested, &app, &QCoreApplication::quit);
    window.show();
    return app.exec();
}
