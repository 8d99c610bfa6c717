#include "signed_sum_text.h"

#include "platform/qstring_utf8.h"
#include "texts.h"

namespace {

QChar Letter(SumKind kind) { return kind == SumKind::MatrixElement ? QChar('Z') : QChar('I'); }

int Places(SumKind kind) { return kind == SumKind::MatrixElement ? kMatrixMarkPlaces : kCurrentMarkPlaces; }

bool DeclaredZero(const SignedSumMarks& marks, SumKind kind)
{
    return kind == SumKind::MatrixElement && !marks.empty() && marks[0] == 1;
}

// The marked terms, each after the sign given for its mark.
QString Terms(const SignedSumMarks& marks, SumKind kind, const QString& plus, const QString& minus)
{
    QString text;
    for (size_t k = 1; k < marks.size(); ++k) {
        if (marks[k] == 0) continue;
        if (marks[k] < 0)
            text += minus;
        else if (!text.isEmpty())
            text += plus;
        text += Letter(kind) + QString::number(k);
    }
    return text;
}

// A sign, ASCII or full-width: +1 or −1; 0 for anything else.
int SignOf(QChar c)
{
    if (c == '+' || c == U8(texts::kPlus).front()) return 1;
    if (c == '-' || c == U8(texts::kMinus).front()) return -1;
    return 0;
}

}  // namespace

QString SumExpression(const SignedSumMarks& marks, SumKind kind)
{
    const QString terms = Terms(marks, kind, QStringLiteral("+"), QStringLiteral("-"));
    if (terms.isEmpty() && DeclaredZero(marks, kind)) return QStringLiteral("0");
    return terms;
}

QString SumTerms(const SignedSumMarks& marks, SumKind kind)
{
    const QString terms = Terms(marks, kind, U8(texts::kPlus), U8(texts::kMinus));
    if (terms.isEmpty() && DeclaredZero(marks, kind)) return QStringLiteral("0");
    return terms;
}

QString SumCaption(const SignedSumMarks& marks, SumKind kind)
{
    QString caption = SumTerms(marks, kind);
    if (kind == SumKind::BranchCurrent) caption += QStringLiteral("=");
    return caption;
}

ParsedSum ParseSumExpression(const QString& text, SumKind kind, int terms)
{
    ParsedSum parsed{SignedSumMarks(static_cast<size_t>(Places(kind)), 0), std::nullopt};
    QString rest = text;
    rest.remove(QChar(' '));
    if (kind == SumKind::MatrixElement && rest == QStringLiteral("0")) {
        parsed.marks[0] = 1;
        return parsed;
    }
    if (rest.isEmpty() && kind == SumKind::MatrixElement) parsed.refusal = SumRefusal::Malformed;
    qsizetype at = 0;
    while (at < rest.size() && !parsed.refusal) {
        int sign = SignOf(rest[at]);
        if (sign != 0)
            ++at;
        else if (at == 0)
            sign = 1;
        qsizetype digitsEnd = at + 1;
        while (digitsEnd < rest.size() && digitsEnd - at <= 2 && rest[digitsEnd].isDigit()) ++digitsEnd;
        if (sign == 0 || at >= rest.size() || rest[at] != Letter(kind) || digitsEnd == at + 1 || rest[at + 1] == '0' ||
            (digitsEnd < rest.size() && rest[digitsEnd].isDigit())) {
            parsed.refusal = SumRefusal::Malformed;
            break;
        }
        const int term = rest.mid(at + 1, digitsEnd - at - 1).toInt();
        if (term > terms)
            parsed.refusal = SumRefusal::TermOutOfRange;
        else if (parsed.marks[term] != 0)
            parsed.refusal = SumRefusal::TermTwice;
        else
            parsed.marks[term] = static_cast<int16_t>(sign);
        at = digitsEnd;
    }
    return parsed;
}
