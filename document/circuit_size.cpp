#include "document/circuit_size.h"

#include <QStringList>

#include "document/language.h"
#include "document/qstring_utf8.h"
#include "document/document_texts.h"

namespace {

// Whether the marks name a term beyond the first `count` (place 0 is not a
// term of that count: the "０" mark of a matrix element).
bool NamesBeyond(const SignedSumMarks& marks, int count)
{
    for (size_t place = static_cast<size_t>(count) + 1; place < marks.size(); ++place)
        if (marks[place] != 0) return true;
    return false;
}

template <class T>
void Fit(std::vector<T>& kept, const std::vector<T>& start)
{
    for (size_t i = kept.size(); i < start.size(); ++i) kept.push_back(start[i]);
    kept.resize(start.size());
}

// "Z15", "Z14、Z15" or "Z3～Z15": the terms first … last of a kind.
QString Span(const QString& letter, int first, int last)
{
    const QString a = letter + QString::number(first), b = letter + QString::number(last);
    if (first == last) return a;
    return a + Tr(last == first + 1 ? texts::kListSeparator : texts::kThrough) + b;
}

// The matrix elements of loops first … last, column by column: "Z14～Z44、Z15～Z55".
QString Columns(int first, int last)
{
    QStringList columns;
    for (int k = first; k <= last; ++k)
        columns << QStringLiteral("Z1%1").arg(k) + Tr(texts::kThrough) + QStringLiteral("Z%1%1").arg(k);
    return columns.join(Tr(texts::kListSeparator));
}

}  // namespace

CircuitDocument Resized(const CircuitDocument& document, int loops, int branches)
{
    CircuitDocument d = document;
    d.loops = loops;
    d.branches = branches;
    d.elements.resize(static_cast<size_t>(branches));
    d.currents.resize(static_cast<size_t>(branches));
    for (auto& current : d.currents)
        if (current && NamesBeyond(*current, loops)) current.reset();
    for (int j = 1; j <= Circuit::MaxLoops; ++j)
        for (int k = j; k <= Circuit::MaxLoops; ++k) {
            auto& element = d.matrix[MatrixPosition(j, k)];
            if (element && (k > loops || NamesBeyond(*element, branches))) element.reset();
        }
    if (d.display) {
        const DisplayUnits start = StartDisplayUnits(branches);
        Fit(d.display->impedance, start.impedance);
        Fit(d.display->current, start.current);
        Fit(d.display->voltage, start.voltage);
    }
    return d;
}

std::optional<QString> RemovalQuestion(const CircuitDocument& document, int loops, int branches)
{
    const CircuitDocument backAgain = Resized(Resized(document, loops, branches), document.loops, document.branches);
    if (SameCircuit(backAgain, document)) return std::nullopt;
    if (branches < document.branches) {
        const QString removed = Span(QStringLiteral("Z"), branches + 1, document.branches);
        return Tr(texts::kRemoveBranches).arg(removed);
    }
    return Tr(texts::kRemoveLoops)
        .arg(Span(QStringLiteral("I"), loops + 1, document.loops), Columns(loops + 1, document.loops));
}
