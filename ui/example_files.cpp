#include "example_files.h"

#include <QCoreApplication>
#include <QDir>

#include "document/circuit_file.h"

QFileInfoList ExampleFiles()
{
    const QStringList folders = {QCoreApplication::applicationDirPath() + QStringLiteral("/../share/brivel/examples"),
                                 QStringLiteral(BRIVEL_SOURCE_EXAMPLES)};
    for (const QString& folder : folders) {
        const QDir examples(folder);
        if (examples.exists())
            return examples.entryInfoList({QStringLiteral("*.") + QString::fromUtf8(kCircuitFileSuffix)}, QDir::Files,
                                          QDir::Name);
    }
    return {};
}
