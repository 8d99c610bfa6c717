#include "document/recovery_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QUuid>

#include "document/circuit_file.h"
#include "document/whole_file.h"

namespace {

// Beside the circuit, which the file reader takes without it.
const QString kCircuitFileKey = QStringLiteral("file");

QString LockPath(const QString& path) { return path + QStringLiteral(".lock"); }

// Only a program that is gone gives up its lock; age alone never does, as a
// window may stay open for days.
std::unique_ptr<QLockFile> TryLock(const QString& path)
{
    auto lock = std::make_unique<QLockFile>(LockPath(path));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

}  // namespace

RecoveryFile::RecoveryFile(QString folder) : folder_(std::move(folder)) {}

RecoveryFile::~RecoveryFile()
{
    if (!keepAtExit_) Remove();
}

QString RecoveryFile::DefaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("recovery"));
}

bool RecoveryFile::Claim()
{
    if (lock_) return true;
    if (!QDir().mkpath(folder_)) return false;
    const QString name =
        QStringLiteral("circuit-%1.%2")
            .arg(QUuid::createUuid().toString(QUuid::WithoutBraces), QString::fromUtf8(kCircuitFileSuffix));
    const QString path = QDir(folder_).filePath(name);
    lock_ = TryLock(path);
    if (!lock_) return false;
    path_ = path;
    return true;
}

bool RecoveryFile::Write(const CircuitDocument& document, const QString& circuitFile)
{
    if (!Claim()) return false;
    QJsonObject recovery = QJsonDocument::fromJson(CircuitFileText(document)).object();
    recovery.insert(kCircuitFileKey, circuitFile);
    return !WriteWholeFile(path_, QJsonDocument(recovery).toJson());
}

void RecoveryFile::Remove()
{
    if (!lock_) return;
    QFile::remove(path_);
    lock_.reset();
    path_.clear();
}

LeftRecovery::LeftRecovery(QString path, std::unique_ptr<QLockFile> lock)
    : path_(std::move(path)), lock_(std::move(lock))
{
}

RecoveredCircuit LeftRecovery::Read() const
{
    CircuitFileRead read = ReadCircuitFile(path_);
    const QString circuitFile = QJsonDocument::fromJson(read.bytes).object().value(kCircuitFileKey).toString();
    return {std::move(read), circuitFile};
}

void LeftRecovery::Remove()
{
    QFile::remove(path_);
    lock_.reset();
}

QString LeftRecovery::SetAside()
{
    const QString aside = path_ + QStringLiteral(".damaged");
    const QString kept = QFile::rename(path_, aside) ? aside : path_;
    lock_.reset();
    return kept;
}

std::optional<LeftRecovery> FindLeftRecovery(const QString& folder)
{
    const QFileInfoList files = QDir(folder).entryInfoList(
        {QStringLiteral("*.") + QString::fromUtf8(kCircuitFileSuffix)}, QDir::Files, QDir::Time);
    for (const QFileInfo& file : files)
        if (auto lock = TryLock(file.filePath())) return LeftRecovery(file.filePath(), std::move(lock));
    return std::nullopt;
}
