#pragma once
// The calculation page checked against the definitions its drawing implies,
// as the text --check prints.

#include <QStringList>

#include "document/circuit_document.h"
#include "document/loop_equations.h"

// "定義が回路図から求めた定義と一致しません。" and one line per item of the
// page that differs: the counts ("ループ数　入力：3　回路図から：2"), and
// when they agree each branch current ("I02　入力：I1　回路図から：I1－I2")
// and matrix element, whose zeros of any kind are alike. No lines when
// nothing differs.
QStringList DrawingDisagreementLines(const CircuitDocument& page, const DiagramLoops& loops);
