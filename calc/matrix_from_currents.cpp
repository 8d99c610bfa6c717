#include "matrix_from_currents.h"

#include <stdexcept>

namespace {

// The sign a mark gives its term; the sums of the calculation count no other
// mark than +1 and −1.
int SignAt(const Marks& marks, int place)
{
    if (place >= static_cast<int>(marks.size())) return 0;
    const int mark = marks[place];
    return mark == 1 || mark == -1 ? mark : 0;
}

void CheckCounts(const LoopDefinitions& d)
{
    if (d.loops < 2 || d.loops > Circuit::MaxLoops || d.branches < 2 || d.branches > Circuit::MaxBranches)
        throw std::invalid_argument("circuit size out of range (2 … 15 branches, 2 … 5 loops)");
}

const std::optional<Marks>& CurrentOf(const LoopDefinitions& d, int b)
{
    static const std::optional<Marks> never;
    return b <= static_cast<int>(d.currents.size()) ? d.currents[b - 1] : never;
}

std::vector<int> MissingCurrents(const LoopDefinitions& d)
{
    std::vector<int> missing;
    for (int b = 1; b <= d.branches; ++b)
        if (!CurrentOf(d, b)) missing.push_back(b);
    return missing;
}

bool Mentioned(const LoopDefinitions& d, int loop)
{
    for (int b = 1; b <= d.branches; ++b)
        if (SignAt(*CurrentOf(d, b), loop) != 0) return true;
    return false;
}

std::vector<int> UnmentionedLoops(const LoopDefinitions& d)
{
    std::vector<int> unmentioned;
    for (int j = 1; j <= d.loops; ++j)
        if (!Mentioned(d, j)) unmentioned.push_back(j);
    return unmentioned;
}

Marks ImpliedElement(const LoopDefinitions& d, int j, int k)
{
    Marks marks(kElementMarkPlaces, 0);
    bool anyBranch = false;
    for (int b = 1; b <= d.branches; ++b) {
        const Marks& current = *CurrentOf(d, b);
        marks[b] = static_cast<int16_t>(SignAt(current, j) * SignAt(current, k));
        anyBranch = anyBranch || marks[b] != 0;
    }
    if (!anyBranch) marks[0] = 1;
    return marks;
}

// A −1 mark stays −1 here, also on the diagonal, where the calculation
// ignores it: the typed definition then says something it does not do.
std::vector<int> DifferingBranches(const Marks& typed, const Marks& implied, int branches)
{
    std::vector<int> differing;
    for (int b = 1; b <= branches; ++b)
        if (SignAt(typed, b) != SignAt(implied, b)) differing.push_back(b);
    return differing;
}

Marks Padded(Marks marks)
{
    marks.resize(kElementMarkPlaces, 0);
    return marks;
}

}  // namespace

MatrixDerivation DeriveMatrix(const LoopDefinitions& definitions)
{
    CheckCounts(definitions);
    MatrixDerivation derivation;
    derivation.missingCurrents = MissingCurrents(definitions);
    if (!derivation.missingCurrents.empty()) return derivation;
    // An unmentioned loop would derive an all-zero row: a singular matrix
    // that looks like a result.
    derivation.unmentionedLoops = UnmentionedLoops(definitions);
    if (!derivation.unmentionedLoops.empty()) return derivation;
    ImpliedMatrix& matrix = derivation.matrix.emplace();
    for (int j = 1; j <= definitions.loops; ++j)
        for (int k = j; k <= definitions.loops; ++k) matrix[ElementPosition(j, k)] = ImpliedElement(definitions, j, k);
    return derivation;
}

std::vector<ElementDisagreement> Disagreements(const LoopDefinitions& definitions, const ImpliedMatrix& implied)
{
    CheckCounts(definitions);
    std::vector<ElementDisagreement> disagreements;
    for (int j = 1; j <= definitions.loops; ++j)
        for (int k = j; k <= definitions.loops; ++k) {
            const int position = ElementPosition(j, k);
            const Marks typed = Padded(definitions.matrix[position].value_or(Marks{}));
            const std::vector<int> differing = DifferingBranches(typed, implied[position], definitions.branches);
            if (differing.empty()) continue;
            ElementDisagreement& d =
                disagreements.emplace_back(ElementDisagreement{j, k, typed, implied[position], {}});
            for (int b : differing) d.currents.push_back({b, CurrentOf(definitions, b).value_or(Marks{})});
        }
    return disagreements;
}
