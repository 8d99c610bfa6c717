#include "diagram_item_text.h"

#include "document/language.h"
#include "diagram_window_texts.h"
#include "document/qstring_utf8.h"
#include "document/signed_sum_text.h"

namespace {

namespace text = diagram_window_text;

QString Place(GridPoint p) { return U8(PlaceText(p)); }

QString TermsOrZero(const Marks& marks, SumKind kind)
{
    const QString terms = SumTerms(marks, kind);
    return terms.isEmpty() ? QStringLiteral("0") : terms;
}

}  // namespace

QString ItemName(const Segment& s)
{
    switch (s.kind) {
    case SegmentKind::Wire: return Tr(text::kWireItem).arg(Place(s.from), Place(s.to));
    case SegmentKind::Branch: return Tr(text::kBranchItem).arg(s.number).arg(Place(s.from), Place(s.to));
    case SegmentKind::Source: return Tr(text::kSourceItem).arg(Place(s.from), Place(s.to));
    }
    return {};
}

QString LoopItemName(const DiagramLoops& loops, int k)
{
    return Tr(text::kLoopItem).arg(k).arg(SumTerms(loops.meshes[k - 1].branches, SumKind::MatrixElement));
}

QStringList BranchCurrentLines(const DiagramLoops& loops)
{
    QStringList lines;
    const LoopDefinitions& d = loops.definitions;
    for (int b = 1; b <= d.branches; ++b)
        lines << QStringLiteral("I%1").arg(b, 2, 10, QChar('0')) + Tr(text::kEquals) +
                     TermsOrZero(*d.currents[b - 1], SumKind::BranchCurrent);
    return lines;
}

QStringList MatrixLines(const DiagramLoops& loops)
{
    QStringList lines;
    const int n = loops.definitions.loops;
    for (int j = 1; j <= n; ++j)
        for (int k = j; k <= n; ++k)
            lines << QStringLiteral("Z%1%2").arg(j).arg(k) + Tr(text::kEquals) +
                         TermsOrZero(loops.matrix[ElementPosition(j, k)], SumKind::MatrixElement);
    return lines;
}
