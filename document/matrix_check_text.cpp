#include "document/matrix_check_text.h"

#include "document/language.h"
#include "document/qstring_utf8.h"
#include "document/signed_sum_text.h"
#include "document/document_texts.h"

namespace {

QString CurrentsBehind(const std::vector<BranchCurrentBehind>& currents)
{
    QStringList definitions;
    for (const BranchCurrentBehind& c : currents)
        definitions << BranchCurrentName(c.branch) + Tr(texts::kEquals) + DefinitionCaption(c.current, SumKind::BranchCurrent);
    return Tr(texts::kOpenParenthesis) + definitions.join(Tr(texts::kListSeparator)) + Tr(texts::kCloseParenthesis);
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
    return QStringLiteral("Z%1%2").arg(d.row).arg(d.column) + Tr(texts::kTypedDefinition) +
           DefinitionCaption(d.typed, SumKind::MatrixElement) + Tr(texts::kImpliedDefinition) +
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
    QStringList lines{Tr(texts::kMatrixDisagrees)};
    for (const ElementDisagreement& d : disagreements) lines << DisagreementLine(d);
    return lines;
}

std::optional<QString> DerivationFailure(const MatrixDerivation& derivation)
{
    if (!derivation.missingCurrents.empty()) {
        QStringList names;
        for (int b : derivation.missingCurrents) names << BranchCurrentName(b);
        return Tr(texts::kMissingCurrents) + names.join(Tr(texts::kListSeparator));
    }
    if (!derivation.unmentionedLoops.empty()) {
        QStringList lines;
        for (int j : derivation.unmentionedLoops)
            lines << Tr(texts::kUnmentionedLoop).arg(QStringLiteral("I%1").arg(j));
        return lines.join('\n');
    }
    return std::nullopt;
}
