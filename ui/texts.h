#pragma once
// Every caption and message of the main window and the entry dialogs, as
// UTF-8, beside those of the document (document/document_texts.h).
// Full-width letters and ideographic spaces are part of the texts.

#include <array>

#include "document/document_texts.h"
#include "graph/graph_texts.h"

namespace texts {

// Main window.
inline constexpr const char* kWindowCaption = "Wexlar　Ｖｅｒ．１．０";
inline constexpr const char* kTabCalc = "Brivel";
inline constexpr const char* kTabGraph = "周波数特性";
inline constexpr const char* kTitle = "＜　インピーダンスマトリクスと網電流の電圧式の数値解　＞";
inline constexpr const char* kFrameState = "回路の状態";
inline constexpr const char* kFrameSample = "サンプル回路";
inline constexpr const char* kFrameCommands = "コマンド";
inline constexpr const char* kMatrixHeading = "自己インピーダンス，相互インピーダンスマトリクス";
inline constexpr const char* kFrameInputImpedance = "電源より見た回路の入力インピーダンス";
inline constexpr const char* kFrameBranchVoltage = "各枝路電圧";
inline constexpr const char* kLoops = "ループ数";
inline constexpr const char* kBranches = "枝路数";
inline constexpr const char* kEmf = "起電力Ｅ＝";
inline constexpr const char* kFrequency = "周波数　f=";
inline constexpr const char* kBranchImpedanceHeading = "各枝路のインピーダンス";
inline constexpr const char* kBranchCurrentFrame = "各枝路電流";
inline constexpr const char* kPhaseIs = "位相角＝";
inline constexpr const char* kDegrees = "度";
inline constexpr const char* kZiIs = "Ｚｉ＝";
inline constexpr std::array<const char*, 3> kImpedanceTabs = {"Ｚ１～Ｚ５", "Ｚ６～Ｚ１０", "Ｚ１１～Ｚ１５"};
inline constexpr std::array<const char*, 3> kCurrentTabs = {"Ｉ０１～Ｉ０５", "Ｉ０６～Ｉ１０", "Ｉ１１～Ｉ１５"};

// The counts of the circuit-size selectors, 2 … 15; the loop selector
// offers the first four.
inline constexpr std::array<const char*, 14> kCounts = {"２", "３",   "４",   "５",   "６",   "７",   "８",
                                                        "９", "１０", "１１", "１２", "１３", "１４", "１５"};

// Commands.
inline constexpr const char* kCalculate = "計算実行";
inline constexpr const char* kFrequencyCharacteristics = "周波数特性";
inline constexpr const char* kClear = "クリア";
inline constexpr const char* kQuit = "終了";

// Prefix of the branch-voltage selector items "Ｖ01" … "Ｖ15".
inline constexpr const char* kVoltagePrefix = kVolt;

// Entry dialogs.
inline constexpr const char* kElementCaption = "ＲＬＣ素子値の入力";
inline constexpr std::array<const char*, 3> kElementNames = {"Ｒ＝", "Ｌ＝", "Ｃ＝"};
inline constexpr const char* kOk = "ＯＫ";
inline constexpr const char* kCancel = "キャンセル";
inline constexpr const char* kMatrixCaption = "マトリクスの要素の入力";
// Between a dialog's caption and the element it defines.
inline constexpr const char* kIdeographicSpace = graph_text::kIdeographicSpace;
// Before the sign the next pressed term will take.
inline constexpr const char* kNextTermSign = "次の項：";
inline constexpr std::array<const char*, 15> kBranchButtons = {"Ｚ１",   "Ｚ２",   "Ｚ３",   "Ｚ４",   "Ｚ５",
                                                               "Ｚ６",   "Ｚ７",   "Ｚ８",   "Ｚ９",   "Ｚ１０",
                                                               "Ｚ１１", "Ｚ１２", "Ｚ１３", "Ｚ１４", "Ｚ１５"};
inline constexpr const char* kZeroButton = "０";
inline constexpr const char* kCurrentCaption = "ループ電流から枝路電流を求める";
inline constexpr std::array<const char*, 5> kLoopButtons = {"Ｉ１", "Ｉ２", "Ｉ３", "Ｉ４", "Ｉ５"};

// Messages.
inline constexpr const char* kEnterCircuitFirst = graph_text::kNoCircuit;
inline constexpr const char* kEnterNumber = "数値を入力して下さい。";

// The matrix against the branch currents. A disagreeing element reads
// "Z23　入力：－Z4　枝路電流から：Z4（I04＝I2＋I3）"; %1 is a loop current
// such as "I3".
inline constexpr const char* kCircuitMenu = "回路(&C)";
inline constexpr const char* kMatrixFromCurrents = "枝路電流からマトリクスを作成(&M)";
inline constexpr const char* kDiagramCommand = "回路図(&D)…";
inline constexpr const char* kFollowCurrents = "枝路電流に合わせる";
inline constexpr const char* kCalculateAsTyped = "入力どおり計算";

// The file menu, its dialogs and the questions that keep a circuit from
// being lost.
inline constexpr const char* kFileMenu = "ファイル(&F)";
inline constexpr const char* kNewCommand = "新規作成(&N)";
inline constexpr const char* kOpenCommand = "開く(&O)…";
inline constexpr const char* kSaveCommand = "上書き保存(&S)";
inline constexpr const char* kSaveAsCommand = "名前を付けて保存(&A)…";
inline constexpr const char* kRecentFilesMenu = "最近使ったファイル";
inline constexpr const char* kQuitCommand = "終了(&X)";
inline constexpr const char* kOpenDialogTitle = "開く";
inline constexpr const char* kSaveDialogTitle = "名前を付けて保存";
inline constexpr const char* kCircuitFileFilter = "Brivel 回路ファイル (*.brivel)";
inline constexpr const char* kUntitledFileName = "回路.brivel";
inline constexpr const char* kUnsavedChanges = "回路が変更されています。保存しますか？";
inline constexpr const char* kSave = "保存";
inline constexpr const char* kDontSave = "保存しない";
inline constexpr const char* kRestoreCircuit = "前回正常に終了しなかった回路を復元しますか？";
// After the reason a recovery file was refused; %1 is where it is kept.
inline constexpr const char* kRecoveryKept = "\n復元出来なかった回路のファイルは次の名前で残してあります：\n%1";
inline constexpr const char* kChangedElsewhere = "ファイルが他で変更されています。上書きしますか？";
inline constexpr const char* kExamplesMenu = "例を開く";

// What assistive technology calls the controls; %1 is a branch number.
inline constexpr const char* kNameEmfField = "起電力 E";
inline constexpr const char* kNameEmfUnit = "起電力 E の単位";
inline constexpr const char* kNameFrequencyField = "周波数 f";
inline constexpr const char* kNameFrequencyUnit = "周波数 f の単位";
inline constexpr const char* kNameSamplePicture = "サンプル回路の図";
inline constexpr const char* kDescribeSamplePicture =
    "左の網に電源 E と Z1、両方の網に共通の Z2、右の網に Z3。ループ電流 I1 と I2 はどちらも時計回り。";
inline constexpr const char* kNamePageTabs = "ページの切り替え";
inline constexpr const char* kNameImpedanceTabs = "枝路インピーダンスの枝路の組";
inline constexpr const char* kNameCurrentTabs = "枝路電流の枝路の組";
inline constexpr const char* kNameElementButton = "Z%1 の素子値の入力";
inline constexpr const char* kNameImpedanceRe = "Z%1 の実部";
inline constexpr const char* kNameImpedanceIm = "Z%1 の虚部";
inline constexpr const char* kNameImpedanceUnit = "Z%1 の単位";
inline constexpr const char* kNameCurrentButton = "枝路 %1 の電流の定義の入力";
inline constexpr const char* kNameCurrentDefinition = "枝路 %1 の電流の定義";
inline constexpr const char* kNameCurrentMagnitude = "枝路 %1 の電流の大きさ";
inline constexpr const char* kNameCurrentUnit = "枝路 %1 の電流の単位";
inline constexpr const char* kNameCurrentPhase = "枝路 %1 の電流の位相";
inline constexpr const char* kNameInputImpedanceMagnitude = "入力インピーダンスの大きさ";
inline constexpr const char* kNameInputImpedanceUnit = "入力インピーダンスの単位";
inline constexpr const char* kNameInputImpedancePhase = "入力インピーダンスの位相";
inline constexpr const char* kNameVoltageBranch = "電圧を表示する枝路";
inline constexpr const char* kNameVoltageMagnitude = "枝路電圧の大きさ";
inline constexpr const char* kNameVoltageUnit = "枝路電圧の単位";
inline constexpr const char* kNameVoltagePhase = "枝路電圧の位相";
inline constexpr const char* kNotDefined = "未定義";
inline constexpr std::array<const char*, 3> kNameElementValues = {"の抵抗 R", "のインダクタンス L", "の容量 C"};
inline constexpr const char* kNameElementUnit = "の単位";
inline constexpr const char* kNameDefinitionLine = "定義";
inline constexpr const char* kNameNextSign = "次の項の符号";
inline constexpr const char* kNameSelectorEdit = "%1の入力欄";
inline constexpr const char* kNameGuideText = "使い方の本文";
inline constexpr const char* kDescribeGuideText = "Brivel の使い方を説明する文書。リンクは Tab キーで選べます。";

// The help menu.
inline constexpr const char* kHelpMenu = "ヘルプ(&H)";
inline constexpr const char* kGuideCommand = "使い方(&U)";
inline constexpr const char* kAboutCommand = "バージョン情報(&A)";
inline constexpr const char* kGuideTitle = "Brivel の使い方";
inline constexpr const char* kAboutTitle = "バージョン情報";
inline constexpr const char* kAboutText =
    "<p><b>Brivel %1</b></p><p>線形交流回路のループ解析</p><p>ライセンス：MIT</p><p>Qt %2</p>";

inline constexpr const char* kYes = "はい";
inline constexpr const char* kNo = "いいえ";

}  // namespace texts
