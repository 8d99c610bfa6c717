#pragma once
// A new circuit size for what was entered: a larger size adds branches or
// loops with nothing entered; a smaller one removes the entries of the
// branches or loops beyond it and every definition that names one of them,
// and nothing else.

#include <QString>
#include <optional>

#include "document/circuit_document.h"

CircuitDocument Resized(const CircuitDocument& document, int loops, int branches);

// The question before the new size removes anything entered, naming what
// goes: "Z15 の素子値と、Z15 を含む定義が消去されます。よろしいですか？" or
// "I5 を含む定義と、Z15～Z55 が消去されます。よろしいですか？". Nothing when
// nothing entered is lost.
std::optional<QString> RemovalQuestion(const CircuitDocument& document, int loops, int branches);
