#pragma once
// The texts of the printed page and the preview window, as UTF-8.

#include "calc/unit_texts.h"
#include "graph/graph_texts.h"
#include "calc/translatable.h"

namespace prtext {

// Page titles in the order of PlottedQuantity.
inline constexpr const char* kTitles[] = {
    QT_TRANSLATE_NOOP("Brivel", "入力インピーダンスの周波数特性"),
    QT_TRANSLATE_NOOP("Brivel", "枝路電流の周波数特性"),
    QT_TRANSLATE_NOOP("Brivel", "枝路電圧の周波数特性"),
};
inline constexpr const char* kHertz = unit_text::kHertz;
inline constexpr const char* kKilo = graph_text::kKilo;
inline constexpr const char* kMega = "M";
inline constexpr const char* kDegrees = QT_TRANSLATE_NOOP("Brivel", "　度");
// Unit lines of the level scale, printed below the row that is one unit.
inline constexpr const char* kOhm = QT_TRANSLATE_NOOP("Brivel", "　Ω");
inline constexpr const char* kKiloOhm = QT_TRANSLATE_NOOP("Brivel", "　ＫΩ");
inline constexpr const char* kMegaOhm = QT_TRANSLATE_NOOP("Brivel", "　ＭΩ");
inline constexpr const char* kGigaOhm = QT_TRANSLATE_NOOP("Brivel", "　ＧΩ");
inline constexpr const char* kMicroAmpere = unit_text::kMicroAmpere;
inline constexpr const char* kMilliAmpere = unit_text::kMilliAmpere;
inline constexpr const char* kAmpere = QT_TRANSLATE_NOOP("Brivel", " Ａ");
inline constexpr const char* kKiloAmpere = unit_text::kKiloAmpere;
inline constexpr const char* kMicroVolt = unit_text::kMicroVolt;
inline constexpr const char* kMilliVolt = unit_text::kMilliVolt;
inline constexpr const char* kVolt = QT_TRANSLATE_NOOP("Brivel", " Ｖ");
inline constexpr const char* kKiloVolt = unit_text::kKiloVolt;
inline constexpr const char* kFontProbe = "abcdefあいうえお";
// The legend's name of the kept curve.
inline constexpr const char* kKeptCurve = QT_TRANSLATE_NOOP("Brivel", "保存したZi");

// The circuit's page of the report. The date is a QDate format.
inline constexpr const char* kReportTitle = QT_TRANSLATE_NOOP("Brivel", "回路データと計算結果");
inline constexpr const char* kReportFile = QT_TRANSLATE_NOOP("Brivel", "ファイル：");
inline constexpr const char* kReportUnsaved = QT_TRANSLATE_NOOP("Brivel", "（保存されていない回路）");
inline constexpr const char* kReportDate = QT_TRANSLATE_NOOP("Brivel", "yyyy年M月d日");
inline constexpr const char* kReportElements = QT_TRANSLATE_NOOP("Brivel", "素子値と枝路電流");
inline constexpr const char* kReportMatrix = QT_TRANSLATE_NOOP("Brivel", "マトリクス");
inline constexpr const char* kReportResults = QT_TRANSLATE_NOOP("Brivel", "計算結果");
// Table headings; the branch current and voltage are graph_text's.
inline constexpr const char* kReportBranch = QT_TRANSLATE_NOOP("Brivel", "枝路");
inline constexpr const char* kReportImpedance = QT_TRANSLATE_NOOP("Brivel", "インピーダンス");
inline constexpr const char* kReportPhase = QT_TRANSLATE_NOOP("Brivel", "位相角（度）");
// A branch whose element values, or a definition, never entered.
inline constexpr const char* kReportNotEntered = QT_TRANSLATE_NOOP("Brivel", "（未入力）");
inline constexpr const char* kReportUndefined = QT_TRANSLATE_NOOP("Brivel", "（未定義）");

inline constexpr const char* kEnterCircuit = graph_text::kNoCircuit;
inline constexpr const char* kPrinterFailed =
    QT_TRANSLATE_NOOP("Brivel", "プリンタへの出力に失敗しました。ページは印刷されていません。");

// The preview window.
inline constexpr const char* kWindowCaption = QT_TRANSLATE_NOOP("Brivel", "回路の周波数特性の印刷プレビューと印刷");
inline constexpr const char* kMarginFrame = QT_TRANSLATE_NOOP("Brivel", "余白サイズ");
// What assistive technology calls the page picture and a margin's arrows,
// after the margin's caption.
inline constexpr const char* kNamePreviewPicture = QT_TRANSLATE_NOOP("Brivel", "印刷されるページ");
inline constexpr const char* kDescribePreviewPicture = QT_TRANSLATE_NOOP(
    "Brivel", "用紙一枚に印刷される題名と二つのグラフを縮小した図。点線は余白の内側を示し、印刷されません。");
inline constexpr const char* kNameMarginUp = QT_TRANSLATE_NOOP("Brivel", "を増やす");
inline constexpr const char* kNameMarginDown = QT_TRANSLATE_NOOP("Brivel", "を減らす");
inline constexpr const char* kMarginCaptions[] = {
    QT_TRANSLATE_NOOP("Brivel", "左余白［ｍｍ］"),
    QT_TRANSLATE_NOOP("Brivel", "右余白［ｍｍ］"),
    QT_TRANSLATE_NOOP("Brivel", "上余白［ｍｍ］"),
    QT_TRANSLATE_NOOP("Brivel", "下余白［ｍｍ］"),
};
inline constexpr const char* kPreview = QT_TRANSLATE_NOOP("Brivel", "印刷プレビュー");
inline constexpr const char* kPrintSetup = QT_TRANSLATE_NOOP("Brivel", "印刷の設定");
inline constexpr const char* kPrint = QT_TRANSLATE_NOOP("Brivel", "印刷");
inline constexpr const char* kCopy = QT_TRANSLATE_NOOP("Brivel", "クリップボードへコピー");
inline constexpr const char* kClose = QT_TRANSLATE_NOOP("Brivel", "閉じる");
inline constexpr const char* kPdfDialogTitle = QT_TRANSLATE_NOOP("Brivel", "PDFファイルに印刷");
inline constexpr const char* kPdfFilter = "PDF (*.pdf)";
inline constexpr const char* kPdfDefaultName = "brivel_graph.pdf";
inline constexpr const char* kSaveVector = QT_TRANSLATE_NOOP("Brivel", "ＰＤＦ／ＳＶＧで保存…");
// Print, PDF and SVG add the circuit's page; the preview shows it instead of
// the graphs.
inline constexpr const char* kPrintCircuitData = QT_TRANSLATE_NOOP("Brivel", "回路データを印刷");
inline constexpr const char* kShowCircuitPage = QT_TRANSLATE_NOOP("Brivel", "２ページ目を表示");
inline constexpr const char* kSaveCsv = graph_text::kMenuSaveCsv;
inline constexpr const char* kSvgFilter = "SVG (*.svg)";
inline constexpr const char* kPdfSuffix = "pdf";
inline constexpr const char* kSvgSuffix = "svg";
inline constexpr const char* kSvgMimeType = "image/svg+xml";
// The program that made a PDF, as its document information says.
inline constexpr const char* kCreator = "Brivel";

}  // namespace prtext
