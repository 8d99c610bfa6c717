#include "document/whole_file.h"

#include <QSaveFile>

namespace {

// Unbuffered, and on until a write fails: a buffered QSaveFile takes a short
// write for the whole (a full disk, a file-size limit) and commits a cut file.
bool WriteAll(QSaveFile& file, const QByteArray& bytes)
{
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) return false;
        done += written;
    }
    return true;
}

}  // namespace

std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (WriteAll(file, bytes) && file.commit()) return std::nullopt;
    return QString::fromUtf8(kCannotSaveFile) + file.errorString();
}
