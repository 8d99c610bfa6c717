#pragma once
// Signed sums as text: the expression a circuit file holds ("Z1+Z2", "-Z2",
// "0", "I1-I2") and the caption a definition dialog would have built for the
// same marks.

#include <QString>
#include <optional>

#include "circuit_document.h"

// The terms of a matrix element are Z1 … Z15, those of a branch current I1 … I5.
enum class SumKind { MatrixElement, BranchCurrent };

// The expression of the marks: the marked terms in increasing order, each
// with its sign, "+" left out before the first; "0" for a matrix element
// declared zero and nothing else; empty when nothing is marked.
QString SumExpression(const SignedSumMarks& marks, SumKind kind);

// The terms of the caption below, with its full-width signs, without a
// branch current's closing "=": "I2－I3"; "0" for a matrix element declared
// zero and nothing else; empty when nothing is marked.
QString SumTerms(const SignedSumMarks& marks, SumKind kind);

// The caption the dialog builds when the marked terms are pressed in
// increasing order, each after its sign unless it is the first and +; a
// branch current's caption ends in "=". A matrix element with nothing marked
// has no caption of its own: empty.
QString SumCaption(const SignedSumMarks& marks, SumKind kind);

// Why an expression was refused.
enum class SumRefusal { Malformed, TermOutOfRange, TermTwice };

struct ParsedSum {
    SignedSumMarks marks;
    std::optional<SumRefusal> refusal;
};

// Reads an expression as SumExpression writes it, and also with a leading
// "+", terms in any order, blanks between tokens and the full-width signs ＋
// and －. terms is the number of branches or loops the circuit has. A matrix
// element is never empty; a branch current is never "0".
ParsedSum ParseSumExpression(const QString& text, SumKind kind, int terms);
