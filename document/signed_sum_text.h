#pragma once
// Signed sums as text: the expression a circuit file holds ("Z1+Z2", "-Z2",
// "0", "I1-I2") and the caption a definition dialog would have built for the
// same marks.

#include <QString>
#include <optional>

#include "document/circuit_document.h"
#include "document/signed_sum_entry.h"

// The terms of a matrix element are Z1 … Z15, those of a branch current I1 … I5.
enum class SumKind { MatrixElement, BranchCurrent };

// What the presses build in a definition dialog, in their order: a term
// appends its name ("Z3", "I2") and is marked with the sign pressed last
// before it (+ when none), its last press winning; "０" appends "0" and marks
// place 0 of a matrix element; the signs append "＋" and "－".
SignedSumEntry EntryOfPresses(const SumPresses& presses, SumKind kind);

// The presses that build the marks in a fixed order: "０" first when place 0
// is marked, then the marked terms in increasing order, each after its sign
// unless it is the first and +.
SumPresses PressesOf(const SignedSumMarks& marks, SumKind kind);

// The text those presses build, with full-width signs and without a branch
// current's closing "=": "I2－I3", "0－Z2"; empty when nothing is marked.
QString SumTerms(const SignedSumMarks& marks, SumKind kind);

// The same with "+" and "-": the expression of a circuit file.
QString SumExpression(const SignedSumMarks& marks, SumKind kind);

// The caption of the marks: SumTerms, and for a branch current the closing
// "=". A matrix element with nothing marked has no caption of its own: empty.
QString SumCaption(const SignedSumMarks& marks, SumKind kind);

// Why an expression was refused.
enum class SumRefusal { Malformed, TermOutOfRange, TermTwice };

struct ParsedSum {
    SignedSumMarks marks;
    std::optional<SumRefusal> refusal;
};

// Reads an expression as SumExpression writes it, and also with a leading
// "+", terms in any order, blanks between tokens and the full-width signs ＋
// and －. The "0" of a matrix element stands alone or as one of its terms,
// never after "-". terms is the number of branches or loops the circuit has.
// A matrix element is never empty; a branch current is never "0".
ParsedSum ParseSumExpression(const QString& text, SumKind kind, int terms);

// A definition's caption with its signs, "+" or "＋", "-" or "－", written as
// the language in use writes them.
QString SignsInLanguage(const QString& caption);
