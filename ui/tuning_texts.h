#pragma once
// The texts of the window that tunes and steps an element, as UTF-8. Its
// command, "素子値の調整(&T)…", is the graphs' menu's (graph/graph_texts.h).

#include <QtGlobal>

#include "document/language.h"

namespace texts {

inline constexpr const char* kTuningTitle = QT_TRANSLATE_NOOP("Brivel", "素子値の調整");
inline constexpr const char* kTuningBranch = QT_TRANSLATE_NOOP("Brivel", "枝路");
inline constexpr const char* kTuningElement = QT_TRANSLATE_NOOP("Brivel", "素子");
inline constexpr const char* kTuningRange = QT_TRANSLATE_NOOP("Brivel", "範囲");
inline constexpr const char* kTuningRangeTo = QT_TRANSLATE_NOOP("Brivel", "～");
inline constexpr const char* kTuningZeroHint = QT_TRANSLATE_NOOP("Brivel", "値が０のときは範囲を入力して下さい。");
inline constexpr const char* kStepsFrame = QT_TRANSLATE_NOOP("Brivel", "ステップ");
inline constexpr const char* kStepValues = QT_TRANSLATE_NOOP("Brivel", "値");
inline constexpr const char* kStepFirst = QT_TRANSLATE_NOOP("Brivel", "開始");
// The last of the values generated, not the command that ends the program.
inline constexpr MarkedText kStepLast = QT_TRANSLATE_NOOP3("Brivel", "終了", "last step value");
inline constexpr const char* kStepCount = QT_TRANSLATE_NOOP("Brivel", "個数");
inline constexpr const char* kStepLogarithmic = QT_TRANSLATE_NOOP("Brivel", "対数");
inline constexpr const char* kStepLinear = QT_TRANSLATE_NOOP("Brivel", "線形");
inline constexpr const char* kStepGenerate = QT_TRANSLATE_NOOP("Brivel", "生成");
inline constexpr const char* kStepDraw = QT_TRANSLATE_NOOP("Brivel", "描画");
inline constexpr const char* kTuningConfirm = QT_TRANSLATE_NOOP("Brivel", "確定");
// Back to the circuit's own curves, not the diagram window's undo.
inline constexpr MarkedText kTuningRevert = QT_TRANSLATE_NOOP3("Brivel", "元に戻す", "tuning revert");

// Messages; those of a list that cannot be read are the command line's too
// (document/document_texts.h).
inline constexpr const char* kRangeRefused =
    QT_TRANSLATE_NOOP("Brivel", "範囲の両端は、同じ符号の０でない異なる値にして下さい。");
inline constexpr const char* kTooManySteps = QT_TRANSLATE_NOOP("Brivel", "描画できる値は %1 個までです。");
inline constexpr const char* kStepsNotGenerated =
    QT_TRANSLATE_NOOP("Brivel", "開始と終了から値を作れません。対数では同じ符号の０でない値にして下さい。");

}  // namespace texts
