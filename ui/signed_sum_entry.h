#pragma once
// What the user entered in the matrix dialog or the branch-current dialog: a
// mark per term, +1, −1 or 0, and the definition's text as it is shown on the
// button or in the label it belongs to.

#include <QString>

#include "calc/circuit.h"

struct SignedSumEntry {
    Marks marks;
    QString text;
};
