#pragma once
// The texts of the command line, as UTF-8.

#include "calc/translatable.h"

namespace texts {

// The command line.
inline constexpr const char* kHelpUsage = QT_TRANSLATE_NOOP("Brivel", "使い方：");
inline constexpr const char* kHelpWindow = QT_TRANSLATE_NOOP(
    "Brivel",
    "FILE だけのとき（何もないときも）はウィンドウを開いて FILE の回路を読み込みます。ほかの使い方ではウィンドウを"
    "開かず、画面がなくても動きます。");
inline constexpr const char* kHelpResults =
    QT_TRANSLATE_NOOP("Brivel", "FILE の回路を計算し、計算結果を表示単位で一行ずつ出力します。");
inline constexpr const char* kHelpFull = QT_TRANSLATE_NOOP(
    "Brivel",
    "--results の値を基本単位（Ω、Ａ、Ｖ、度）で、読み戻すと同じ値になる最短の数字で出力します。位相は複素数値の "
    "atan2 を倍精度と全桁の π で度に直した値です（--full がなければ画面と同じ小数 4 桁の位相）。");
inline constexpr const char* kHelpCheck = QT_TRANSLATE_NOOP(
    "Brivel",
    "FILE の回路のマトリクスの定義を枝路電流の定義と照合し、一致しない要素を出力します。回路図があれば、ループ数、"
    "枝路数、枝路電流とマトリクスの定義を回路図から求めた定義とも照合します。");
inline constexpr const char* kHelpLoops = QT_TRANSLATE_NOOP(
    "Brivel",
    "FILE の回路図のループ（L1=+Z1+Z2）、枝路電流（I01=I1）とマトリクスの上三角（Z11=Z1+Z2）を一行ずつ出力します。");
inline constexpr const char* kHelpSpice = QT_TRANSLATE_NOOP(
    "Brivel",
    "FILE の回路図の回路を ngspice のネットリストで出力します：周波数特性の 4 ディケードの AC 解析で、各枝路電流の"
    "絶対値と位相を表示します。");
inline constexpr const char* kHelpSweep = QT_TRANSLATE_NOOP("Brivel", "FILE の回路の周波数特性を CSV で出力します。");
inline constexpr const char* kHelpFind = QT_TRANSLATE_NOOP(
    "Brivel",
    "FILE の回路の周波数特性をグラフの探索と同じく探し、見つけた点ごとに「周波数<TAB>絶対値<TAB>位相」（Hz、基本"
    "単位、度）を一行ずつ出力します。SEARCH：max 最大値、min 最小値、-3db －3ｄＢ点、phase0 掃引範囲のすべての"
    "位相0度点。");
inline constexpr const char* kHelpQuantity =
    QT_TRANSLATE_NOOP("Brivel", "--sweep と --find の量：impedance、current、voltage（既定 impedance）。");
inline constexpr const char* kHelpBranch =
    QT_TRANSLATE_NOOP("Brivel", "--find で current、voltage を探す枝路の番号（既定 1）。");
inline constexpr const char* kHelpFrom =
    QT_TRANSLATE_NOOP("Brivel", "周波数特性の左端の周波数 [Hz]：0.01 … 100000 の 10 の累乗（既定 100）。");
inline constexpr const char* kHelpDecades =
    QT_TRANSLATE_NOOP("Brivel", "周波数特性の幅：2 または 4 ディケード（既定 4）。");
inline constexpr const char* kHelpStep = QT_TRANSLATE_NOOP(
    "Brivel",
    "--sweep で枝路 n の素子 R、L、C を値ごとに計算します（例 --step \"Z3.C=1u,2.2u,4.7u\"）。値は SI 接頭語付きの数値"
    "（4.7k、4k7、10n、1μ）をコンマか空白で区切ります。周波数の列のあと、値ごとに、その値の回路の --sweep と同じ列を、"
    "列名の前に「Z3.C=1u 」を付けて出力します。計算出来ない値の欄は空になり、その理由を標準エラーに出力します。");
inline constexpr const char* kHelpLang = QT_TRANSLATE_NOOP(
    "Brivel", "ウィンドウと出力の言語：en 英語、ja 日本語。ないときのウィンドウは最後に選んだ言語、ほかは日本語。");
inline constexpr const char* kHelpHelp = QT_TRANSLATE_NOOP("Brivel", "この説明を出力します。");
inline constexpr const char* kHelpVersion = QT_TRANSLATE_NOOP("Brivel", "版を出力します。");
inline constexpr const char* kHelpToolkit = QT_TRANSLATE_NOOP(
    "Brivel", "ウィンドウを開くときは Qt の標準オプション（-platform、-style、-session など）も使えます。");
inline constexpr const char* kHelpExitStatus = QT_TRANSLATE_NOOP(
    "Brivel",
    "終了状態：0 成功。1 回路を計算できない（--step ではどれかの値で）、探した点がない、出力を書き込めない。2 ファイルを読み込めない、引数が"
    "正しくない、--check で枝路電流の定義が足りないか回路図から定義を求められない、--loops と --spice で回路図がないか"
    "定義を求められない。3 --check でマトリクスの定義か回路図から求めた定義が一致しない。");
inline constexpr const char* kUsageError = QT_TRANSLATE_NOOP("Brivel", "引数が正しくありません：");
inline constexpr const char* kOptionTwice = QT_TRANSLATE_NOOP("Brivel", "%1 が二度指定されています");
// The element of --step; %1 is what stands there, %2 where it starts.
inline constexpr const char* kStepElementUnreadable =
    QT_TRANSLATE_NOOP("Brivel", "「%1」は枝路と素子（Z3.C など）として読めません（%2 文字目）。");
inline constexpr const char* kCannotWriteOutput = QT_TRANSLATE_NOOP("Brivel", "標準出力に書き込めません。");

}  // namespace texts
