#include "document/search_text.h"

#include "document/language.h"
#include "calc/number_text.h"
#include "sweep/sweep_texts.h"
#include "document/qstring_utf8.h"

SearchText SearchTextOf(const CircuitDocument& document, const SearchRequest& request)
{
    BranchChecks plotted{};
    plotted[request.curve.branch] = request.curve.quantity != PlottedQuantity::InputImpedance;
    const DocumentSweep swept = SweepOfDocument(document, request.curve.quantity, request.range, plotted);
    if (!swept.sweep) return {{}, std::nullopt, swept.failure};
    const SearchFinding finding = SearchCurve(swept.circuit, *swept.sweep, request.curve, request.search, std::nullopt);
    const QString name = Tr(SearchName(request.search));
    if (finding.points.empty()) return {{}, std::nullopt, name + Tr(graph_text::kNotInSpan)};
    SearchText text;
    for (const CurvePoint& p : finding.points)
        text.lines += U8(ShortestText(p.frequency)) + '\t' + U8(ShortestText(p.magnitude)) + '\t' +
                      U8(ShortestText(p.phase)) + '\n';
    if (finding.atSpanEnd) text.note = name + Tr(graph_text::kAtSpanEnd);
    return text;
}
