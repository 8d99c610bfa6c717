#pragma once
// Every text the graph page shows or prints, as UTF-8, beside those of the
// sweep.

#include "calc/unit_texts.h"
#include "sweep/sweep_texts.h"
#include "calc/translatable.h"

namespace graph_text {

// Titles, frames and commands.
inline constexpr const char* kMagTitle = QT_TRANSLATE_NOOP("Brivel", "絶対値");
inline constexpr const char* kPhTitle = QT_TRANSLATE_NOOP("Brivel", "位相角");
inline constexpr const char* kRangeFrame = QT_TRANSLATE_NOOP("Brivel", "ＲＡＮＧＥ");
inline constexpr const char* kPositionFrame = QT_TRANSLATE_NOOP("Brivel", "ＰＯＳＩＴＩＯＮ");
inline constexpr const char* kVert80 = QT_TRANSLATE_NOOP("Brivel", "縦軸 80ｄＢ");
inline constexpr const char* kVert120 = QT_TRANSLATE_NOOP("Brivel", "縦軸120ｄＢ");
inline constexpr const char* kHoriz40 = QT_TRANSLATE_NOOP("Brivel", "横軸 40ｄＢ");
inline constexpr const char* kHoriz80 = QT_TRANSLATE_NOOP("Brivel", "横軸 80ｄＢ");
inline constexpr const char* kQtyImpedance = QT_TRANSLATE_NOOP("Brivel", "入力インピーダンス");
inline constexpr const char* kQtyCurrent = QT_TRANSLATE_NOOP("Brivel", "枝路電流");
inline constexpr const char* kQtyVoltage = QT_TRANSLATE_NOOP("Brivel", "枝路電圧");
inline constexpr const char* kKeep = QT_TRANSLATE_NOOP("Brivel", "グラフ保存");
inline constexpr const char* kDropKept = QT_TRANSLATE_NOOP("Brivel", "グラフ保存消去");
inline constexpr const char* kPrint = QT_TRANSLATE_NOOP("Brivel", "グラフ印刷");
inline constexpr const char* kReturn = QT_TRANSLATE_NOOP("Brivel", "「Brivel」　画面に戻る");

// Messages.
inline constexpr const char* kNoCircuit = QT_TRANSLATE_NOOP("Brivel", "回路定数を入力して下さい");
// Over the curves drawn from a circuit that has changed since.
inline constexpr const char* kOutOfDate =
    QT_TRANSLATE_NOOP("Brivel", "回路が変更されています。周波数特性で再描画して下さい。");
// The tool tip of a branch box whose branch has no branch current.
inline constexpr const char* kNoCurrentCurve =
    QT_TRANSLATE_NOOP("Brivel", "枝路電流がセットされていないため、曲線はありません");

// Scale labels. The kilo of a frequency label or readout, "1.5K": a prefix
// that English writes the SI way.
inline constexpr const char* kHz = unit_text::kHertz;
inline constexpr const char* kKilo = QT_TRANSLATE_NOOP("Brivel", "K");
inline constexpr const char* kDegreeLabel = QT_TRANSLATE_NOOP("Brivel", " 度");

// Cursor readout.
inline constexpr const char* kReadoutHz = "Hz";
inline constexpr const char* kReadoutDegree = QT_TRANSLATE_NOOP("Brivel", "°");

// Trace marker readout line: the gap between its parts and what a search
// adds to it.
inline constexpr const char* kIdeographicSpace = QT_TRANSLATE_NOOP("Brivel", "　");

// What assistive technology calls the graph page's pictures and position
// buttons. A graph's description: quantity, magnitude or phase, the swept
// frequencies and the span of its scale.
inline constexpr const char* kNameMagnitudeGraph = QT_TRANSLATE_NOOP("Brivel", "大きさのグラフ");
inline constexpr const char* kNamePhaseGraph = QT_TRANSLATE_NOOP("Brivel", "位相のグラフ");
inline constexpr const char* kNameMagnitudeScale = QT_TRANSLATE_NOOP("Brivel", "大きさの目盛");
inline constexpr const char* kNamePhaseScale = QT_TRANSLATE_NOOP("Brivel", "位相の目盛");
inline constexpr const char* kNameFrequencyScale = QT_TRANSLATE_NOOP("Brivel", "周波数の目盛");
inline constexpr const char* kNameMagnitudeUp = QT_TRANSLATE_NOOP("Brivel", "大きさの表示位置を上へ");
inline constexpr const char* kNameMagnitudeDown = QT_TRANSLATE_NOOP("Brivel", "大きさの表示位置を下へ");
inline constexpr const char* kNameFrequencyLeft = QT_TRANSLATE_NOOP("Brivel", "周波数の表示位置を左へ");
inline constexpr const char* kNameFrequencyRight = QT_TRANSLATE_NOOP("Brivel", "周波数の表示位置を右へ");
inline constexpr const char* kNamePhaseUp = QT_TRANSLATE_NOOP("Brivel", "位相の表示位置を上へ");
inline constexpr const char* kNamePhaseDown = QT_TRANSLATE_NOOP("Brivel", "位相の表示位置を下へ");
inline constexpr const char* kDescribeMagnitudeGraph =
    QT_TRANSLATE_NOOP("Brivel", "%1の大きさ、周波数 %2～%3 Hz、%4～%5 %6");
inline constexpr const char* kDescribePhaseGraph = QT_TRANSLATE_NOOP("Brivel", "%1の位相、周波数 %2～%3 Hz、%4～%5 度");
inline constexpr const char* kAndThen = QT_TRANSLATE_NOOP("Brivel", "／");

// The graphs' menu: the searches are in sweep/sweep_texts.h.
inline constexpr const char* kMenuFit = QT_TRANSLATE_NOOP("Brivel", "自動調整");
inline constexpr const char* kMenuSaveCsv = QT_TRANSLATE_NOOP("Brivel", "ＣＳＶで保存…");
inline constexpr const char* kCsvFilter = "CSV (*.csv)";
inline constexpr const char* kCsvSuffix = "csv";
inline constexpr const char* kCsvDefaultName = "brivel_sweep.csv";
inline constexpr const char* kMenuTune = QT_TRANSLATE_NOOP("Brivel", "素子値の調整(&T)…");

}  // namespace graph_text
