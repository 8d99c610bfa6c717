#include "document/step_list.h"

#include <QStringList>
#include <cmath>

#include "calc/number_text.h"
#include "calc/prefixed_number.h"
#include "document/document_texts.h"
#include "document/half_width.h"
#include "document/language.h"
#include "document/qstring_utf8.h"
#include "sweep/element_value.h"

namespace {

bool IsSeparator(QChar ch) { return ch == u',' || ch == u'、' || ch == u' ' || ch == u'\t'; }

constexpr int kGeneratedDigits = 3;

}  // namespace

std::optional<double> ReadStepValue(const QString& text)
{
    const std::string value = Std(HalfWidth(text).trimmed());
    if (IsNumeric(value)) return NumericValue(value);
    if (const std::optional<ExactDecimal> prefixed = ReadPrefixedNumber(value)) return DecimalValue(*prefixed);
    return std::nullopt;
}

StepList ReadStepList(const QString& text)
{
    const QString tidy = HalfWidth(text);
    StepList list;
    for (qsizetype i = 0; i < tidy.size();) {
        if (IsSeparator(tidy[i])) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < tidy.size() && !IsSeparator(tidy[end])) ++end;
        const std::optional<double> value = ReadStepValue(tidy.mid(i, end - i));
        if (!value) {
            list.unreadable = StepList::Place{i, end - i};
            return list;
        }
        list.values.push_back(*value);
        i = end;
    }
    if (list.values.empty()) list.unreadable = StepList::Place{};
    return list;
}

QString StepListProblem(const QString& text, const StepList::Place& at, qsizetype offset)
{
    if (at.length == 0) return Tr(texts::kNoSteps);
    return Tr(texts::kStepUnreadable).arg(text.mid(at.start, at.length)).arg(offset + at.start + 1);
}

std::optional<std::vector<double>> GeneratedSteps(double first, double last, int count, StepSpacing spacing)
{
    const bool logarithmic = spacing == StepSpacing::Logarithmic;
    if (count < 2 || (logarithmic && !(first / last > 0))) return std::nullopt;
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / (count - 1);
        const double v = logarithmic ? first * std::pow(last / first, t) : first + (last - first) * t;
        if (!std::isfinite(v)) return std::nullopt;
        values.push_back(Rounded(v, kGeneratedDigits));
    }
    return values;
}

QString StepListText(const std::vector<double>& values)
{
    QStringList texts;
    for (double v : values) texts << PrefixedValueText(v);
    return texts.join(QStringLiteral(", "));
}
