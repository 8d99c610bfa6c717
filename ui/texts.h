#pragma once
// Every caption, unit and message of the main window and the entry dialogs,
// as UTF-8. Full-width letters and ideographic spaces are part of the texts.

#include <array>

#include "calc/unit_texts.h"
#include "graph/graph_texts.h"
#include "platform/whole_file.h"

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
inline constexpr const char* kPlusJ = "＋ｊ";
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

// Units.
inline constexpr const char* kMilliVolt = unit_text::kMilliVolt;
inline constexpr const char* kVolt = unit_text::kVolt;
inline constexpr const char* kKiloVolt = unit_text::kKiloVolt;
inline constexpr const char* kMicroVolt = unit_text::kMicroVolt;
inline constexpr const char* kHertz = unit_text::kHertz;
inline constexpr const char* kKiloHertz = unit_text::kKiloHertz;
inline constexpr const char* kMegaHertz = unit_text::kMegaHertz;
inline constexpr const char* kOhm = unit_text::kOhm;
inline constexpr const char* kKiloOhm = unit_text::kKiloOhm;
inline constexpr const char* kMegaOhm = unit_text::kMegaOhm;
inline constexpr const char* kHenry = unit_text::kHenry;
inline constexpr const char* kMilliHenry = unit_text::kMilliHenry;
inline constexpr const char* kMicroHenry = unit_text::kMicroHenry;
inline constexpr const char* kFarad = unit_text::kFarad;
inline constexpr const char* kMicroFarad = unit_text::kMicroFarad;
inline constexpr const char* kPicoFarad = unit_text::kPicoFarad;
inline constexpr const char* kMicroAmpere = unit_text::kMicroAmpere;
inline constexpr const char* kMilliAmpere = unit_text::kMilliAmpere;
inline constexpr const char* kAmpere = unit_text::kAmpere;

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
inline constexpr const char* kPlus = "＋";
inline constexpr const char* kMinus = "－";
inline constexpr const char* kCurrentCaption = "ループ電流から枝路電流を求める";
inline constexpr std::array<const char*, 5> kLoopButtons = {"Ｉ１", "Ｉ２", "Ｉ３", "Ｉ４", "Ｉ５"};

// Messages.
inline constexpr const char* kEnterCircuitFirst = graph_text::kNoCircuit;
inline constexpr const char* kCannotCalculate = "計算出来ません";
// Followed by the branches: "I03、I06".
inline constexpr const char* kNoBranchCurrent = "枝路電流がセットされていません：";
// %1 names the branches: "Z3、Z5".
inline constexpr const char* kUnenteredQuestion = "%1 の素子値が入力されていません。０Ωとして計算しますか？";
inline constexpr const char* kUnenteredNotice = "%1 の素子値が入力されていません。０Ωとして計算します。";
inline constexpr const char* kCapacitorAtZero = "周波数が０の場合、コンデンサも０にして下さい。";
inline constexpr const char* kEnterNumber = "数値を入力して下さい。";
// The tool tip of an entry field whose text can never become a number.
inline constexpr const char* kNotNumber = "数値ではありません";
inline constexpr const char* kEmfNotZero = graph_text::kEmfNotZero;

// The matrix against the branch currents. A disagreeing element reads
// "Z23　入力：－Z4　枝路電流から：Z4（I04＝I2＋I3）"; %1 is a loop current
// such as "I3".
inline constexpr const char* kCircuitMenu = "回路(&C)";
inline constexpr const char* kMatrixFromCurrents = "枝路電流からマトリクスを作成(&M)";
inline constexpr const char* kFollowCurrents = "枝路電流に合わせる";
inline constexpr const char* kCalculateAsTyped = "入力どおり計算";
inline constexpr const char* kMatrixDisagrees = "マトリクスの定義が枝路電流の定義と一致しません。";
inline constexpr const char* kTypedDefinition = "　入力：";
inline constexpr const char* kImpliedDefinition = "　枝路電流から：";
inline constexpr const char* kEquals = "＝";
inline constexpr const char* kListSeparator = "、";
inline constexpr const char* kMissingCurrents = "枝路電流が定義されていない枝路があります：";
inline constexpr const char* kUnmentionedLoop = "ループ電流 %1 を含む枝路電流がありません。";

