#pragma once
// QJsonDocument keeps the last of two equal keys in one object and says
// nothing; a circuit file that gives a key twice is ambiguous, so the text is
// searched for them itself.

#include <QByteArray>
#include <QString>
#include <optional>

// The place of the first key given twice in one object of a JSON text that
// parses, as the file reader names places ("loops", "elements[0].R");
// nothing when every key is given once.
std::optional<QString> RepeatedKeyPlace(const QByteArray& json);
