#pragma once
// The preview window: the report page at half size with its four
// margins, printing, the printer set-up, a copy of the graphs to the
// clipboard and closing. Create it on first use and keep it: closing only
// hides it, so the margins persist. ShowModal previews and waits until the
// window is closed again. With 回路データを印刷, a choice kept between runs,
// print, PDF and SVG carry the circuit's page after the graphs; the
// clipboard keeps to the graphs.

#include <array>
#include <functional>
#include <optional>

#include <QDialog>
#include <QString>

#include "sweep/plotted_sweep.h"
#include "platform/printer_surface.h"
#include "platform/save_file_dialog.h"
#include "print/circuit_report.h"
#include "print/clipboard_picture.h"
#include "print/page_export.h"
#include "print/print_state.h"

class PageHost;
class PictureBox;
class QCheckBox;
class QLineEdit;
class QPushButton;
class ArrowSpinner;
struct GraphState;

class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(const GraphState& graph, PageHost& host, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // The sweep every page and export draws from now on, as PlotSweep made it
    // of the graph state, with its outcome.
    void SetSweep(PlottedSweep sweep, SweepResult outcome);
    // The circuit the circuit's page describes; without one there is no
    // such page.
    void SetReport(CircuitReport report);
    // "グラフ印刷": shows the window modally with a fresh preview.
    void ShowModal();

    // The commands of the window, as its controls run them.
    void Preview();          // "印刷プレビュー", hidden, run on every opening
    void MarginChanged();    // any margin spinner
    void PrintPage();        // "印刷"
    void PrintSetup();       // "印刷の設定"
    void CopyToClipboard();  // "クリップボードへコピー": the picture also as PNG, the sweep, the page as SVG
    void CloseWindow();      // "閉じる", the close box and Esc
    void SaveVector();       // "ＰＤＦ／ＳＶＧで保存…": the page, without the printer
    void SaveCsv();          // "ＣＳＶで保存…": the sweep of the plotted curves

    // "回路データを印刷", a choice kept between runs, and "２ページ目を表示",
    // with which the preview shows the circuit's page.
    void PrintCircuitChosen();
    void CircuitPageChosen();

    // Printer text width over preview text width, both at 10 points.
    float MeasureFontRatio();

    // Asks for the PDF file "印刷" writes when the machine has no printer;
    // an empty answer cancels. The default asks with a save dialog.
    using PdfFileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
    void SetPdfFileChooser(PdfFileChooser chooser);
    // Asks for the files the exports write; the default asks with a save dialog.
    void SetSaveFileChooser(SaveFileChooser chooser);

    PictureBox& PreviewPicture() { return *previewPicture_; }
    ClipboardPicture& CopyPicture() { return clipboardPicture_; }
    // Margin i: 0 left, 1 right, 2 top, 3 bottom.
    ArrowSpinner& MarginSpinner(int i) { return *marginSpinners_[i]; }
    QLineEdit& MarginField(int i) { return *marginFields_[i]; }
    QPushButton& PrintSetupButton() { return *printSetupButton_; }
    QPushButton& PrintButton() { return *printButton_; }
    QPushButton& CopyButton() { return *copyButton_; }
    QPushButton& CloseButton() { return *closeButton_; }
    QPushButton& SaveVectorButton() { return *saveVectorButton_; }
    QPushButton& SaveCsvButton() { return *saveCsvButton_; }
    QCheckBox& PrintCircuitBox() { return *printCircuitBox_; }
    QCheckBox& CircuitPageBox() { return *circuitPageBox_; }
    PrinterSurface& Printer() { return printer_; }
    const PrintState& State() const { return prt_; }

protected:
    // Every opening previews the page afresh.
    void showEvent(QShowEvent* event) override;
    // The page and its picture in the language now in use.
    void changeEvent(QEvent* event) override;
    void reject() override;

private:
    void BuildControls();
    void PaperSetup();
    void CoordinateSetup();
    void SizePictures();
    void MirrorMargins();
    bool DrawPage();
    // The circuit's page follows the graphs'.
    bool PrintsCircuit() const;
    // What the window says of a page that is not complete: why, over itself,
    // and before any valid calculation it sends the user back. True for a
    // complete page.
    bool Complete(const SweepResult& page);
    // The page's sources: the print state, the graph state and the sweep,
    // with the circuit's page when it is printed.
    PageSources Sources(bool withCircuit) const;
    // The file the save dialog offers, or the same name in the home folder
    // when its folder is no longer an ordinary writable one.
    QString PdfSuggestion() const;
    // The table of the sweep with the kept curve where the page draws that
    // too; nothing when the sweep is not complete.
    std::optional<QString> SweepTable(QChar separator) const;
    // Writes the bytes, or says why not; true when written.
    bool WriteExport(const QString& path, const QByteArray& bytes);

    const GraphState& graph_;
    PageHost& host_;
    PlottedSweep sweep_;
    SweepResult outcome_;
    std::optional<CircuitReport> report_;
    PrintState prt_;
    PrinterSurface printer_;
    ClipboardPicture clipboardPicture_;
    PdfFileChooser chooser_;
    ExportPlace pdfPlace_;  // of the files pages are printed to
    SaveFileChooser saveChooser_;
    ExportPlace vectorPlace_, csvPlace_;

    PictureBox* previewPicture_ = nullptr;
    std::array<ArrowSpinner*, 4> marginSpinners_{};
    std::array<QLineEdit*, 4> marginFields_{};
    QPushButton* previewButton_ = nullptr;
    QPushButton* printSetupButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* saveVectorButton_ = nullptr;
    QPushButton* saveCsvButton_ = nullptr;
    QCheckBox* printCircuitBox_ = nullptr;
    QCheckBox* circuitPageBox_ = nullptr;
};
