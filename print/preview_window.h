#pragma once
// The preview window Prvfrm: the report page at half size with its four
// margins, printing, the printer set-up, a copy of the graphs to the
// clipboard and closing. Create it on first use and keep it: closing only
// hides it, so the margins persist. ShowModal previews and waits until the
// window is closed again.

#include <array>
#include <functional>

#include <QDialog>
#include <QString>

#include "platform/printer_surface.h"
#include "print/clip_picture.h"
#include "print/print_state.h"

class PageHost;
class PictureBox;
class QLineEdit;
class QPushButton;
class UpDown;
struct Circuit;
struct GraphState;

class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(Circuit& circuit, GraphState& graph, PageHost& host, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // "グラフ印刷": shows the window modally with a fresh preview.
    void ShowModal();

    // The commands of the window, as its controls run them.
    void Preview();          // PrView_Cmd, pressed on every opening
    void MarginChanged();    // any UpDown1(i)
    void PrintPage();        // Prt_cmd "印刷"
    void PrintSetup();       // PrtSet_Cmd "印刷の設定"
    void CopyToClipboard();  // ClpCpy_Cmd "クリップボードへコピー"
    void CloseWindow();      // PrgEnd_Cmd "閉じる", the close box and Esc

    // Printer text width over preview text width, both at 10 points.
    float CalcFontRatio();

    // Asks for the PDF file "印刷" writes when the machine has no printer;
    // an empty answer cancels. The default asks with a save dialog.
    using PdfFileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
    void SetPdfFileChooser(PdfFileChooser chooser);

    PictureBox& Picture1() { return *picture1_; }
    ClipPicture& ClipPic() { return clipPic_; }
    UpDown& UpDown1(int i) { return *upDown1_[i]; }
    QLineEdit& Text1(int i) { return *text1_[i]; }
    QPushButton& PrtSetCmd() { return *prtSetCmd_; }
    QPushButton& PrtCmd() { return *prtCmd_; }
    QPushButton& ClpCpyCmd() { return *clpCpyCmd_; }
    QPushButton& PrgEndCmd() { return *prgEndCmd_; }
    PrinterSurface& Printer() { return printer_; }
    const PrintState& State() const { return prt_; }

protected:
    // Every opening previews the page afresh.
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void BuildControls();
    void PaperSetup();
    void CoordinateSetup();
    void SizePictures();
    void MirrorMargins();
    bool DrawPage();
    // The file the save dialog offers: the last one printed to, or the same
    // name in the home folder when its folder is no longer an ordinary
    // writable one.
    QString PdfSuggestion() const;

    Circuit& circuit_;
    GraphState& graph_;
    PageHost& host_;
    PrintState prt_;
    PrinterSurface printer_;
    ClipPicture clipPic_;
    PdfFileChooser chooser_;
    QString lastPdf_;  // the last file a page was printed to

    PictureBox* picture1_ = nullptr;
    std::array<UpDown*, 4> upDown1_{};
    std::array<QLineEdit*, 4> text1_{};
    QPushButton* prViewCmd_ = nullptr;
    QPushButton* prtSetCmd_ = nullptr;
    QPushButton* prtCmd_ = nullptr;
    QPushButton* clpCpyCmd_ = nullptr;
    QPushButton* prgEndCmd_ = nullptr;
};
