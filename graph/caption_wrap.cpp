#include "graph/caption_wrap.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QStringList>
#include <QTextLayout>

namespace {

constexpr double kSmallestPoints = 6;
constexpr double kShrinkStep = 0.75;

}  // namespace

QString WrapCaption(const QString& text, const QFont& font, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines.join(QLatin1Char('\n'));
}

void SetFittedCaption(QAbstractButton& button, const QString& text, const QFont& face, int width, int height)
{
    QFont font = face;
    QString wrapped = WrapCaption(text, font, width);
    while (font.pointSizeF() > kSmallestPoints &&
           (wrapped.count(QLatin1Char('\n')) + 1) * QFontMetricsF(font).lineSpacing() > height) {
        font.setPointSizeF(font.pointSizeF() - kShrinkStep);
        wrapped = WrapCaption(text, font, width);
    }
    button.setFont(font);
    button.setText(wrapped);
    // A screen reader reads the caption whole, not its lines.
    button.setAccessibleName(wrapped != text ? text : QString());
}
