#include "result_label.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QAccessibleWidget>
#include <QToolTip>
#include <optional>

#include "accessible_factory.h"
#include "calc/number_text.h"

namespace {

// Faces are tried in quarter points from the label's own size down.
constexpr double kPointStep = 0.25;
// The general text form writes at most this many significant digits.
constexpr int kMostDigits = 15;
// Kept free at the right so that no glyph touches the frame, whatever the
// rounding of advances at the screen's pixel ratio.
constexpr qreal kGuardPixels = 1;

bool Fits(const QString& text, const QFont& font, qreal width, const QPaintDevice* device)
{
    return QFontMetricsF(font, device).horizontalAdvance(text) <= width;
}

QFont WithPoints(QFont font, double points)
{
    font.setPointSizeF(points);
    return font;
}

// The largest face from the given one down to the smallest that holds the
// text; nothing when even the smallest does not.
std::optional<QFont> LargestFitting(const QString& text, const QFont& own, qreal width, const QPaintDevice* device)
{
    if (!Fits(text, WithPoints(own, ResultLabel::kSmallestPoints), width, device)) return std::nullopt;
    for (double points = own.pointSizeF(); points > ResultLabel::kSmallestPoints; points -= kPointStep) {
        const QFont font = WithPoints(own, points);
        if (Fits(text, font, width, device)) return font;
    }
    return WithPoints(own, ResultLabel::kSmallestPoints);
}

class ResultLabelAccessible : public QAccessibleWidget {
public:
    explicit ResultLabelAccessible(ResultLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description) return static_cast<const ResultLabel*>(widget())->SpokenValue();
        return QAccessibleWidget::text(t);
    }
};

}  // namespace

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent)
{
    UseAccessibleInterface<ResultLabel, ResultLabelAccessible>();
}

QString ResultLabel::SpokenValue() const
{
    if (text().isEmpty() || !unit_) return text();
    return text() + QLatin1Char(' ') + unit_();
}

QRect ResultLabel::TextRect() const
{
    return contentsRect().adjusted(std::max(indent(), 0) + margin(), margin(), -margin(), -margin());
}

ResultLabel::Shown ResultLabel::Fitted() const
{
    const QString full = text();
    const qreal width = TextRect().width() - kGuardPixels;
    if (full.isEmpty()) return {full, font()};
    if (const auto face = LargestFitting(full, font(), width, this)) return {full, *face};

    bool isNumber = false;
    const double value = full.toDouble(&isNumber);
    const QFont smallest = WithPoints(font(), kSmallestPoints);
    if (!isNumber) return {full, smallest};
    for (int digits = kMostDigits; digits > 1; --digits) {
        const QString form = QString::fromStdString(ExponentText(value, digits));
        if (const auto face = LargestFitting(form, font(), width, this)) return {form, *face};
    }
    return {QString::fromStdString(ExponentText(value, 1)), smallest};
}

bool ResultLabel::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip) return QLabel::event(event);
    if (text().isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
    }
    return true;
}

void ResultLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    const Shown shown = Fitted();
    painter.setFont(shown.font);
    style()->drawItemText(&painter, TextRect(), static_cast<int>(alignment()), palette(), isEnabled(), shown.text,
                          foregroundRole());
}
