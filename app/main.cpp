// Brivel: loop analysis of linear AC networks.

#include <QApplication>
#include <QSessionManager>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "platform/fonts.h"
#include "app/command_line.h"
#include "app/command_line_arguments.h"
#include "ui/main_window.h"
#include "ui/window_language.h"

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

// `brivel FILE`: the first argument the toolkit left that is no option nor
// the language of --lang.
QString FileToOpen()
{
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == OptionName(Option::Lang)) ++i;
        else if (!arguments[i].startsWith('-')) return arguments[i];
    }
    return {};
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
    // The names place the settings and the recovery files.
    QCoreApplication::setOrganizationName(QStringLiteral("Brivel"));
    QCoreApplication::setApplicationName(QStringLiteral("brivel"));
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.brivel.Brivel"));
    InstallFontSubstitutions();
    // --lang speaks for this run only; otherwise the language chosen last.
    UseLanguage(LanguageArgument(QCoreApplication::arguments()).value_or(RememberedLanguage()));
    MainWindow window;
    QObject::connect(&window, &MainWindow::endRequested, &app, &QCoreApplication::quit);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.KeepRecoveryForNextStart(); });
    window.show();
    // Questions come after the window is on screen.
    const QString file = FileToOpen();
    QTimer::singleShot(0, &window, [&window, file] {
        window.OfferRecovery();
        if (!file.isEmpty()) window.OpenAfterAsking(file);
    });
    return app.exec();
}
