#pragma once
// The texts of the window that tunes and steps an element, as UTF-8. Its
// command, "素子値の調整(&T)…", is the graphs' menu's (graph/graph_texts.h).

namespace texts {

inline constexpr const char* kTuningTitle = "素子値の調整";
inline constexpr const char* kTuningBranch = "枝路";
inline constexpr const char* kTuningElement = "素子";
inline constexpr const char* kTuningRange = "範囲";
inline constexpr const char* kTuningRangeTo = "～";
inline constexpr const char* kTuningZeroHint = "値が０のときは範囲を入力して下さい。";
inline constexpr const char* kStepsFrame = "ステップ";
inline constexpr const char* kStepValues = "値";
inline constexpr const char* kStepFirst = "開始";
inline constexpr const char* kStepLast = "終了";
inline constexpr const char* kStepCount = "個数";
inline constexpr const char* kStepLogarithmic = "対数";
inline constexpr const char* kStepLinear = "線形";
inline constexpr const char* kStepGenerate = "生成";
inline constexpr const char* kStepDraw = "描画";
inline constexpr const char* kTuningConfirm = "確定";
inline constexpr const char* kTuningRevert = "元に戻す";

// Messages; those of a list that cannot be read are the command line's too
// (document/document_texts.h).
inline constexpr const char* kRangeRefused = "範囲の両端は、同じ符号の０でない異なる値にして下さい。";
inline constexpr const char* kTooManySteps = "描画できる値は %1 個までです。";
inline constexpr const char* kStepsNotGenerated =
    "開始と終了から値を作れません。対数では同じ符号の０でない値にして下さい。";

}  // namespace texts
