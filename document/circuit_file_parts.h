#pragma once
// The pieces of reading a circuit file that its parts share. Each refusal
// throws a CircuitFileError with the reason and the place of the fault.

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <map>
#include <optional>
#include <string>

#include "document/circuit_file.h"

namespace file_read {

[[noreturn]] void Refuse(const char* reason, const QString& place);
[[noreturn]] void Refuse(const std::string& reason, const QString& place);

// "elements[3].L": a key after a place, a position in an array.
QString Item(const QString& place, const QString& key);
QString At(const QString& place, qsizetype i);

QJsonValue Member(const QJsonObject& object, const QString& place, const QString& key);
QJsonObject ObjectAt(const QJsonValue& v, const QString& place);
// An array of any length, or of exactly `length` items.
QJsonArray ArrayAt(const QJsonValue& v, const QString& place);
QJsonArray ArrayOf(const QJsonValue& v, const QString& place, int length);
// A whole number first … last.
int IntegerAt(const QJsonValue& v, const QString& place, int first, int last);
// An entry of "elements": null for a branch never entered.
std::optional<ElementEntry> ElementAt(const QJsonValue& v, const QString& place);

}  // namespace file_read

// The "diagram" of a file: the drawing and the entries its branches carry,
// each by number; the others are the page's (drawn_page.h). Nothing when the
// file has none.
struct FileDiagram {
    Diagram diagram;
    std::map<int, std::optional<ElementEntry>> ownEntries;
};
std::optional<FileDiagram> ReadDiagram(const QJsonObject& file);
