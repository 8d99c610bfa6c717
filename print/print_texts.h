#pragma once
// The texts of the printed page and the preview window, as UTF-8.

#include "calc/unit_texts.h"
#include "graph/graph_texts.h"

namespace prtext {

// Page titles in the order of PlottedQuantity.
inline constexpr const char* kTitles[] = {
    "入力インピーダンスの周波数特性",
    "枝路電流の周波数特性",
    "枝路電圧の周波数特性",
};
inline constexpr const char* kHertz = unit_text::kHertz;
inline constexpr const char* kKilo = "K";
inline constexpr const char* kMega = "M";
inline constexpr const char* kDegrees = "　度";
// Unit lines of the level scale, printed below the row that is one unit.
inline constexpr const char* kOhm = "　Ω";
inline constexpr const char* kKiloOhm = "　ＫΩ";
inline constexpr const char* kMegaOhm = "　ＭΩ";
inline constexpr const char* kGigaOhm = "　ＧΩ";
inline constexpr const char* kMicroAmpere = unit_text::kMicroAmpere;
inline constexpr const char* kMilliAmpere = unit_text::kMilliAmpere;
inline constexpr const char* kAmpere = " Ａ";
inline constexpr const char* kKiloAmpere = unit_text::kKiloAmpere;
inline constexpr const char* kMicroVolt = unit_text::kMicroVolt;
inline constexpr const char* kMilliVolt = unit_text::kMilliVolt;
inline constexpr const char* kVolt = " Ｖ";
inline constexpr const char* kKiloVolt = unit_text::kKiloVolt;
inline constexpr const char* kFontProbe = "abcdefあいうえお";
// The legend's name of the kept curve.
inline constexpr const char* kKeptCurve = "保存したZi";

// The circuit's page of the report. The date is a QDate format.
inline constexpr const char* kReportTitle = "回路データと計算結果";
inline constexpr const char* kReportFile = "ファイル：";
inline constexpr const char* kReportUnsaved = "（保存されていない回路）";
inline constexpr const char* kReportDate = "yyyy年M月d日";
inline constexpr const char* kReportElements = "素子値と枝路電流";
inline constexpr const char* kReportMatrix = "マトリクス";
inline constexpr const char* kReportResults = "計算結果";
// Table headings; the branch current and voltage are graph_text's.
inline constexpr const char* kReportBranch = "枝路";
inline constexpr const char* kReportImpedance = "インピーダンス";
inline constexpr const char* kReportPhase = "位相角（度）";
// A branch whose element values, or a definition, never entered.
inline constexpr const char* kReportNotEntered = "（未入力）";
inline constexpr const char* kReportUndefined = "（未定義）";

inline constexpr const char* kEnterCircuit = graph_text::kNoCircuit;
inline constexpr const char* kPrinterFailed = "プリンタへの出力に失敗しました。ページは印刷されていません。";

// The preview window.
inline constexpr const char* kWindowCaption = "回路の周波数特性の印刷プレビューと印刷";
inline constexpr const char* kMarginFrame = "余白サイズ";
// What assistive technology calls the page picture and a margin's arrows,
// after the margin's caption.
inline constexpr const char* kNamePreviewPicture = "印刷されるページ";
inline constexpr const char* kDescribePreviewPicture =
    "用紙一枚に印刷される題名と二つのグラフを縮小した図。点線は余白の内側を示し、印刷されません。";
inline constexpr const char* kNameMarginUp = "を増やす";
inline constexpr const char* kNameMarginDown = "を減らす";
inline constexpr const char* kMarginCaptions[] = {
    "左余白［ｍｍ］",
    "右余白［ｍｍ］",
    "上余白［ｍｍ］",
    "下余白［ｍｍ］",
};
inline constexpr const char* kPreview = "印刷プレビュー";
inline constexpr const char* kPrintSetup = "印刷の設定";
inline constexpr const char* kPrint = "印刷";
inline constexpr const char* kCopy = "クリップボードへコピー";
inline constexpr const char* kClose = "閉じる";
inline constexpr const char* kPdfDialogTitle = "PDFファイルに印刷";
inline constexpr const char* kPdfFilter = "PDF (*.pdf)";
inline constexpr const char* kPdfDefaultName = "brivel_graph.pdf";
inline constexpr const char* kSaveVector = "ＰＤＦ／ＳＶＧで保存…";
// Print, PDF and SVG add the circuit's page; the preview shows it instead of
// the graphs.
inline constexpr const char* kPrintCircuitData = "回路データを印刷";
inline constexpr const char* kShowCircuitPage = "２ページ目を表示";
inline constexpr const char* kSaveCsv = graph_text::kMenuSaveCsv;
inline constexpr const char* kSvgFilter = "SVG (*.svg)";
inline constexpr const char* kPdfSuffix = "pdf";
inline constexpr const char* kSvgSuffix = "svg";
inline constexpr const char* kSvgMimeType = "image/svg+xml";
// The program that made a PDF, as its document information says.
inline constexpr const char* kCreator = "Brivel";

}  // namespace prtext
