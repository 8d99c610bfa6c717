#pragma once
// The working circuit of a running window, kept in the user's data folder so
// that a crash, a killed process or a log-out does not lose it. Each window
// writes its own file, claimed with a lock file beside it; a recovery file
// whose lock is free or stale belongs to a program that did not end normally
// and is offered at the next start.

#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>

#include "document/circuit_file.h"

class RecoveryFile {
public:
    explicit RecoveryFile(QString folder = DefaultFolder());
    // A normal end: the file goes, unless KeepAtExit() was called.
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    // "recovery" in the user's data folder.
    static QString DefaultFolder();

    // Replaces the file whole with the circuit and the file it was opened
    // from or saved to (empty for none); a failed write leaves the previous
    // copy and returns false. The file and its lock are made at the first
    // write, so a window that never changes touches no disk.
    bool Write(const CircuitDocument& document, const QString& circuitFile);
    // Nothing left to recover: the circuit is saved or was given up.
    void Remove();
    // At log-out the file stays, to be offered at the next start.
    void KeepAtExit() { keepAtExit_ = true; }

    // Empty until the first write.
    const QString& Path() const { return path_; }

private:
    bool Claim();

    QString folder_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool keepAtExit_ = false;
};

// A recovery file of a program that did not end normally, locked for this
// program while it is offered, so that a second program starting at the
// same moment does not offer it too.
struct RecoveredCircuit {
    CircuitFileRead read;
    // The file the circuit was opened from or saved to; empty for none.
    QString circuitFile;
};

class LeftRecovery {
public:
    LeftRecovery(QString path, std::unique_ptr<QLockFile> lock);
    const QString& Path() const { return path_; }
    RecoveredCircuit Read() const;
    // Restored or declined, it is not offered again.
    void Remove();
    // One that cannot be read is set aside under another name, so that it is
    // neither offered again nor lost; that name, or the old one when it could
    // not be renamed.
    QString SetAside();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

// The newest such file in the folder; nothing when there is none.
std::optional<LeftRecovery> FindLeftRecovery(const QString& folder = RecoveryFile::DefaultFolder());
