#pragma once
// Every caption, unit and message of the main window and the entry dialogs,
// as UTF-8. Full-width letters and ideographic spaces are part of the texts.

#include <array>

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
inline constexpr std::array<const char*, 14> kCounts = {"２", "３", "４", "５", "６", "７", "８",
                                                        "９", "１０", "１１", "１２", "１３", "１４", "１５"};

// Commands, in the order of their indices.
inline constexpr std::array<const char*, 4> kCommands = {"計算実行", "周波数特性", "クリア", "終了"};

// Units.
inline constexpr const char* kMilliVolt = "ｍＶ";
inline constexpr const char* kVolt = "Ｖ";
inline constexpr const char* kKiloVolt = "ＫＶ";
inline constexpr const char* kMicroVolt = "μＶ";
inline constexpr const char* kHertz = "Ｈｚ";
inline constexpr const char* kKiloHertz = "ＫＨｚ";
inline constexpr const char* kMegaHertz = "ＭＨｚ";
inline constexpr const char* kOhm = "Ω";
inline constexpr const char* kKiloOhm = "ＫΩ";
inline constexpr const char* kMegaOhm = "ＭΩ";
inline constexpr const char* kHenry = "Ｈ";
inline constexpr const char* kMilliHenry = "ｍＨ";
inline constexpr const char* kMicroHenry = "μＨ";
inline constexpr const char* kFarad = "Ｆ";
inline constexpr const char* kMicroFarad = "μＦ";
inline constexpr const char* kPicoFarad = "ＰＦ";
inline constexpr const char* kMicroAmpere = "μＡ";
inline constexpr const char* kMilliAmpere = "ｍＡ";
inline constexpr const char* kAmpere = "Ａ";

// Prefix of the branch-voltage selector items "Ｖ01" … "Ｖ15".
inline constexpr const char* kVoltagePrefix = kVolt;

// Entry dialogs.
inline constexpr const char* kElementCaption = "ＲＬＣ素子値の入力";
inline constexpr std::array<const char*, 3> kElementNames = {"Ｒ＝", "Ｌ＝", "Ｃ＝"};
inline constexpr const char* kOk = "ＯＫ";
inline constexpr const char* kCancel = "キャンセル";
inline constexpr const char* kMatrixCaption = "マトリクスの要素の入力";
inline constexpr std::array<const char*, 15> kBranchButtons = {"Ｚ１", "Ｚ２", "Ｚ３", "Ｚ４", "Ｚ５",
                                                               "Ｚ６", "Ｚ７", "Ｚ８", "Ｚ９", "Ｚ１０",
                                                               "Ｚ１１", "Ｚ１２", "Ｚ１３", "Ｚ１４", "Ｚ１５"};
inline constexpr const char* kZeroButton = "０";
inline constexpr const char* kPlus = "＋";
inline constexpr const char* kMinus = "－";
inline constexpr const char* kCurrentCaption = "ループ電流から枝路電流を求める";
inline constexpr std::array<const char*, 5> kLoopButtons = {"Ｉ１", "Ｉ２", "Ｉ３", "Ｉ４", "Ｉ５"};

// Messages.
inline constexpr const char* kEnterCircuitFirst = "回路定数を入力して下さい";
inline constexpr const char* kCannotCalculate = "計算出来ません";
inline constexpr const char* kNoBranchCurrent = "枝路電流がセットされていません。";
inline constexpr const char* kCapacitorAtZero = "周波数が０の場合、コンデンサも０にして下さい。";

}  // namespace texts
