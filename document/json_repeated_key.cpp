#include "document/json_repeated_key.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <vector>

namespace {

struct Level {
    bool object = false;
    QSet<QString> keys;
    QString key;  // the last key read: the member being read
    int index = 0;
    bool keyNext = false;
};

// The closing quote of the string that opens at start.
qsizetype StringEnd(const QByteArray& json, qsizetype start)
{
    qsizetype i = start + 1;
    while (json[i] != '"') i += json[i] == '\\' ? 2 : 1;
    return i;
}

// Escapes such as \u006f make the same key as the letters themselves.
QString Decoded(const QByteArray& literal)
{
    return QJsonDocument::fromJson('[' + literal + ']').array().at(0).toString();
}

QString PlaceOf(const std::vector<Level>& levels, const QString& key)
{
    QString place;
    for (size_t n = 0; n + 1 < levels.size(); ++n) {
        const Level& level = levels[n];
        if (!level.object)
            place += '[' + QString::number(level.index) + ']';
        else
            place += (place.isEmpty() ? QString() : QStringLiteral(".")) + level.key;
    }
    return place.isEmpty() ? key : place + '.' + key;
}

}  // namespace

std::optional<QString> RepeatedKeyPlace(const QByteArray& json)
{
    std::vector<Level> levels;
    for (qsizetype i = 0; i < json.size(); ++i) {
        switch (json[i]) {
        case '{':
            levels.push_back({true, {}, {}, 0, true});
            break;
        case '[':
            levels.push_back({});
            break;
        case '}':
        case ']':
            levels.pop_back();
            break;
        case ',':
            if (levels.back().object)
                levels.back().keyNext = true;
            else
                ++levels.back().index;
            break;
        case ':':
            levels.back().keyNext = false;
            break;
        case '"': {
            const qsizetype end = StringEnd(json, i);
            if (!levels.empty() && levels.back().keyNext) {
                Level& level = levels.back();
                level.key = Decoded(json.mid(i, end - i + 1));
                if (level.keys.contains(level.key)) return PlaceOf(levels, level.key);
                level.keys.insert(level.key);
            }
            i = end;
            break;
        }
        default:
            break;
        }
    }
    return std::nullopt;
}
