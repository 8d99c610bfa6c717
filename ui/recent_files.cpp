#include "recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kKey = QStringLiteral("recentFiles");

void Store(const QStringList& files)
{
    QSettings settings;
    settings.setValue(kKey, files);
}

// The same file however it was named.
QString Canonical(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

}  // namespace

QStringList RecentFiles() { return QSettings().value(kKey).toStringList().mid(0, kMostRecentFiles); }

void RememberRecentFile(const QString& path)
{
    QStringList files = RecentFiles();
    const QString file = Canonical(path);
    files.removeAll(file);
    files.prepend(file);
    Store(files.mid(0, kMostRecentFiles));
}

void ForgetRecentFile(const QString& path)
{
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.removeAll(Canonical(path));
    Store(files);
}
