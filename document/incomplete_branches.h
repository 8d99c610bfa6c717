#pragma once
// The branches a calculation meets incomplete: elements never entered, which
// count as 0 Ω, and branch currents never defined, which have no current.
// Found in one place for the window and the command line, and said in the
// words both use.

#include <QString>
#include <vector>

#include "document/circuit_document.h"

// The branches, in increasing order, whose element dialog was never
// confirmed. A branch confirmed with every value 0 is entered.
std::vector<int> UnenteredBranches(const CircuitDocument& document);

// The branches, in increasing order, with no branch-current definition.
std::vector<int> BranchesWithoutCurrent(const CircuitDocument& document);

// "Z3、Z5 の素子値が入力されていません。０Ωとして計算しますか？", the
// question of 計算実行, and its statement on the command line, which
// calculates all the same.
QString UnenteredQuestion(const std::vector<int>& branches);
QString UnenteredNotice(const std::vector<int>& branches);

// "枝路電流がセットされていません：I03、I06".
QString NoBranchCurrentMessage(const std::vector<int>& branches);
