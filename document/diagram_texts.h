#pragma once
// The messages about a drawn circuit, as UTF-8. %1 is a branch number.

#include "calc/translatable.h"

namespace diagram_text {

// Refusals.
inline constexpr const char* kZeroLength = QT_TRANSLATE_NOOP("Brivel", "長さのない線があります");
inline constexpr const char* kDiagonal = QT_TRANSLATE_NOOP("Brivel", "線は水平か垂直に引いて下さい");
inline constexpr const char* kNoSource = QT_TRANSLATE_NOOP("Brivel", "電源がありません");
inline constexpr const char* kSeveralSources = QT_TRANSLATE_NOOP("Brivel", "電源は１つだけにして下さい");
inline constexpr const char* kBranchCount = QT_TRANSLATE_NOOP("Brivel", "枝路数は２～１５にして下さい");
inline constexpr const char* kBranchNumbers = QT_TRANSLATE_NOOP("Brivel", "枝路番号は１から順に重複なく付けて下さい");
inline constexpr const char* kCrossing = QT_TRANSLATE_NOOP("Brivel", "線が交差するか重なっています");
inline constexpr const char* kEndOnBranch = QT_TRANSLATE_NOOP("Brivel", "枝路または電源の途中に線の端があります");
inline constexpr const char* kSeveralPieces = QT_TRANSLATE_NOOP("Brivel", "つながっていない部分があります");
inline constexpr const char* kWireRing = QT_TRANSLATE_NOOP("Brivel", "配線の輪で短絡された部分があります");
inline constexpr const char* kSourceNotOuter = QT_TRANSLATE_NOOP("Brivel", "電源は外周の枝路に置いて下さい");
inline constexpr const char* kNoImpedance = QT_TRANSLATE_NOOP("Brivel", "インピーダンスのないループがあります");
inline constexpr const char* kLoopCount = QT_TRANSLATE_NOOP("Brivel", "ループ数は２～５にして下さい");

// Warnings.
inline constexpr const char* kUnjoinedWireEnd =
    QT_TRANSLATE_NOOP("Brivel", "どこにもつながっていない配線の端は無視します");
inline constexpr const char* kBranchWithoutCurrent = QT_TRANSLATE_NOOP("Brivel", "枝路 %1 には電流が流れません");
inline constexpr const char* kShortedBranch = QT_TRANSLATE_NOOP("Brivel", "枝路 %1 は配線で短絡されています");

// Between a message and its place "(4,2)".
inline constexpr const char* kAtPlace = QT_TRANSLATE_NOOP("Brivel", "　位置：");

}  // namespace diagram_text
