#include "graph/graph_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

#include "graph/caption_wrap.h"
#include "graph/graph_layout.h"
#include "graph/graph_texts.h"
#include "graph/page_widgets.h"
#include "graph/position_icons.h"
#include "platform/font_names.h"
#include "platform/fonts.h"
#include "platform/picture_box.h"

namespace gl = graph_layout;

namespace {

// Room kept free around a caption, pixels.
constexpr int kCaptionMargin = 2;
constexpr int kButtonMargins = 8;

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QFont Mincho(double points, bool bold = false) { return MakeFont(Text(kFaceMincho), points, bold); }

void Place(QWidget* w, const twips::Box& box) { w->setGeometry(twips::ToRect(box)); }

PictureBox* MakeBox(QWidget* parent, const twips::Box& box, const QColor& back)
{
    auto* p = new PictureBox(parent);
    Place(p, box);
    p->SetBackColor(back);
    return p;
}

// A strip of scale labels, printed in the Mincho face.
PictureBox* MakeStrip(QWidget* parent, const twips::Box& box)
{
    PictureBox* p = MakeBox(parent, box, gl::kStripColour);
    p->SetFontName(Text(kFaceMincho));
    p->SetFontSize(gl::kScaleFontPoints);
    return p;
}

QLabel* MakeLabel(QWidget* parent, const twips::Box& box, const QColor& back, const QFont& font)
{
    auto* label = new QLabel(parent);
    Place(label, box);
    Paint(label, back);
    label->setFont(font);
    return label;
}

// A title held vertically: one character per line.
QString Vertical(const QString& s)
{
    QStringList chars;
    for (QChar ch : s) chars << QString(ch);
    return chars.join('\n');
}

QGroupBox* MakeFrame(QWidget* parent, const twips::Box& box, const QString& caption = {})
{
    auto* frame = new QGroupBox(caption, parent);
    Place(frame, box);
    Paint(frame, gl::kPageColour);
    frame->setFont(Mincho(gl::kFrameFontPoints));
    return frame;
}

QRadioButton* MakeOption(QWidget* parent, const twips::Box& box, const char* caption, const QColor& back)
{
    auto* option = new QRadioButton(parent);
    option->setAutoExclusive(false);
    Place(option, box);
    Paint(option, back);
    option->setFont(Mincho(gl::kOptionFontPoints));
    const int indicator = option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
                          option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
    SetFittedCaption(*option, Text(caption), option->width() - indicator - kCaptionMargin, option->height());
    return option;
}

QPushButton* MakeCommand(QWidget* parent, const twips::Box& box, const char* caption)
{
    auto* button = new QPushButton(parent);
    Place(button, box);
    button->setFont(Mincho(gl::kCommandFontPoints, true));
    SetFittedCaption(*button, Text(caption), button->width() - kButtonMargins, button->height() - kButtonMargins);
    return button;
}

QToolButton* MakePositionButton(QWidget* parent, const twips::Box& box, TriangleDirection direction)
{
    auto* button = new QToolButton(parent);
    Place(button, box);
    const QSize size = twips::ToSize(box.width, box.height);
    button->setIcon(TriangleIcon(direction, size));
    button->setIconSize(size - QSize(4, 4));
    return button;
}

}  // namespace

GraphPage::GraphPage(Circuit& circuit, GraphState& state, GraphHost& host, QWidget* parent)
    : QWidget(parent),
      circuit_(circuit),
      state_(state),
      host_(host),
      impGrf_{MakeBox(this, gl::kImpGrf[0], gl::kGraphBackColour), MakeBox(this, gl::kImpGrf[1], gl::kGraphBackColour)},
      impScl_{MakeStrip(this, gl::kImpScl[0]), MakeStrip(this, gl::kImpScl[1])},
      frqScl_(MakeStrip(this, gl::kFrqScl)),
      boxes_{*impGrf_[0], *impGrf_[1], *frqScl_, *impScl_[0], *impScl_[1]}
{
    resize(twips::ToSize(gl::kPageWidth, gl::kPageHeight));
    Paint(this, gl::kPageColour);
    setMouseTracking(true);
    BuildGraphs();
    BuildQuantityFrame();
    BuildBranchFrame();
    BuildCommandFrame();
    BuildPositionFrame();
    BuildRangeFrame();
    Connect();
}

GraphPage::~GraphPage() = default;

void GraphPage::BuildGraphs()
{
    const std::array<const char*, 2> titles{graph_text::kMagTitle, graph_text::kPhTitle};
    for (int i = 0; i < 2; ++i) {
        gfTitl_[i] = MakeLabel(this, gl::kGfTitl[i], gl::kStripColour, Mincho(gl::kTitleFontPoints, true));
        gfTitl_[i]->setText(Vertical(Text(titles[i])));
        gfTitl_[i]->setAlignment(Qt::AlignCenter);
        freq_[i] = MakeLabel(this, gl::kFreq[i], gl::kReadoutColour, Mincho(gl::kReadoutFontPoints));
        impDp_[i] = MakeLabel(this, gl::kImpDp[i], gl::kReadoutColour, Mincho(gl::kReadoutFontPoints));
        freq_[i]->hide();
        impDp_[i]->hide();
    }
}

void GraphPage::BuildQuantityFrame()
{
    QGroupBox* frame = MakeFrame(this, gl::kFrame6);
    const std::array<const char*, 3> captions{graph_text::kQtyImpedance, graph_text::kQtyCurrent,
                                              graph_text::kQtyVoltage};
    for (int k = 0; k < 3; ++k) option3_[k] = MakeOption(frame, gl::kOption3[k], captions[k], gl::kQuantityColour);
    option3_[0]->setChecked(true);
}

