#include "document/half_width.h"

namespace {

constexpr char16_t kFullWidthFirst = u'！';
constexpr char16_t kFullWidthLast = u'～';
constexpr char16_t kFullWidthOffset = kFullWidthFirst - u'!';

}  // namespace

QString HalfWidth(QString text)
{
    for (QChar& ch : text) {
        if (ch.unicode() >= kFullWidthFirst && ch.unicode() <= kFullWidthLast)
            ch = QChar(ch.unicode() - kFullWidthOffset);
        else if (ch == QChar(u'　'))
            ch = QChar(u' ');
    }
    return text;
}
