#pragma once
// Lets GoogleTest show QStrings as text in failure messages.

#include <ostream>

#include <QString>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
