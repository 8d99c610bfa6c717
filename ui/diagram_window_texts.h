#pragma once
// The captions and messages of the diagram window, as UTF-8. %1, %2 … are
// filled in as each text says.

#include "document/diagram_texts.h"
#include "texts.h"
#include "calc/translatable.h"

namespace diagram_window_text {

inline constexpr const char* kCaption = QT_TRANSLATE_NOOP("Brivel", "回路図");

// The tools and commands, and tool tips that give their keys.
inline constexpr const char* kWireTool = QT_TRANSLATE_NOOP("Brivel", "導線");
inline constexpr const char* kBranchTool = QT_TRANSLATE_NOOP("Brivel", "枝路");
inline constexpr const char* kSourceTool = QT_TRANSLATE_NOOP("Brivel", "電源");
inline constexpr const char* kSelectTool = QT_TRANSLATE_NOOP("Brivel", "選択");
inline constexpr const char* kDeleteTool = QT_TRANSLATE_NOOP("Brivel", "削除");
inline constexpr const char* kUndo = QT_TRANSLATE_NOOP("Brivel", "元に戻す");
inline constexpr const char* kRedo = QT_TRANSLATE_NOOP("Brivel", "やり直し");
inline constexpr const char* kRenumber = QT_TRANSLATE_NOOP("Brivel", "番号を付け直す");
inline constexpr const char* kApply = QT_TRANSLATE_NOOP("Brivel", "計算ページへ反映");
inline constexpr const char* kZoomIn = QT_TRANSLATE_NOOP("Brivel", "拡大");
inline constexpr const char* kZoomOut = QT_TRANSLATE_NOOP("Brivel", "縮小");
inline constexpr const char* kReverse = QT_TRANSLATE_NOOP("Brivel", "向きを反転");
inline constexpr const char* kElementValues = QT_TRANSLATE_NOOP("Brivel", "素子値…");
inline constexpr const char* kFileMenu = texts::kFileMenu;
inline constexpr const char* kExportNetlist = QT_TRANSLATE_NOOP("Brivel", "ＳＰＩＣＥネットリストの書き出し…");
inline constexpr const char* kNetlistFilter = "SPICE (*.cir)";
inline constexpr const char* kNetlistSuffix = "cir";
inline constexpr const char* kNetlistDefaultName = QT_TRANSLATE_NOOP("Brivel", "回路.cir");

inline constexpr const char* kWireTip = QT_TRANSLATE_NOOP("Brivel", "導線を引きます（W）。");
inline constexpr const char* kBranchTip =
    QT_TRANSLATE_NOOP("Brivel", "枝路 Z を引きます（B）。番号は引いた順に付きます。");
inline constexpr const char* kSourceTip =
    QT_TRANSLATE_NOOP("Brivel", "電源 E を引きます（E）。矢印が起電力の向きです。");
// After each of the three above.
inline constexpr const char* kDrawingKeys = QT_TRANSLATE_NOOP(
    "Brivel",
    "点から点へ行か列に沿ってドラッグします。キーボードでは矢印キーでカーソルを動かし、Space か Enter "
    "で始点と終点を決めます。Esc で取り消します。");
inline constexpr const char* kSelectTip = QT_TRANSLATE_NOOP(
    "Brivel",
    "選びます（S）。クリック、Ctrl＋クリック、範囲のドラッグ、またはカーソルの位置で Space。選んだものは"
    "ドラッグか Ctrl＋矢印キーで動きます。枝路をダブルクリックするか Enter で素子値を入力します。");
inline constexpr const char* kDeleteTip = QT_TRANSLATE_NOOP(
    "Brivel", "クリックしたものを削除します（D）。Delete キーは選んだもの、なければカーソルの位置のものを削除します。");
inline constexpr const char* kUndoTip = QT_TRANSLATE_NOOP("Brivel", "元に戻します（Ctrl＋Z）。");
inline constexpr const char* kRedoTip = QT_TRANSLATE_NOOP("Brivel", "やり直します（Ctrl＋Y）。");
inline constexpr const char* kRenumberTip =
    QT_TRANSLATE_NOOP("Brivel", "枝路番号を上から、同じ高さでは左から順に付け直します（N）。");
inline constexpr const char* kReverseTip = QT_TRANSLATE_NOOP("Brivel", "選んだ枝路か電源の向きを反転します（R）。");
inline constexpr const char* kApplyTip = QT_TRANSLATE_NOOP(
    "Brivel", "ループ数、枝路数、枝路電流とマトリクスの定義、素子値を計算ページへ反映します（Ctrl＋Enter）。");
inline constexpr const char* kZoomInTip = QT_TRANSLATE_NOOP("Brivel", "拡大します（Ctrl＋＋、Ctrl＋ホイール）。");
inline constexpr const char* kZoomOutTip = QT_TRANSLATE_NOOP("Brivel", "縮小します（Ctrl＋－、Ctrl＋ホイール）。");

// The items as a screen reader reads them; %1, %2 are points "(4,2)", the
// branch's number comes first.
inline constexpr const char* kWireItem = QT_TRANSLATE_NOOP("Brivel", "導線、点%1から点%2へ");
inline constexpr const char* kBranchItem = QT_TRANSLATE_NOOP("Brivel", "枝路 Z%1、点%2から点%3へ");
inline constexpr const char* kSourceItem = QT_TRANSLATE_NOOP("Brivel", "電源 E、点%1から点%2へ");
// %1 the loop's number, %2 its branches, "－" where it runs against the arrow.
inline constexpr const char* kLoopItem = QT_TRANSLATE_NOOP("Brivel", "ループ電流 I%1：%2");
// %1 the cursor's point, %2 the items there.
inline constexpr const char* kCursorAt = QT_TRANSLATE_NOOP("Brivel", "カーソル 点%1　%2");

inline constexpr const char* kItemsHeading = QT_TRANSLATE_NOOP("Brivel", "図の要素");
// Between the items of one line: warnings, the items at the cursor.
inline constexpr const char* kItemGap = QT_TRANSLATE_NOOP("Brivel", "　");
inline constexpr const char* kCurrentsHeading = texts::kBranchCurrentFrame;
inline constexpr const char* kMatrixHeading = texts::kMatrixHeading;
inline constexpr const char* kEquals = texts::kEquals;
inline constexpr const char* kListSeparator = texts::kListSeparator;
inline constexpr const char* kLoopCount = texts::kLoops;
inline constexpr const char* kBranchCount = texts::kBranches;
inline constexpr const char* kNotAlongGrid = diagram_text::kDiagonal;
// An edit that would take the drawing beyond what a circuit file holds.
inline constexpr const char* kBeyondFileLimits = QT_TRANSLATE_NOOP("Brivel", "回路図は線 1000 本、座標 ±200 までです");

// Asked by whoever applies the drawing over definitions already entered.
inline constexpr const char* kReplaceDefinitions =
    QT_TRANSLATE_NOOP("Brivel", "入力済みの定義を回路図から求めた定義で置き換えます。よろしいですか？");

}  // namespace diagram_window_text
