#include "program.h"

#include <QProcess>
#include <QProcessEnvironment>

ProgramRun RunProgram(const QStringList& arguments, const QString& outputFile)
{
    QProcess program;
    if (!outputFile.isEmpty()) program.setStandardOutputFile(outputFile);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(BRIVEL_PROGRAM), arguments);
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit) return {};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

QString ExampleFile(const char* name) { return QStringLiteral(BRIVEL_EXAMPLES "/") + QString::fromLatin1(name); }
