#pragma once
// Every caption and message of the main window and the entry dialogs, as
// UTF-8, beside those of the document (document/document_texts.h).
// Full-width letters and ideographic spaces are part of the texts.

#include <array>

#include "document/document_texts.h"
#include "graph/graph_texts.h"
#include "calc/translatable.h"

namespace texts {

// Main window.
inline constexpr const char* kWindowCaption = QT_TRANSLATE_NOOP("Brivel", "Wexlar　Ｖｅｒ．１．０");
inline constexpr const char* kTabCalc = "Brivel";
inline constexpr const char* kTabGraph = QT_TRANSLATE_NOOP("Brivel", "周波数特性");
inline constexpr const char* kTitle =
    QT_TRANSLATE_NOOP("Brivel", "＜　インピーダンスマトリクスと網電流の電圧式の数値解　＞");
inline constexpr const char* kFrameState = QT_TRANSLATE_NOOP("Brivel", "回路の状態");
inline constexpr const char* kFrameSample = QT_TRANSLATE_NOOP("Brivel", "サンプル回路");
inline constexpr const char* kFrameCommands = QT_TRANSLATE_NOOP("Brivel", "コマンド");
inline constexpr const char* kMatrixHeading =
    QT_TRANSLATE_NOOP("Brivel", "自己インピーダンス，相互インピーダンスマトリクス");
inline constexpr const char* kFrameInputImpedance = QT_TRANSLATE_NOOP("Brivel", "電源より見た回路の入力インピーダンス");
inline constexpr const char* kFrameBranchVoltage = QT_TRANSLATE_NOOP("Brivel", "各枝路電圧");
inline constexpr const char* kLoops = QT_TRANSLATE_NOOP("Brivel", "ループ数");
inline constexpr const char* kBranches = QT_TRANSLATE_NOOP("Brivel", "枝路数");
inline constexpr const char* kEmf = QT_TRANSLATE_NOOP("Brivel", "起電力Ｅ＝");
inline constexpr const char* kFrequency = QT_TRANSLATE_NOOP("Brivel", "周波数　f=");
inline constexpr const char* kBranchImpedanceHeading = QT_TRANSLATE_NOOP("Brivel", "各枝路のインピーダンス");
inline constexpr const char* kBranchCurrentFrame = QT_TRANSLATE_NOOP("Brivel", "各枝路電流");
inline constexpr const char* kPhaseIs = QT_TRANSLATE_NOOP("Brivel", "位相角＝");
inline constexpr const char* kDegrees = QT_TRANSLATE_NOOP("Brivel", "度");
inline constexpr const char* kZiIs = QT_TRANSLATE_NOOP("Brivel", "Ｚｉ＝");
inline constexpr std::array<const char*, 3> kImpedanceTabs = {QT_TRANSLATE_NOOP("Brivel", "Ｚ１～Ｚ５"),
                                                              QT_TRANSLATE_NOOP("Brivel", "Ｚ６～Ｚ１０"),
                                                              QT_TRANSLATE_NOOP("Brivel", "Ｚ１１～Ｚ１５")};
inline constexpr std::array<const char*, 3> kCurrentTabs = {QT_TRANSLATE_NOOP("Brivel", "Ｉ０１～Ｉ０５"),
                                                            QT_TRANSLATE_NOOP("Brivel", "Ｉ０６～Ｉ１０"),
                                                            QT_TRANSLATE_NOOP("Brivel", "Ｉ１１～Ｉ１５")};

// The counts of the circuit-size selectors, 2 … 15; the loop selector
// offers the first four.
inline constexpr std::array<const char*, 14> kCounts = {
    QT_TRANSLATE_NOOP("Brivel", "２"),   QT_TRANSLATE_NOOP("Brivel", "３"),   QT_TRANSLATE_NOOP("Brivel", "４"),
    QT_TRANSLATE_NOOP("Brivel", "５"),   QT_TRANSLATE_NOOP("Brivel", "６"),   QT_TRANSLATE_NOOP("Brivel", "７"),
    QT_TRANSLATE_NOOP("Brivel", "８"),   QT_TRANSLATE_NOOP("Brivel", "９"),   QT_TRANSLATE_NOOP("Brivel", "１０"),
    QT_TRANSLATE_NOOP("Brivel", "１１"), QT_TRANSLATE_NOOP("Brivel", "１２"), QT_TRANSLATE_NOOP("Brivel", "１３"),
    QT_TRANSLATE_NOOP("Brivel", "１４"), QT_TRANSLATE_NOOP("Brivel", "１５")};

// Commands.
inline constexpr const char* kCalculate = QT_TRANSLATE_NOOP("Brivel", "計算実行");
inline constexpr const char* kFrequencyCharacteristics = QT_TRANSLATE_NOOP("Brivel", "周波数特性");
inline constexpr const char* kClear = QT_TRANSLATE_NOOP("Brivel", "クリア");
inline constexpr const char* kQuit = QT_TRANSLATE_NOOP("Brivel", "終了");

// Prefix of the branch-voltage selector items "Ｖ01" … "Ｖ15".
inline constexpr const char* kVoltagePrefix = kVolt;

// Entry dialogs.
inline constexpr const char* kElementCaption = QT_TRANSLATE_NOOP("Brivel", "ＲＬＣ素子値の入力");
inline constexpr std::array<const char*, 3> kElementNames = {
    QT_TRANSLATE_NOOP("Brivel", "Ｒ＝"), QT_TRANSLATE_NOOP("Brivel", "Ｌ＝"), QT_TRANSLATE_NOOP("Brivel", "Ｃ＝")};
inline constexpr const char* kOk = QT_TRANSLATE_NOOP("Brivel", "ＯＫ");
inline constexpr const char* kCancel = QT_TRANSLATE_NOOP("Brivel", "キャンセル");
inline constexpr const char* kMatrixCaption = QT_TRANSLATE_NOOP("Brivel", "マトリクスの要素の入力");
// Between a dialog's caption and the element it defines.
inline constexpr const char* kIdeographicSpace = graph_text::kIdeographicSpace;
// Before the sign the next pressed term will take.
inline constexpr const char* kNextTermSign = QT_TRANSLATE_NOOP("Brivel", "次の項：");
inline constexpr std::array<const char*, 15> kBranchButtons = {
    QT_TRANSLATE_NOOP("Brivel", "Ｚ１"),   QT_TRANSLATE_NOOP("Brivel", "Ｚ２"),
    QT_TRANSLATE_NOOP("Brivel", "Ｚ３"),   QT_TRANSLATE_NOOP("Brivel", "Ｚ４"),
    QT_TRANSLATE_NOOP("Brivel", "Ｚ５"),   QT_TRANSLATE_NOOP("Brivel", "Ｚ６"),
    QT_TRANSLATE_NOOP("Brivel", "Ｚ７"),   QT_TRANSLATE_NOOP("Brivel", "Ｚ８"),
    QT_TRANSLATE_NOOP("Brivel", "Ｚ９"),   QT_TRANSLATE_NOOP("Brivel", "Ｚ１０"),
    QT_TRANSLATE_NOOP("Brivel", "Ｚ１１"), QT_TRANSLATE_NOOP("Brivel", "Ｚ１２"),
    QT_TRANSLATE_NOOP("Brivel", "Ｚ１３"), QT_TRANSLATE_NOOP("Brivel", "Ｚ１４"),
    QT_TRANSLATE_NOOP("Brivel", "Ｚ１５")};
inline constexpr const char* kZeroButton = QT_TRANSLATE_NOOP("Brivel", "０");
inline constexpr const char* kCurrentCaption = QT_TRANSLATE_NOOP("Brivel", "ループ電流から枝路電流を求める");
inline constexpr std::array<const char*, 5> kLoopButtons = {
    QT_TRANSLATE_NOOP("Brivel", "Ｉ１"), QT_TRANSLATE_NOOP("Brivel", "Ｉ２"), QT_TRANSLATE_NOOP("Brivel", "Ｉ３"),
    QT_TRANSLATE_NOOP("Brivel", "Ｉ４"), QT_TRANSLATE_NOOP("Brivel", "Ｉ５")};

// Messages.
inline constexpr const char* kEnterCircuitFirst = graph_text::kNoCircuit;
inline constexpr const char* kEnterNumber = QT_TRANSLATE_NOOP("Brivel", "数値を入力して下さい。");

// The matrix against the branch currents. A disagreeing element reads
// "Z23　入力：－Z4　枝路電流から：Z4（I04＝I2＋I3）"; %1 is a loop current
// such as "I3".
inline constexpr const char* kCircuitMenu = QT_TRANSLATE_NOOP("Brivel", "回路(&C)");
inline constexpr const char* kMatrixFromCurrents = QT_TRANSLATE_NOOP("Brivel", "枝路電流からマトリクスを作成(&M)");
inline constexpr const char* kDiagramCommand = QT_TRANSLATE_NOOP("Brivel", "回路図(&D)…");
inline constexpr const char* kFollowCurrents = QT_TRANSLATE_NOOP("Brivel", "枝路電流に合わせる");
inline constexpr const char* kCalculateAsTyped = QT_TRANSLATE_NOOP("Brivel", "入力どおり計算");

// The file menu, its dialogs and the questions that keep a circuit from
// being lost.
inline constexpr const char* kFileMenu = QT_TRANSLATE_NOOP("Brivel", "ファイル(&F)");
inline constexpr const char* kNewCommand = QT_TRANSLATE_NOOP("Brivel", "新規作成(&N)");
inline constexpr const char* kOpenCommand = QT_TRANSLATE_NOOP("Brivel", "開く(&O)…");
inline constexpr const char* kSaveCommand = QT_TRANSLATE_NOOP("Brivel", "上書き保存(&S)");
inline constexpr const char* kSaveAsCommand = QT_TRANSLATE_NOOP("Brivel", "名前を付けて保存(&A)…");
inline constexpr const char* kRecentFilesMenu = QT_TRANSLATE_NOOP("Brivel", "最近使ったファイル");
inline constexpr const char* kQuitCommand = QT_TRANSLATE_NOOP("Brivel", "終了(&X)");
inline constexpr const char* kOpenDialogTitle = QT_TRANSLATE_NOOP("Brivel", "開く");
inline constexpr const char* kSaveDialogTitle = QT_TRANSLATE_NOOP("Brivel", "名前を付けて保存");
inline constexpr const char* kCircuitFileFilter = QT_TRANSLATE_NOOP("Brivel", "Brivel 回路ファイル (*.brivel)");
inline constexpr const char* kUntitledFileName = QT_TRANSLATE_NOOP("Brivel", "回路.brivel");
inline constexpr const char* kUnsavedChanges = QT_TRANSLATE_NOOP("Brivel", "回路が変更されています。保存しますか？");
inline constexpr const char* kSave = QT_TRANSLATE_NOOP("Brivel", "保存");
inline constexpr const char* kDontSave = QT_TRANSLATE_NOOP("Brivel", "保存しない");
inline constexpr const char* kRestoreCircuit =
    QT_TRANSLATE_NOOP("Brivel", "前回正常に終了しなかった回路を復元しますか？");
// After the reason a recovery file was refused; %1 is where it is kept.
inline constexpr const char* kRecoveryKept =
    QT_TRANSLATE_NOOP("Brivel", "\n復元出来なかった回路のファイルは次の名前で残してあります：\n%1");
inline constexpr const char* kChangedElsewhere =
    QT_TRANSLATE_NOOP("Brivel", "ファイルが他で変更されています。上書きしますか？");
inline constexpr const char* kExamplesMenu = QT_TRANSLATE_NOOP("Brivel", "例を開く");

// What assistive technology calls the controls; %1 is a branch number.
inline constexpr const char* kNameEmfField = QT_TRANSLATE_NOOP("Brivel", "起電力 E");
inline constexpr const char* kNameEmfUnit = QT_TRANSLATE_NOOP("Brivel", "起電力 E の単位");
inline constexpr const char* kNameFrequencyField = QT_TRANSLATE_NOOP("Brivel", "周波数 f");
inline constexpr const char* kNameFrequencyUnit = QT_TRANSLATE_NOOP("Brivel", "周波数 f の単位");
inline constexpr const char* kNameSamplePicture = QT_TRANSLATE_NOOP("Brivel", "サンプル回路の図");
inline constexpr const char* kDescribeSamplePicture = QT_TRANSLATE_NOOP(
    "Brivel", "左の網に電源 E と Z1、両方の網に共通の Z2、右の網に Z3。ループ電流 I1 と I2 はどちらも時計回り。");
inline constexpr const char* kNamePageTabs = QT_TRANSLATE_NOOP("Brivel", "ページの切り替え");
inline constexpr const char* kNameImpedanceTabs = QT_TRANSLATE_NOOP("Brivel", "枝路インピーダンスの枝路の組");
inline constexpr const char* kNameCurrentTabs = QT_TRANSLATE_NOOP("Brivel", "枝路電流の枝路の組");
inline constexpr const char* kNameElementButton = QT_TRANSLATE_NOOP("Brivel", "Z%1 の素子値の入力");
inline constexpr const char* kNameImpedanceRe = QT_TRANSLATE_NOOP("Brivel", "Z%1 の実部");
inline constexpr const char* kNameImpedanceIm = QT_TRANSLATE_NOOP("Brivel", "Z%1 の虚部");
inline constexpr const char* kNameImpedanceUnit = QT_TRANSLATE_NOOP("Brivel", "Z%1 の単位");
inline constexpr const char* kNameCurrentButton = QT_TRANSLATE_NOOP("Brivel", "枝路 %1 の電流の定義の入力");
inline constexpr const char* kNameCurrentDefinition = QT_TRANSLATE_NOOP("Brivel", "枝路 %1 の電流の定義");
inline constexpr const char* kNameCurrentMagnitude = QT_TRANSLATE_NOOP("Brivel", "枝路 %1 の電流の大きさ");
inline constexpr const char* kNameCurrentUnit = QT_TRANSLATE_NOOP("Brivel", "枝路 %1 の電流の単位");
inline constexpr const char* kNameCurrentPhase = QT_TRANSLATE_NOOP("Brivel", "枝路 %1 の電流の位相");
inline constexpr const char* kNameInputImpedanceMagnitude = QT_TRANSLATE_NOOP("Brivel", "入力インピーダンスの大きさ");
inline constexpr const char* kNameInputImpedanceUnit = QT_TRANSLATE_NOOP("Brivel", "入力インピーダンスの単位");
inline constexpr const char* kNameInputImpedancePhase = QT_TRANSLATE_NOOP("Brivel", "入力インピーダンスの位相");
inline constexpr const char* kNameVoltageBranch = QT_TRANSLATE_NOOP("Brivel", "電圧を表示する枝路");
inline constexpr const char* kNameVoltageMagnitude = QT_TRANSLATE_NOOP("Brivel", "枝路電圧の大きさ");
inline constexpr const char* kNameVoltageUnit = QT_TRANSLATE_NOOP("Brivel", "枝路電圧の単位");
inline constexpr const char* kNameVoltagePhase = QT_TRANSLATE_NOOP("Brivel", "枝路電圧の位相");
inline constexpr const char* kNotDefined = QT_TRANSLATE_NOOP("Brivel", "未定義");
inline constexpr std::array<const char*, 3> kNameElementValues = {QT_TRANSLATE_NOOP("Brivel", "の抵抗 R"),
                                                                  QT_TRANSLATE_NOOP("Brivel", "のインダクタンス L"),
                                                                  QT_TRANSLATE_NOOP("Brivel", "の容量 C")};
inline constexpr const char* kNameElementUnit = QT_TRANSLATE_NOOP("Brivel", "の単位");
inline constexpr const char* kNameDefinitionLine = QT_TRANSLATE_NOOP("Brivel", "定義");
inline constexpr const char* kNameNextSign = QT_TRANSLATE_NOOP("Brivel", "次の項の符号");
inline constexpr const char* kNameSelectorEdit = QT_TRANSLATE_NOOP("Brivel", "%1の入力欄");
inline constexpr const char* kNameGuideText = QT_TRANSLATE_NOOP("Brivel", "使い方の本文");
inline constexpr const char* kDescribeGuideText =
    QT_TRANSLATE_NOOP("Brivel", "Brivel の使い方を説明する文書。リンクは Tab キーで選べます。");

// The view menu: the language of the windows. Each language is named in
// itself, so that whoever reads only one finds it in the other.
inline constexpr const char* kViewMenu = QT_TRANSLATE_NOOP("Brivel", "表示(&V)");
inline constexpr const char* kLanguageMenu = QT_TRANSLATE_NOOP("Brivel", "言語(&L)");
inline constexpr std::array<const char*, 2> kLanguageNames = {"日本語", "English"};

// The help menu.
inline constexpr const char* kHelpMenu = QT_TRANSLATE_NOOP("Brivel", "ヘルプ(&H)");
inline constexpr const char* kGuideCommand = QT_TRANSLATE_NOOP("Brivel", "使い方(&U)");
inline constexpr const char* kAboutCommand = QT_TRANSLATE_NOOP("Brivel", "バージョン情報(&A)");
// The guide's page in the language in use.
inline constexpr const char* kGuidePage = QT_TRANSLATE_NOOP("Brivel", "qrc:/guide/guide.html");
inline constexpr const char* kGuideTitle = QT_TRANSLATE_NOOP("Brivel", "Brivel の使い方");
inline constexpr const char* kAboutTitle = QT_TRANSLATE_NOOP("Brivel", "バージョン情報");
inline constexpr const char* kAboutText = QT_TRANSLATE_NOOP(
    "Brivel", "<p><b>Brivel %1</b></p><p>線形交流回路のループ解析</p><p>ライセンス：MIT</p><p>Qt %2</p>");

inline constexpr const char* kYes = QT_TRANSLATE_NOOP("Brivel", "はい");
inline constexpr const char* kNo = QT_TRANSLATE_NOOP("Brivel", "いいえ");

}  // namespace texts
