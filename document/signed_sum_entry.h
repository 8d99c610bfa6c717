#pragma once
// What the user entered in the matrix dialog or the branch-current dialog: a
// mark per term, +1, −1 or 0, and the definition's text as it is shown on the
// button or in the label it belongs to; and the buttons pressed to build it.

#include <QString>
#include <vector>

#include "calc/circuit.h"

struct SignedSumEntry {
    Marks marks;
    QString text;
};

// One button pressed in a definition dialog: a term (a branch or a loop
// current), "０", "＋" or "－".
struct SumPress {
    enum class Kind { Term, Zero, Plus, Minus };
    Kind kind = Kind::Term;
    int term = 0;  // for a term: its branch or loop
    bool operator==(const SumPress&) const = default;
};

using SumPresses = std::vector<SumPress>;
