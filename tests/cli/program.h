#pragma once
// The built program run as a child process, with no display: DISPLAY,
// WAYLAND_DISPLAY and QT_QPA_PLATFORM are removed from its environment.

#include <QString>
#include <QStringList>

struct ProgramRun {
    int exitCode = -1;
    QString out, err;
};

// Standard output goes to `outputFile` when one is given.
ProgramRun RunProgram(const QStringList& arguments, const QString& outputFile = {});

// A file of the examples folder.
QString ExampleFile(const char* name);