// Circuit files: the refusal of a file and its reasons, the failure of a
// save. A refusal names the place in the file after its reason.
inline constexpr const char* kCannotReadFile = "ファイルを読み込めません：";
inline constexpr const char* kCannotSaveFile = ::kCannotSaveFile;
inline constexpr const char* kOpenParenthesis = "（";
inline constexpr const char* kCloseParenthesis = "）";
inline constexpr const char* kPlaceOpen = kOpenParenthesis;
inline constexpr const char* kPlaceClose = kCloseParenthesis;
inline constexpr const char* kFileNotOpened = "ファイルを開けません";
inline constexpr const char* kFileNotJson = "JSON の文書ではありません";
inline constexpr const char* kFileNotCircuit = "Brivel の回路ファイルではありません";
inline constexpr const char* kFileNewerVersion = "このプログラムより新しい版のファイルです";
inline constexpr const char* kFileMissingOrWrongType = "項目がないか、形式が違います";
inline constexpr const char* kFileUnknownKey = "知らない項目です";
inline constexpr const char* kFileCountOutOfRange = "数が範囲外です";
inline constexpr const char* kFileUnknownUnit = "知らない単位です";
inline constexpr const char* kFileNotNumber = kNotNumber;
inline constexpr const char* kFileOverflow = "単位を掛けると桁あふれします";
inline constexpr const char* kFileBadExpression = "式の形が違います";
inline constexpr const char* kFileTermOutOfRange = "回路にない枝路またはループです";
inline constexpr const char* kFileTermTwice = "同じ項が二度あります";
inline constexpr const char* kFileKeyTwice = "同じ項目が二度あります";
// %1 is the element of the lower triangle, such as "Z21", %2 its mirror.
inline constexpr const char* kFileLowerTriangle = "%1 は %2 として書いて下さい";
// The place of a syntax error; %1 is the line, %2 the column.
inline constexpr const char* kFileLineColumn = "%1 行 %2 列";
inline constexpr const char* kFileNotRegular = "通常のファイルではありません";
inline constexpr const char* kFileTooLarge = "回路ファイルにしては大きすぎます（1 MB まで）";

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

// The command line.
inline constexpr const char* kHelpUsage = "使い方：";
inline constexpr const char* kHelpWindow =
    "FILE だけのとき（何もないときも）はウィンドウを開いて FILE の回路を読み込みます。ほかの使い方ではウィンドウを"
    "開かず、画面がなくても動きます。";
inline constexpr const char* kHelpResults = "FILE の回路を計算し、計算結果を表示単位で一行ずつ出力します。";
inline constexpr const char* kHelpFull =
    "--results の値を基本単位（Ω、Ａ、Ｖ、度）で、読み戻すと同じ値になる最短の数字で出力します。位相は複素数値の "
    "atan2 を倍精度と全桁の π で度に直した値です（--full がなければ画面と同じ小数 4 桁の位相）。";
inline constexpr const char* kHelpCheck =
    "FILE の回路のマトリクスの定義を枝路電流の定義と照合し、一致しない要素を出力します。";
inline constexpr const char* kHelpSweep = "FILE の回路の周波数特性を CSV で出力します。";
inline constexpr const char* kHelpFind =
    "FILE の回路の周波数特性をグラフの探索と同じく探し、見つけた点ごとに「周波数<TAB>絶対値<TAB>位相」（Hz、基本"
    "単位、度）を一行ずつ出力します。SEARCH：max 最大値、min 最小値、-3db －3ｄＢ点、phase0 掃引範囲のすべての"
    "位相0度点。";
inline constexpr const char* kHelpQuantity = "--sweep と --find の量：impedance、current、voltage（既定 impedance）。";
inline constexpr const char* kHelpBranch = "--find で current、voltage を探す枝路の番号（既定 1）。";
inline constexpr const char* kHelpFrom = "周波数特性の左端の周波数 [Hz]：0.01 … 100000 の 10 の累乗（既定 100）。";
inline constexpr const char* kHelpDecades = "周波数特性の幅：2 または 4 ディケード（既定 4）。";
inline constexpr const char* kHelpHelp = "この説明を出力します。";
inline constexpr const char* kHelpVersion = "版を出力します。";
inline constexpr const char* kHelpToolkit =
    "ウィンドウを開くときは Qt の標準オプション（-platform、-style、-session など）も使えます。";
inline constexpr const char* kHelpExitStatus =
    "終了状態：0 成功。1 回路を計算できない、探した点がない、出力を書き込めない。2 ファイルを読み込めない、引数が"
    "正しくない、--check で枝路電流の定義が足りない。3 --check でマトリクスの定義が一致しない。";
inline constexpr const char* kUsageError = "引数が正しくありません：";
inline constexpr const char* kOptionTwice = "%1 が二度指定されています";
inline constexpr const char* kCannotWriteOutput = "標準出力に書き込めません。";

// The question before a smaller circuit size removes entries: %1 names the
// branches ("Z15", "Z14、Z15", "Z3～Z15"), or the loops ("I5") and then %2
// the matrix elements of their columns ("Z15～Z55").
inline constexpr const char* kRemoveBranches = "%1 の素子値と、%1 を含む定義が消去されます。よろしいですか？";
inline constexpr const char* kRemoveLoops = "%1 を含む定義と、%2 が消去されます。よろしいですか？";
inline constexpr const char* kThrough = "～";
inline constexpr const char* kYes = "はい";
inline constexpr const char* kNo = "いいえ";

}  // namespace texts
