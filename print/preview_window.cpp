#include "print/preview_window.h"

#include <cmath>

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QStorageInfo>
#include <QToolButton>

#include "document/language.h"
#include "platform/font_names.h"
#include "platform/fonts.h"
#include "platform/picture_box.h"
#include "platform/placed_widgets.h"
#include "platform/shown_text.h"
#include "print/page_drawer.h"
#include "print/page_host.h"
#include "print/preview_layout.h"
#include "print/print_texts.h"
#include "print/arrow_spinner.h"

namespace pl = preview_layout;

namespace {

const QString kPrintCircuitKey = QStringLiteral("preview/printCircuitData");

QFont CaptionFont() { return MakeFont(QString::fromUtf8(kFacePGothic), pl::kCaptionPoints); }

// A caption too wide for its button goes on two lines, broken where the
// first line is full.
QString FitCaption(const QString& caption, const QFont& font, int width)
{
    const QFontMetrics metrics(font);
    const int room = width - 8;
    if (metrics.horizontalAdvance(caption) <= room) return caption;
    int n = caption.size() - 1;
    while (n > 1 && metrics.horizontalAdvance(caption.left(n)) > room) --n;
    return caption.left(n) + QLatin1Char('\n') + caption.mid(n);
}

QPushButton* MakeButton(QWidget* parent, const char* caption, const twips::Box& box)
{
    QPushButton* button = ButtonAt(parent, box);
    button->setFont(CaptionFont());
    ShowText(button, caption, [button](const QString& shown) {
        button->setText(FitCaption(shown, button->font(), button->width()));
        button->setAccessibleName(shown);
    });
    return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* caption, const twips::Box& place)
{
    auto* box = new QCheckBox(parent);
    ShowText(box, TextRole::Text, caption);
    box->setFont(CaptionFont());
    PlaceAt(*box, place);
    return box;
}

QGroupBox* MakeFrame(QWidget* parent, const twips::Box& box, const char* caption = nullptr)
{
    QGroupBox* frame = FrameAt(parent, box);
    if (caption != nullptr) ShowText(frame, TextRole::Title, caption);
    frame->setFont(CaptionFont());
    return frame;
}

// Qt's own dialog adds the suffix before it asks whether to replace a file,
// so the question is about the file that will be written; a native dialog may
// ask about the name as typed.
QString DefaultPdfChooser(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, Tr(prtext::kPdfDialogTitle), QFileInfo(suggested).absolutePath(),
                       QString::fromUtf8(prtext::kPdfFilter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

// A folder the save dialog can open without trouble: one that exists, takes
// files and lies on a file system with storage of its own. Pseudo file systems
// such as /proc report none, and listing them can block.
bool OrdinaryWritableFolder(const QString& path)
{
    const QFileInfo folder(path);
    return folder.isDir() && folder.isWritable() && QStorageInfo(path).bytesTotal() > 0;
}

}  // namespace

PreviewWindow::PreviewWindow(const GraphState& graph, PageHost& host, QWidget* parent)
    : QDialog(parent),
      graph_(graph),
      host_(host),
      chooser_(DefaultPdfChooser),
      pdfPlace_(QDir::home().filePath(QString::fromUtf8(prtext::kPdfDefaultName))),
      saveChooser_(AskSaveFileName),
      vectorPlace_(pdfPlace_),
      csvPlace_(QDir::home().filePath(QString::fromUtf8(graph_text::kCsvDefaultName)))
{
    ShowText(this, TextRole::WindowTitle, prtext::kWindowCaption);
    setModal(true);
    BuildControls();
    PaperSetup();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::BuildControls()
{
    setFixedSize(twips::ToSize(pl::kClientWidth, pl::kClientHeight));

    previewPicture_ = new PictureBox(this);
    previewPicture_->move(twips::ToPoint(pl::kPreviewLeft, pl::kPreviewTop));
    ShowText(previewPicture_, TextRole::AccessibleName, prtext::kNamePreviewPicture);
    ShowText(previewPicture_, TextRole::AccessibleDescription, prtext::kDescribePreviewPicture);

    QGroupBox* marginFrame = MakeFrame(this, pl::kMarginFrame, prtext::kMarginFrame);
    const QFont textFont = MakeFont(QString::fromUtf8(kFaceMincho), pl::kCaptionPoints);
    for (int i = 0; i < 4; ++i) {
        const pl::MarginControls& at = pl::kMarginControls[i];
        auto* label = new QLabel(marginFrame);
        label->setFont(CaptionFont());
        PlaceAt(*label, at.caption);
        marginFields_[i] = new QLineEdit(marginFrame);
        marginFields_[i]->setFont(textFont);
        PlaceAt(*marginFields_[i], at.field);
        marginFields_[i]->setAlignment(Qt::AlignCenter);
        marginFields_[i]->setReadOnly(true);
        marginSpinners_[i] = new ArrowSpinner(marginFrame);
        PlaceAt(*marginSpinners_[i], at.spinner);
        connect(marginSpinners_[i], &ArrowSpinner::changed, this, &PreviewWindow::MarginChanged);
        QLineEdit* field = marginFields_[i];
        ArrowSpinner* spinner = marginSpinners_[i];
        ShowText(label, prtext::kMarginCaptions[i], [label, field, spinner](const QString& caption) {
            label->setText(caption);
            field->setAccessibleName(caption);
            spinner->UpArrow()->setAccessibleName(caption + Tr(prtext::kNameMarginUp));
            spinner->DownArrow()->setAccessibleName(caption + Tr(prtext::kNameMarginDown));
        });
    }

    previewButton_ = MakeButton(this, prtext::kPreview, pl::kPreviewButton);
    QGroupBox* printFrame = MakeFrame(this, pl::kPrintFrame);
    printSetupButton_ = MakeButton(printFrame, prtext::kPrintSetup, pl::kPrintSetupButton);
    printButton_ = MakeButton(printFrame, prtext::kPrint, pl::kPrintButton);
    copyButton_ = MakeButton(MakeFrame(this, pl::kCopyFrame), prtext::kCopy, pl::kCopyButton);
    closeButton_ = MakeButton(MakeFrame(this, pl::kCloseFrame), prtext::kClose, pl::kCloseButton);
    QGroupBox* exportFrame = MakeFrame(this, pl::kExportFrame);
    saveVectorButton_ = MakeButton(exportFrame, prtext::kSaveVector, pl::kSaveVectorButton);
    saveCsvButton_ = MakeButton(exportFrame, prtext::kSaveCsv, pl::kSaveCsvButton);
    printCircuitBox_ = MakeCheckBox(this, prtext::kPrintCircuitData, pl::kPrintCircuitBox);
    printCircuitBox_->setChecked(QSettings().value(kPrintCircuitKey, false).toBool());
    circuitPageBox_ = MakeCheckBox(this, prtext::kShowCircuitPage, pl::kCircuitPageBox);
    circuitPageBox_->setEnabled(printCircuitBox_->isChecked());

    for (QPushButton* b : {previewButton_, printSetupButton_, printButton_, copyButton_, closeButton_,
                           saveVectorButton_, saveCsvButton_})
        b->setAutoDefault(false);
    connect(previewButton_, &QPushButton::clicked, this, &PreviewWindow::Preview);
    connect(printSetupButton_, &QPushButton::clicked, this, &PreviewWindow::PrintSetup);
    connect(printButton_, &QPushButton::clicked, this, &PreviewWindow::PrintPage);
    connect(copyButton_, &QPushButton::clicked, this, &PreviewWindow::CopyToClipboard);
    connect(closeButton_, &QPushButton::clicked, this, &PreviewWindow::CloseWindow);
    connect(saveVectorButton_, &QPushButton::clicked, this, &PreviewWindow::SaveVector);
    connect(saveCsvButton_, &QPushButton::clicked, this, &PreviewWindow::SaveCsv);
    connect(printCircuitBox_, &QCheckBox::toggled, this, &PreviewWindow::PrintCircuitChosen);
    connect(circuitPageBox_, &QCheckBox::toggled, this, &PreviewWindow::CircuitPageChosen);
}

// Once, when the window is created: the paper decides the page geometry and
// the smallest margins for the rest of the run.
void PreviewWindow::PaperSetup()
{
    printer_.SetPaperSize(PrinterSurface::kPaperA4);
    printer_.SetOrientation(PrinterSurface::kPortrait);
    printer_.SetScaleMillimetres();
    SizePictures();
    prt_.paper =
        MeasurePaper(static_cast<float>(printer_.PaperWidthMm()), static_cast<float>(printer_.PaperHeightMm()),
                     static_cast<float>(printer_.PrintableWidthMm()), static_cast<float>(printer_.PrintableHeightMm()));
    for (int i = 0; i < 4; ++i) {
        const int16_t least = i < 2 ? prt_.paper.minSideMargin : prt_.paper.minTopBottomMargin;
        marginSpinners_[i]->SetRange(least, kMaxMargin, least);
    }
    MirrorMargins();
    previewButton_->hide();
    previewPicture_->SetBackColor(Qt::white);
    clipboardPicture_.SetBackColor(Qt::white);
    prt_.forClipboard = false;
}

// The preview follows the paper as the printer has it now, at half its size.
void PreviewWindow::SizePictures()
{
    const double w = printer_.PaperWidthTwips() / 2.0;
    const double h = printer_.PaperHeightTwips() / 2.0;
    const auto px = [](double t) { return static_cast<int>(std::lround(twips::ToPixelsF(t))); };
    previewPicture_->resize(px(w), px(h));
}

void PreviewWindow::MirrorMargins()
{
    for (int i = 0; i < 4; ++i) marginFields_[i]->setText(QString::number(marginSpinners_[i]->Value()));
}

void PreviewWindow::SetPdfFileChooser(PdfFileChooser chooser) { chooser_ = std::move(chooser); }

void PreviewWindow::SetSaveFileChooser(SaveFileChooser chooser) { saveChooser_ = std::move(chooser); }

QString PreviewWindow::PdfSuggestion() const
{
    const QString suggested = pdfPlace_.Suggestion(host_.CircuitFile());
    if (OrdinaryWritableFolder(QFileInfo(suggested).absolutePath())) return suggested;
    return QDir::home().filePath(QFileInfo(suggested).fileName());
}

void PreviewWindow::SetSweep(PlottedSweep sweep, SweepResult outcome)
{
    sweep_ = std::move(sweep);
    outcome_ = std::move(outcome);
    const CurveLegend legend = PageLegendOf(sweep_, graph_);
    prt_.legendRows = LegendRows(legend.entries.size(), !legend.title.isEmpty());
}

void PreviewWindow::SetReport(CircuitReport report) { report_ = std::move(report); }

bool PreviewWindow::PrintsCircuit() const { return report_ && printCircuitBox_->isChecked(); }

void PreviewWindow::PrintCircuitChosen()
{
    QSettings().setValue(kPrintCircuitKey, printCircuitBox_->isChecked());
    circuitPageBox_->setEnabled(printCircuitBox_->isChecked());
    if (circuitPageBox_->isChecked()) Preview();
}

void PreviewWindow::CircuitPageChosen() { Preview(); }

void PreviewWindow::ShowModal() { exec(); }

void PreviewWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) Preview();
}

void PreviewWindow::reject() { CloseWindow(); }

void PreviewWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && isVisible()) Preview();
    QDialog::changeEvent(event);
}
