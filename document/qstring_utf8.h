#pragma once
// Conversions between the UTF-8 texts of the program and the toolkit's
// strings; every folder above calc uses these.

#include <QString>
#include <string>

inline QString U8(const char* text) { return QString::fromUtf8(text); }
inline QString U8(const std::string& text) { return QString::fromStdString(text); }
inline std::string Std(const QString& text) { return text.toStdString(); }
