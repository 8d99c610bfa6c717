#pragma once
// The messages about a drawn circuit, as UTF-8. %1 is a branch number.

namespace diagram_text {

// Refusals.
inline constexpr const char* kZeroLength = "長さのない線があります";
inline constexpr const char* kDiagonal = "線は水平か垂直に引いて下さい";
inline constexpr const char* kNoSource = "電源がありません";
inline constexpr const char* kSeveralSources = "電源は１つだけにして下さい";
inline constexpr const char* kBranchCount = "枝路数は２～１５にして下さい";
inline constexpr const char* kBranchNumbers = "枝路番号は１から順に重複なく付けて下さい";
inline constexpr const char* kCrossing = "線が交差するか重なっています";
inline constexpr const char* kEndOnBranch = "枝路または電源の途中に線の端があります";
inline constexpr const char* kSeveralPieces = "つながっていない部分があります";
inline constexpr const char* kWireRing = "配線の輪で短絡された部分があります";
inline constexpr const char* kSourceNotOuter = "電源は外周の枝路に置いて下さい";
inline constexpr const char* kNoImpedance = "インピーダンスのないループがあります";
inline constexpr const char* kLoopCount = "ループ数は２～５にして下さい";

// Warnings.
inline constexpr const char* kUnjoinedWireEnd = "どこにもつながっていない配線の端は無視します";
inline constexpr const char* kBranchWithoutCurrent = "枝路 %1 には電流が流れません";
inline constexpr const char* kShortedBranch = "枝路 %1 は配線で短絡されています";

// Between a message and its place "(4,2)".
inline constexpr const char* kAtPlace = "　位置：";

}  // namespace diagram_text
