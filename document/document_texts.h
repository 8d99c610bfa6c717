#pragma once
// The texts of the circuit as entered, its files, its calculation and its
// text forms, as UTF-8: units, messages and the words of the matrix check.
// The window's own texts continue this namespace in ui/texts.h.

#include "calc/unit_texts.h"
#include "document/whole_file.h"
#include "sweep/sweep_texts.h"
#include "calc/translatable.h"

namespace texts {

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
// Between the real and the imaginary part of an impedance.
inline constexpr const char* kPlusJ = QT_TRANSLATE_NOOP("Brivel", "＋ｊ");
// The signs of a signed sum.
inline constexpr const char* kPlus = QT_TRANSLATE_NOOP("Brivel", "＋");
inline constexpr const char* kMinus = QT_TRANSLATE_NOOP("Brivel", "－");

// Messages.
inline constexpr const char* kCannotCalculate = QT_TRANSLATE_NOOP("Brivel", "計算出来ません");
// Followed by the branches: "I03、I06".
inline constexpr const char* kNoBranchCurrent = QT_TRANSLATE_NOOP("Brivel", "枝路電流がセットされていません：");
// %1 names the branches: "Z3、Z5".
inline constexpr const char* kUnenteredQuestion =
    QT_TRANSLATE_NOOP("Brivel", "%1 の素子値が入力されていません。０Ωとして計算しますか？");
inline constexpr const char* kUnenteredNotice =
    QT_TRANSLATE_NOOP("Brivel", "%1 の素子値が入力されていません。０Ωとして計算します。");
inline constexpr const char* kCapacitorAtZero =
    QT_TRANSLATE_NOOP("Brivel", "周波数が０の場合、コンデンサも０にして下さい。");
// A list of step values that cannot be read; %1 is the part that is no
// value, %2 where it starts.
inline constexpr const char* kNoSteps = QT_TRANSLATE_NOOP("Brivel", "ステップの値を入力して下さい。");
inline constexpr const char* kStepUnreadable = QT_TRANSLATE_NOOP("Brivel", "「%1」は値として読めません（%2 文字目）。");
// The tool tip of an entry field whose text can never become a number.
inline constexpr const char* kNotNumber = QT_TRANSLATE_NOOP("Brivel", "数値ではありません");
inline constexpr const char* kEmfNotZero = graph_text::kEmfNotZero;

// The matrix against the branch currents. A disagreeing element reads
// "Z23　入力：－Z4　枝路電流から：Z4（I04＝I2＋I3）"; %1 is a loop current
// such as "I3".
inline constexpr const char* kMatrixDisagrees =
    QT_TRANSLATE_NOOP("Brivel", "マトリクスの定義が枝路電流の定義と一致しません。");
inline constexpr const char* kTypedDefinition = QT_TRANSLATE_NOOP("Brivel", "　入力：");
inline constexpr const char* kImpliedDefinition = QT_TRANSLATE_NOOP("Brivel", "　枝路電流から：");
inline constexpr const char* kEquals = QT_TRANSLATE_NOOP("Brivel", "＝");
inline constexpr const char* kListSeparator = QT_TRANSLATE_NOOP("Brivel", "、");
inline constexpr const char* kMissingCurrents =
    QT_TRANSLATE_NOOP("Brivel", "枝路電流が定義されていない枝路があります：");
inline constexpr const char* kUnmentionedLoop =
    QT_TRANSLATE_NOOP("Brivel", "ループ電流 %1 を含む枝路電流がありません。");

// The page against its drawing. A disagreeing item reads
// "I02　入力：I1　回路図から：I1－I2"; "ループ数" and "枝路数" name the counts.
inline constexpr const char* kDrawingDisagrees =
    QT_TRANSLATE_NOOP("Brivel", "定義が回路図から求めた定義と一致しません。");
inline constexpr const char* kDrawnDefinition = QT_TRANSLATE_NOOP("Brivel", "　回路図から：");
inline constexpr const char* kLoopCountName = QT_TRANSLATE_NOOP("Brivel", "ループ数");
inline constexpr const char* kBranchCountName = QT_TRANSLATE_NOOP("Brivel", "枝路数");
inline constexpr const char* kNeverDefined = QT_TRANSLATE_NOOP("Brivel", "未定義");
// Followed by why the drawing is refused.
inline constexpr const char* kDrawingRefused = QT_TRANSLATE_NOOP("Brivel", "回路図から定義を求められません：");
inline constexpr const char* kNoDrawing = QT_TRANSLATE_NOOP("Brivel", "回路図がありません");

// Circuit files: the refusal of a file and its reasons, the failure of a
// save. A refusal names the place in the file after its reason.
inline constexpr const char* kCannotReadFile = QT_TRANSLATE_NOOP("Brivel", "ファイルを読み込めません：");
inline constexpr const char* kCannotSaveFile = ::kCannotSaveFile;
inline constexpr const char* kOpenParenthesis = QT_TRANSLATE_NOOP("Brivel", "（");
inline constexpr const char* kCloseParenthesis = QT_TRANSLATE_NOOP("Brivel", "）");
inline constexpr const char* kPlaceOpen = kOpenParenthesis;
inline constexpr const char* kPlaceClose = kCloseParenthesis;
inline constexpr const char* kFileNotOpened = QT_TRANSLATE_NOOP("Brivel", "ファイルを開けません");
inline constexpr const char* kFileNotJson = QT_TRANSLATE_NOOP("Brivel", "JSON の文書ではありません");
inline constexpr const char* kFileNotCircuit = QT_TRANSLATE_NOOP("Brivel", "Brivel の回路ファイルではありません");
inline constexpr const char* kFileNewerVersion =
    QT_TRANSLATE_NOOP("Brivel", "このプログラムより新しい版のファイルです");
inline constexpr const char* kFileMissingOrWrongType = QT_TRANSLATE_NOOP("Brivel", "項目がないか、形式が違います");
inline constexpr const char* kFileUnknownKey = QT_TRANSLATE_NOOP("Brivel", "知らない項目です");
inline constexpr const char* kFileCountOutOfRange = QT_TRANSLATE_NOOP("Brivel", "数が範囲外です");
inline constexpr const char* kFileUnknownUnit = QT_TRANSLATE_NOOP("Brivel", "知らない単位です");
inline constexpr const char* kFileNotNumber = kNotNumber;
inline constexpr const char* kFileOverflow = QT_TRANSLATE_NOOP("Brivel", "単位を掛けると桁あふれします");
inline constexpr const char* kFileBadExpression = QT_TRANSLATE_NOOP("Brivel", "式の形が違います");
inline constexpr const char* kFileTermOutOfRange = QT_TRANSLATE_NOOP("Brivel", "回路にない枝路またはループです");
inline constexpr const char* kFileTermTwice = QT_TRANSLATE_NOOP("Brivel", "同じ項が二度あります");
inline constexpr const char* kFileKeyTwice = QT_TRANSLATE_NOOP("Brivel", "同じ項目が二度あります");
// %1 is the element of the lower triangle, such as "Z21", %2 its mirror.
inline constexpr const char* kFileLowerTriangle = QT_TRANSLATE_NOOP("Brivel", "%1 は %2 として書いて下さい");
// The place of a syntax error; %1 is the line, %2 the column.
inline constexpr const char* kFileLineColumn = QT_TRANSLATE_NOOP("Brivel", "%1 行 %2 列");
inline constexpr const char* kFileNotRegular = QT_TRANSLATE_NOOP("Brivel", "通常のファイルではありません");
inline constexpr const char* kFileTooLarge =
    QT_TRANSLATE_NOOP("Brivel", "回路ファイルにしては大きすぎます（1 MB まで）");
inline constexpr const char* kFileNotWholeNumber = QT_TRANSLATE_NOOP("Brivel", "整数ではありません");
inline constexpr const char* kFileTooManySegments =
    QT_TRANSLATE_NOOP("Brivel", "回路図の線が多すぎます（1000 本まで）");
inline constexpr const char* kFileBranchesNotDrawn = QT_TRANSLATE_NOOP("Brivel", "回路図の枝路数と一致しません");

// The question before a smaller circuit size removes entries: %1 names the
// branches ("Z15", "Z14、Z15", "Z3～Z15"), or the loops ("I5") and then %2
// the matrix elements of their columns ("Z15～Z55").
inline constexpr const char* kRemoveBranches =
    QT_TRANSLATE_NOOP("Brivel", "%1 の素子値と、%1 を含む定義が消去されます。よろしいですか？");
inline constexpr const char* kRemoveLoops =
    QT_TRANSLATE_NOOP("Brivel", "%1 を含む定義と、%2 が消去されます。よろしいですか？");
inline constexpr const char* kThrough = QT_TRANSLATE_NOOP("Brivel", "～");

}  // namespace texts
