#pragma once
// The matrix checked against the branch currents, as the text the window's
// warning and the command line share.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "calc/matrix_from_currents.h"
#include "document/circuit_document.h"
#include "document/signed_sum_text.h"

// The caption of a definition, as the lines below show it; a zero of any
// kind reads "0".
QString DefinitionCaption(const Marks& marks, SumKind kind);
// "I03".
QString BranchCurrentName(int b);

// "Z23　入力：－Z4　枝路電流から：Z4（I04＝I2＋I3）": the element, its typed
// and implied definitions as captions ("0" for any zero) and the branch
// currents behind the difference.
QString DisagreementLine(const ElementDisagreement& disagreement);

// The elements whose definition disagrees with the one the branch currents
// imply; none when the branch currents imply no matrix.
std::vector<ElementDisagreement> DocumentDisagreements(const CircuitDocument& document);

// "マトリクスの定義が枝路電流の定義と一致しません。" and one line per element;
// no lines when nothing disagrees.
QStringList DisagreementLines(const std::vector<ElementDisagreement>& disagreements);

// Why nothing was derived: "枝路電流が定義されていない枝路があります：I03、I07",
// or one line per loop no branch current mentions; nothing when the matrix
// was derived.
std::optional<QString> DerivationFailure(const MatrixDerivation& derivation);
