#pragma once
// Writing a file whole or not at all: the bytes go to a temporary file beside
// it, which replaces the file only once every byte was written. A failure
// leaves no new file and an existing one as it was.

#include <optional>

#include <QByteArray>
#include <QString>

#include "calc/translatable.h"

inline constexpr const char* kCannotSaveFile = QT_TRANSLATE_NOOP("Brivel", "ファイルを保存出来ません：");

// Nothing on success; otherwise the message: kCannotSaveFile and the reason.
std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes);
