#include "print/preview_window.h"

#include <cmath>

#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStorageInfo>

#include "platform/font_names.h"
#include "platform/fonts.h"
#include "platform/picture_box.h"
#include "print/preview_layout.h"
#include "print/print_texts.h"
#include "print/up_down.h"

namespace pl = preview_layout;

namespace {

QFont CaptionFont()
{
    return MakeFont(QString::fromUtf8(kFacePGothic), pl::kCaptionPoints);
}

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
    auto* button = new QPushButton(parent);
    button->setFont(CaptionFont());
    button->setGeometry(twips::ToRect(box));
    button->setText(FitCaption(QString::fromUtf8(caption), button->font(), button->width()));
    return button;
}

QGroupBox* MakeFrame(QWidget* parent, const char* caption, const twips::Box& box)
{
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    frame->setFont(CaptionFont());
    frame->setGeometry(twips::ToRect(box));
    return frame;
}

// Qt's own dialog adds the suffix before it asks whether to replace a file,
// so the question is about the file that will be written; a native dialog may
// ask about the name as typed.
QString DefaultPdfChooser(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, QString::fromUtf8(prtext::kPdfDialogTitle), QFileInfo(suggested).absolutePath(),
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

PreviewWindow::PreviewWindow(Circuit& circuit, GraphState& graph, PageHost& host, QWidget* parent)
    : QDialog(parent), circuit_(circuit), graph_(graph), host_(host), chooser_(DefaultPdfChooser),
      lastPdf_(QDir::home().filePath(QString::fromUtf8(prtext::kPdfDefaultName)))
{
    setWindowTitle(QString::fromUtf8(prtext::kWindowCaption));
    setModal(true);
    BuildControls();
    PaperSetup();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::BuildControls()
{
    setFixedSize(twips::ToSize(pl::kClientWidth, pl::kClientHeight));

    picture1_ = new PictureBox(this);
    picture1_->move(twips::ToPoint(pl::kPicture1Left, pl::kPicture1Top));

    QGroupBox* frame4 = MakeFrame(this, prtext::kMarginFrame, pl::kFrame4);
    const QFont textFont = MakeFont(QString::fromUtf8(kFaceMincho), pl::kCaptionPoints);
    for (int i = 0; i < 4; ++i) {
        const pl::MarginControls& at = pl::kMarginControls[i];
        auto* label = new QLabel(QString::fromUtf8(prtext::kMarginCaptions[i]), frame4);
        label->setFont(CaptionFont());
        label->setGeometry(twips::ToRect(at.label));
        text1_[i] = new QLineEdit(frame4);
        text1_[i]->setFont(textFont);
        text1_[i]->setGeometry(twips::ToRect(at.text));
        text1_[i]->setAlignment(Qt::AlignCenter);
        text1_[i]->setReadOnly(true);
        upDown1_[i] = new UpDown(frame4);
        upDown1_[i]->setGeometry(twips::ToRect(at.spinner));
        connect(upDown1_[i], &UpDown::changed, this, &PreviewWindow::MarginChanged);
    }

    prViewCmd_ = MakeButton(this, prtext::kPreview, pl::kPrViewCmd);
    QGroupBox* frame1 = MakeFrame(this, "", pl::kFrame1);
    prtSetCmd_ = MakeButton(frame1, prtext::kPrintSetup, pl::kPrtSetCmd);
    prtCmd_ = MakeButton(frame1, prtext::kPrint, pl::kPrtCmd);
    clpCpyCmd_ = MakeButton(MakeFrame(this, "", pl::kFrame2), prtext::kCopy, pl::kClpCpyCmd);
    prgEndCmd_ = MakeButton(MakeFrame(this, "", pl::kFrame3), prtext::kClose, pl::kPrgEndCmd);

    for (QPushButton* b : {prViewCmd_, prtSetCmd_, prtCmd_, clpCpyCmd_, prgEndCmd_}) b->setAutoDefault(false);
    connect(prViewCmd_, &QPushButton::clicked, this, &PreviewWindow::Preview);
    connect(prtSetCmd_, &QPushButton::clicked, this, &PreviewWindow::PrintSetup);
    connect(prtCmd_, &QPushButton::clicked, this, &PreviewWindow::PrintPage);
    connect(clpCpyCmd_, &QPushButton::clicked, this, &PreviewWindow::CopyToClipboard);
    connect(prgEndCmd_, &QPushButton::clicked, this, &PreviewWindow::CloseWindow);
}

// Once, when the window is created: the paper decides the page geometry and
// the smallest margins for the rest of the run.
void PreviewWindow::PaperSetup()
{
    printer_.SetPaperSize(PrinterSurface::kPaperA4);
    printer_.SetOrientation(PrinterSurface::kPortrait);
    printer_.SetScaleMillimetres();
    SizePictures();
    prt_.paper = MeasurePaper(static_cast<float>(printer_.PaperWidthMm()), static_cast<float>(printer_.PaperHeightMm()),
                              static_cast<float>(printer_.PrintableWidthMm()),
                              static_cast<float>(printer_.PrintableHeightMm()));
    for (int i = 0; i < 4; ++i) {
        const int16_t least = i < 2 ? prt_.paper.MinMarX : prt_.paper.MinMarY;
        upDown1_[i]->SetRange(least, kMaxMargin, least);
    }
    MirrorMargins();
    prViewCmd_->hide();
    picture1_->SetBackColor(Qt::white);
    clipPic_.SetBackColor(Qt::white);
    prt_.ClipMode = 0;
}

// The preview follows the paper as the printer has it now, at half its size.
void PreviewWindow::SizePictures()
{
    const double w = printer_.PaperWidthTwips() / 2.0;
    const double h = printer_.PaperHeightTwips() / 2.0;
    const auto px = [](double t) { return static_cast<int>(std::lround(twips::ToPixelsF(t))); };
    picture1_->resize(px(w), px(h));
}

void PreviewWindow::MirrorMargins()
{
    for (int i = 0; i < 4; ++i) text1_[i]->setText(QString::number(upDown1_[i]->Value()));
}

void PreviewWindow::SetPdfFileChooser(PdfFileChooser chooser)
{
    chooser_ = std::move(chooser);
}

QString PreviewWindow::PdfSuggestion() const
{
    if (OrdinaryWritableFolder(QFileInfo(lastPdf_).absolutePath())) return lastPdf_;
    return QDir::home().filePath(QFileInfo(lastPdf_).fileName());
}

void PreviewWindow::ShowModal()
{
    exec();
}

void PreviewWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) Preview();
}

void PreviewWindow::reject()
{
    CloseWindow();
}