void GraphPage::BuildBranchFrame()
{
    QGroupBox* frame = MakeFrame(this, gl::kFrame9);
    for (int b = 1; b <= Circuit::MaxBranches; ++b) {
        const int slot = b - 1;
        const int top = slot < gl::kChecksPerRow ? gl::kCheckUpperTop : gl::kCheckLowerTop;
        const int left = gl::kCheckLefts[slot % gl::kChecksPerRow];
        auto* box = new QCheckBox(BranchCaption(QLatin1Char('I'), b), frame);
        Place(box, {left, top, gl::kCheckWidth, gl::kCheckHeight});
        Paint(box, gl::kQuantityColour);
        box->setFont(Mincho(gl::kCheckFontPoints));
        box->hide();
        check1_[b] = box;
    }
}

void GraphPage::BuildCommandFrame()
{
    QGroupBox* frame = MakeFrame(this, gl::kFrame10);
    oldDtDsp_[1] = MakeCommand(frame, gl::kOldDtDsp, graph_text::kDropKept);
    oldDtDsp_[0] = MakeCommand(frame, gl::kOldDtDsp, graph_text::kKeep);
    Paint(oldDtDsp_[0], gl::kKeepColour);
    Paint(oldDtDsp_[1], gl::kDropKeptColour);
    oldDtDsp_[1]->hide();
    frqPrn_ = MakeCommand(frame, gl::kFrqPrn, graph_text::kPrint);
    Paint(frqPrn_, gl::kPrintColour);
    retCmd_ = MakeCommand(frame, gl::kRetCmd, graph_text::kReturn);
}

void GraphPage::BuildPositionFrame()
{
    QGroupBox* frame = MakeFrame(this, gl::kFrame12, Text(graph_text::kPositionFrame));
    impVpos_[0] = MakePositionButton(frame, gl::kImpVpos[0], TriangleDirection::Up);
    impVpos_[1] = MakePositionButton(frame, gl::kImpVpos[1], TriangleDirection::Down);
    hPos_[0] = MakePositionButton(frame, gl::kHPos[0], TriangleDirection::Left);
    hPos_[1] = MakePositionButton(frame, gl::kHPos[1], TriangleDirection::Right);
    phVpos_[0] = MakePositionButton(frame, gl::kPhVpos[0], TriangleDirection::Up);
    phVpos_[1] = MakePositionButton(frame, gl::kPhVpos[1], TriangleDirection::Down);
}

void GraphPage::BuildRangeFrame()
{
    QGroupBox* frame = MakeFrame(this, gl::kFrame11, Text(graph_text::kRangeFrame));
    auto* vertical = new QWidget(frame);
    Place(vertical, gl::kVertRangeFrame);
    option2_[1] = MakeOption(vertical, gl::kUpperOption, graph_text::kVert80, gl::kRangeOptionColour);
    option2_[0] = MakeOption(vertical, gl::kLowerOption, graph_text::kVert120, gl::kRangeOptionColour);
    auto* horizontal = new QWidget(frame);
    Place(horizontal, gl::kHorizRangeFrame);
    option1_[0] = MakeOption(horizontal, gl::kUpperOption, graph_text::kHoriz40, gl::kRangeOptionColour);
    option1_[1] = MakeOption(horizontal, gl::kLowerOption, graph_text::kHoriz80, gl::kRangeOptionColour);
    option1_[state_.HSpanSel]->setChecked(true);
    option2_[state_.VSpanSel]->setChecked(true);
}

void GraphPage::Connect()
{
    for (int k = 0; k < 2; ++k) {
        connect(option1_[k], &QRadioButton::clicked, this, [this, k] { OnOption1Click(k); });
        connect(option2_[k], &QRadioButton::clicked, this, [this, k] { OnOption2Click(k); });
        connect(hPos_[k], &QToolButton::clicked, this, [this, k] { OnHPos(k); });
        connect(impVpos_[k], &QToolButton::clicked, this, [this, k] { OnImpVpos(k); });
        connect(phVpos_[k], &QToolButton::clicked, this, [this, k] { OnPhVpos(k); });
        connect(oldDtDsp_[k], &QPushButton::clicked, this, [this, k] { OnOldDtDsp(k); });
        connect(impGrf_[k], &PictureBox::mouseMovedAt, this, [this, k](double x, double y) { OnGraphMouseMove(k, x, y); });
        connect(impGrf_[k], &PictureBox::clickedAt, this, [this, k] { OnGraphClick(k); });
    }
    for (int k = 0; k < 3; ++k) connect(option3_[k], &QRadioButton::clicked, this, [this, k] { OnOption3Click(k); });
    for (int b = 1; b <= Circuit::MaxBranches; ++b)
        connect(check1_[b], &QCheckBox::clicked, this, [this, b] { OnCheck1Click(b); });
    connect(frqPrn_, &QPushButton::clicked, this, &GraphPage::OnFrqPrn);
    connect(retCmd_, &QPushButton::clicked, this, &GraphPage::OnRetCmd);
}

BranchChecks GraphPage::CheckedBranches() const
{
    BranchChecks checks{};
    for (int b = 1; b <= Circuit::MaxBranches; ++b) checks[b] = check1_[b]->isChecked();
    return checks;
}

void GraphPage::mouseMoveEvent(QMouseEvent* event)
{
    OnPanelMouseMove();
    QWidget::mouseMoveEvent(event);
}
