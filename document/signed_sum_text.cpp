#include "document/signed_sum_text.h"

#include "document/language.h"
#include "document/qstring_utf8.h"
#include "document/document_texts.h"

namespace {

QChar Letter(SumKind kind) { return kind == SumKind::MatrixElement ? QChar('Z') : QChar('I'); }

int Places(SumKind kind) { return kind == SumKind::MatrixElement ? kMatrixMarkPlaces : kCurrentMarkPlaces; }

// A sign, ASCII or full-width: +1 or −1; 0 for anything else.
int SignOf(QChar c)
{
    if (c == '+' || c == U8(texts::kPlus).front()) return 1;
    if (c == '-' || c == U8(texts::kMinus).front()) return -1;
    return 0;
}

// Reads the term of a signed sum that starts at `at` (its sign already
// read) into the marks, and moves past it; a refusal when it is none.
void ReadTerm(const QString& rest, qsizetype& at, int sign, SumKind kind, int terms, ParsedSum& parsed)
{
    const auto refuse = [&](SumRefusal why) { parsed.refusal = why; };
    if (kind == SumKind::MatrixElement && rest[at] == '0') {
        ++at;
        if (sign < 0 || (at < rest.size() && rest[at].isDigit()))
            refuse(SumRefusal::Malformed);
        else if (parsed.marks[0] != 0)
            refuse(SumRefusal::TermTwice);
        else
            parsed.marks[0] = 1;
        return;
    }
    qsizetype digitsEnd = at + 1;
    while (digitsEnd < rest.size() && digitsEnd - at <= 2 && rest[digitsEnd].isDigit()) ++digitsEnd;
    if (rest[at] != Letter(kind) || digitsEnd == at + 1 || rest[at + 1] == '0' ||
        (digitsEnd < rest.size() && rest[digitsEnd].isDigit())) {
        refuse(SumRefusal::Malformed);
        return;
    }
    const int term = rest.mid(at + 1, digitsEnd - at - 1).toInt();
    if (term > terms)
        refuse(SumRefusal::TermOutOfRange);
    else if (parsed.marks[term] != 0)
        refuse(SumRefusal::TermTwice);
    else
        parsed.marks[term] = static_cast<int16_t>(sign);
    at = digitsEnd;
}

}  // namespace

SignedSumEntry EntryOfPresses(const SumPresses& presses, SumKind kind)
{
    SignedSumEntry entry{Marks(static_cast<size_t>(Places(kind)), 0), {}};
    int16_t sign = 1;
    for (const SumPress& press : presses) {
        switch (press.kind) {
        case SumPress::Kind::Term:
            entry.text += Letter(kind) + QString::number(press.term);
            entry.marks[static_cast<size_t>(press.term)] = sign;
            break;
        case SumPress::Kind::Zero:
            entry.text += QChar('0');
            entry.marks[0] = 1;
            break;
        case SumPress::Kind::Plus:
            entry.text += Tr(texts::kPlus);
            sign = 1;
            break;
        case SumPress::Kind::Minus:
            entry.text += Tr(texts::kMinus);
            sign = -1;
            break;
        }
    }
    return entry;
}

SumPresses PressesOf(const SignedSumMarks& marks, SumKind kind)
{
    SumPresses presses;
    if (kind == SumKind::MatrixElement && !marks.empty() && marks[0] == 1) presses.push_back({SumPress::Kind::Zero});
    for (size_t k = 1; k < marks.size(); ++k) {
        if (marks[k] == 0) continue;
        if (marks[k] < 0)
            presses.push_back({SumPress::Kind::Minus});
        else if (!presses.empty())
            presses.push_back({SumPress::Kind::Plus});
        presses.push_back({SumPress::Kind::Term, static_cast<int>(k)});
    }
    return presses;
}

QString SumTerms(const SignedSumMarks& marks, SumKind kind)
{
    return EntryOfPresses(PressesOf(marks, kind), kind).text;
}

QString SumExpression(const SignedSumMarks& marks, SumKind kind)
{
    return SumTerms(marks, kind)
        .replace(Tr(texts::kPlus), QStringLiteral("+"))
        .replace(Tr(texts::kMinus), QStringLiteral("-"));
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
    if (rest.isEmpty() && kind == SumKind::MatrixElement) parsed.refusal = SumRefusal::Malformed;
    qsizetype at = 0;
    while (at < rest.size() && !parsed.refusal) {
        int sign = SignOf(rest[at]);
        if (sign != 0)
            ++at;
        else if (at == 0)
            sign = 1;
        if (sign == 0 || at >= rest.size())
            parsed.refusal = SumRefusal::Malformed;
        else
            ReadTerm(rest, at, sign, kind, terms, parsed);
    }
    return parsed;
}

QString SignsInLanguage(const QString& caption)
{
    QString shown;
    for (QChar c : caption) {
        const int sign = SignOf(c);
        shown += sign > 0 ? Tr(texts::kPlus) : sign < 0 ? Tr(texts::kMinus) : QString(c);
    }
    return shown;
}
