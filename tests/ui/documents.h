#pragma once
// Circuit documents for the file and command-line tests.

#include <QString>
#include <initializer_list>
#include <utility>

#include "document/circuit_document.h"

namespace documents {

// (branch or loop, sign) pairs of a signed sum.
using Terms = std::initializer_list<std::pair<int, int>>;

SignedSumMarks MatrixMarks(Terms terms);
SignedSumMarks CurrentMarks(Terms terms);
ElementEntry Entry(const QString& r, const char* rUnit, const QString& l, const char* lUnit, const QString& c,
                   const char* cUnit);

// The sample: 2 loops, 3 branches, Z11 = Z1+Z2, Z12 = −Z2, Z22 = Z2+Z3,
// I01 = I1, I02 = I1−I2, I03 = I2, with RLC values in every branch.
CircuitDocument Sample();

// Writes the document to a file of the directory; its path.
QString Saved(const QString& directory, const QString& name, const CircuitDocument& document);

}  // namespace documents
