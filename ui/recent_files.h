#pragma once
// The circuit files opened or saved last, newest first, kept in the user's
// settings across runs.

#include <QString>
#include <QStringList>

inline constexpr int kMostRecentFiles = 8;

QStringList RecentFiles();
// Puts path first, once, and drops the oldest beyond kMostRecentFiles.
void RememberRecentFile(const QString& path);
// For a file that can no longer be read.
void ForgetRecentFile(const QString& path);
