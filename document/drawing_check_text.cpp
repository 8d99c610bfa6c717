#include "document/drawing_check_text.h"

#include "document/language.h"
#include "document/document_texts.h"
#include "document/drawn_page.h"
#include "document/matrix_check_text.h"
#include "document/qstring_utf8.h"

namespace {

QString Line(const QString& item, const QString& typed, const QString& drawn)
{
    return item + Tr(texts::kTypedDefinition) + typed + Tr(texts::kDrawnDefinition) + drawn;
}

QString CurrentCaption(const std::optional<SignedSumMarks>& current)
{
    return current ? DefinitionCaption(*current, SumKind::BranchCurrent) : Tr(texts::kNeverDefined);
}

}  // namespace

QStringList DrawingDisagreementLines(const CircuitDocument& page, const DiagramLoops& loops)
{
    const CircuitDocument drawn = WithDrawnDefinitions(page, loops);
    QStringList lines;
    if (page.loops != drawn.loops)
        lines << Line(Tr(texts::kLoopCountName), QString::number(page.loops), QString::number(drawn.loops));
    if (page.branches != drawn.branches)
        lines << Line(Tr(texts::kBranchCountName), QString::number(page.branches), QString::number(drawn.branches));
    if (lines.isEmpty()) {
        for (int b = 1; b <= page.branches; ++b)
            if (page.currents[b - 1] != drawn.currents[b - 1])
                lines << Line(BranchCurrentName(b), CurrentCaption(page.currents[b - 1]),
                              CurrentCaption(drawn.currents[b - 1]));
        for (const ElementDisagreement& d : Disagreements(DefinitionsOf(page), loops.matrix))
            lines << Line(QStringLiteral("Z%1%2").arg(d.row).arg(d.column),
                          DefinitionCaption(d.typed, SumKind::MatrixElement),
                          DefinitionCaption(d.implied, SumKind::MatrixElement));
    }
    if (!lines.isEmpty()) lines.prepend(Tr(texts::kDrawingDisagrees));
    return lines;
}
