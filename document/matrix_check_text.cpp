#include "document/matrix_check_text.h"

#include "document/qstring_utf8.h"
#include "document/signed_sum_text.h"
#include "document/document_texts.h"

namespace {

QString CurrentsBehind(const std::vector<BranchCurrentBehind>& currents)
{
    QStringList definitions;
    for (const BranchCurrentBehind& c : currents)
        definitions << BranchCurrentName(c.branch) + U8(texts::kEquals) + DefinitionCaption(c.current, SumKind::BranchCurrent);
    return U8(texts::kOpenParenthesis) + definitions.join(U8(texts::kListSeparator)) + U8(texts::kCloseParenthesis);
}

}  // namespace

QString BranchCurrentName(int b) { return QStringLiteral("I%1").arg(b, 2, 10, QChar('0')); }

QString DefinitionCaption(const Marks& marks, SumKind kind)
{
    const QString terms = SumTerms(marks, kind);
    return terms.isEmpty() ? QStringLiteral("0") : terms;
}

QString DisagreementLine(const ElementDisagreement& d)
{
    return QStringLiteral("Z%1%2").arg(d.row).arg(d.column) + U8(texts::kTypedDefinition) +
           DefinitionCaption(d.typed, SumKind::MatrixElement) + U8(texts::kImpliedDefinition) +
           DefinitionCaption(d.implied, SumKind::MatrixElement) + CurrentsBehind(d.currents);
}

std::vector<ElementDisagreement> DocumentDisagreements(const CircuitDocument& document)
{
    const LoopDefinitions definitions = DefinitionsOf(document);
    const MatrixDerivation derivation = DeriveMatrix(definitions);
    if (!derivation.matrix) return {};
    return Disagreements(definitions, *derivation.matrix);
}

QStringList DisagreementLines(const std::vector<ElementDisagreement>& disagreements)
{
    if (disagreements.empty()) return {};
    QStringList lines{U8(texts::kMatrixDisagrees)};
    for (const ElementDisagreement& d : disagreements) lines << DisagreementLine(d);
    return lines;
}

std::optional<QString> DerivationFailure(const MatrixDerivation& derivation)
{
    if (!derivation.missingCurrents.empty()) {
        QStringList names;
        for (int b : derivation.missingCurrents) names << BranchCurrentName(b);
        return U8(texts::kMissingCurrents) + names.join(U8(texts::kListSeparator));
    }
    if (!derivation.unmentionedLoops.empty()) {
        QStringList lines;
        for (int j : derivation.unmentionedLoops)
            lines << U8(texts::kUnmentionedLoop).arg(QStringLiteral("I%1").arg(j));
        return lines.join('\n');
    }
    return std::nullopt;
}
