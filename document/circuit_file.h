#pragma once
// Circuit files: a CircuitDocument as UTF-8 JSON (.brivel). Reading never
// trusts the file; writing replaces the file whole or leaves it untouched.

#include <QString>
#include <optional>

#include "document/circuit_document.h"

inline constexpr const char* kCircuitFileSuffix = "brivel";

// Why a file was refused and where in it: a key path such as
// "elements[3].L.unit" (array positions from 0), empty for the file as a
// whole.
struct CircuitFileError {
    QString reason;
    QString place;
    // "ファイルを読み込めません：" with the reason and the place.
    QString Message() const;
};

struct CircuitFileRead {
    std::optional<CircuitDocument> document;
    CircuitFileError error;  // when there is no document
    // What the file held, read or not; empty when it could not be read.
    QByteArray bytes;
};

// A circuit needs a few kilobytes; a larger file is refused unread.
inline constexpr qint64 kMostCircuitFileBytes = 1 << 20;

// The most a file's drawing holds: the crossing check compares every pair of
// segments, and the diagram window shows every grid point between the
// extremes.
inline constexpr int kMostDrawnSegments = 1000;
inline constexpr int kMostDrawnCoordinate = 200;  // either way from 0
bool FitsInCircuitFile(const Diagram& diagram);

// Only a regular file is read: a FIFO would block and a device never end.
CircuitFileRead ReadCircuitFile(const QString& path);

// The document of UTF-8 JSON text; what ReadCircuitFile does after reading
// the bytes.
CircuitFileRead ParseCircuitFile(const QByteArray& json);

// Nothing on success; otherwise the message, "ファイルを保存出来ません："
// with the reason, and the file as it was before.
std::optional<QString> WriteCircuitFile(const QString& path, const CircuitDocument& document);

// The JSON text WriteCircuitFile writes.
QByteArray CircuitFileText(const CircuitDocument& document);
