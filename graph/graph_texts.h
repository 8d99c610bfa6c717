#pragma once
// Every text the graph page shows or prints, as UTF-8, beside those of the
// sweep.

#include "calc/unit_texts.h"
#include "sweep/sweep_texts.h"

namespace graph_text {

// Titles, frames and commands.
inline constexpr const char* kMagTitle = "絶対値";
inline constexpr const char* kPhTitle = "位相角";
inline constexpr const char* kRangeFrame = "ＲＡＮＧＥ";
inline constexpr const char* kPositionFrame = "ＰＯＳＩＴＩＯＮ";
inline constexpr const char* kVert80 = "縦軸 80ｄＢ";
inline constexpr const char* kVert120 = "縦軸120ｄＢ";
inline constexpr const char* kHoriz40 = "横軸 40ｄＢ";
inline constexpr const char* kHoriz80 = "横軸 80ｄＢ";
inline constexpr const char* kQtyImpedance = "入力インピーダンス";
inline constexpr const char* kQtyCurrent = "枝路電流";
inline constexpr const char* kQtyVoltage = "枝路電圧";
inline constexpr const char* kKeep = "グラフ保存";
inline constexpr const char* kDropKept = "グラフ保存消去";
inline constexpr const char* kPrint = "グラフ印刷";
inline constexpr const char* kReturn = "「Brivel」　画面に戻る";

// Messages.
inline constexpr const char* kNoCircuit = "回路定数を入力して下さい";
// Over the curves drawn from a circuit that has changed since.
inline constexpr const char* kOutOfDate = "回路が変更されています。周波数特性で再描画して下さい。";
// The tool tip of a branch box whose branch has no branch current.
inline constexpr const char* kNoCurrentCurve = "枝路電流がセットされていないため、曲線はありません";

// Scale labels.
inline constexpr const char* kHz = unit_text::kHertz;
inline constexpr const char* kDegreeLabel = " 度";

// Cursor readout.
inline constexpr const char* kReadoutHz = "Hz";
inline constexpr const char* kReadoutDegree = "°";

// Trace marker readout line: the gap between its parts and what a search
// adds to it.
inline constexpr const char* kIdeographicSpace = "　";

// What assistive technology calls the graph page's pictures and position
// buttons. A graph's description: quantity, magnitude or phase, the swept
// frequencies and the span of its scale.
inline constexpr const char* kNameMagnitudeGraph = "大きさのグラフ";
inline constexpr const char* kNamePhaseGraph = "位相のグラフ";
inline constexpr const char* kNameMagnitudeScale = "大きさの目盛";
inline constexpr const char* kNamePhaseScale = "位相の目盛";
inline constexpr const char* kNameFrequencyScale = "周波数の目盛";
inline constexpr const char* kNameMagnitudeUp = "大きさの表示位置を上へ";
inline constexpr const char* kNameMagnitudeDown = "大きさの表示位置を下へ";
inline constexpr const char* kNameFrequencyLeft = "周波数の表示位置を左へ";
inline constexpr const char* kNameFrequencyRight = "周波数の表示位置を右へ";
inline constexpr const char* kNamePhaseUp = "位相の表示位置を上へ";
inline constexpr const char* kNamePhaseDown = "位相の表示位置を下へ";
inline constexpr const char* kDescribeMagnitudeGraph = "%1の大きさ、周波数 %2～%3 Hz、%4～%5 %6";
inline constexpr const char* kDescribePhaseGraph = "%1の位相、周波数 %2～%3 Hz、%4～%5 度";
inline constexpr const char* kAndThen = "／";

// The graphs' menu: the searches are in sweep/sweep_texts.h.
inline constexpr const char* kMenuFit = "自動調整";
inline constexpr const char* kMenuSaveCsv = "ＣＳＶで保存…";
inline constexpr const char* kCsvFilter = "CSV (*.csv)";
inline constexpr const char* kCsvSuffix = "csv";
inline constexpr const char* kCsvDefaultName = "brivel_sweep.csv";
inline constexpr const char* kMenuTune = "素子値の調整(&T)…";

}  // namespace graph_text
