#include "graph/graph_page.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QShortcut>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

#include "document/language.h"
#include "graph/axes.h"
#include "graph/caption_wrap.h"
#include "graph/curve_legend.h"
#include "graph/graph_layout.h"
#include "graph/graph_texts.h"
#include "graph/page_widgets.h"
#include "graph/position_icons.h"
#include "platform/font_names.h"
#include "platform/fonts.h"
#include "platform/picture_box.h"
#include "platform/placed_widgets.h"
#include "platform/shown_text.h"
#include "document/qstring_utf8.h"

namespace gl = graph_layout;

namespace {

// Room kept free around a caption, pixels.
constexpr int kCaptionMargin = 2;
constexpr int kButtonMargins = 8;

QFont Mincho(double points, bool bold = false) { return MakeFont(U8(kFaceMincho), points, bold); }

PictureBox* MakeBox(QWidget* parent, const twips::Box& box, const QColor& back)
{
    auto* p = new PictureBox(parent);
    PlaceAt(*p, box);
    p->SetBackColor(back);
    return p;
}

// A strip of scale labels, printed in the Mincho face.
PictureBox* MakeStrip(QWidget* parent, const twips::Box& box)
{
    PictureBox* p = MakeBox(parent, box, gl::kStripColour);
    p->SetFontName(U8(kFaceMincho));
    p->SetFontSize(gl::kScaleFontPoints);
    return p;
}

QLabel* MakeLabel(QWidget* parent, const twips::Box& box, const QColor& back, const QFont& font)
{
    auto* label = new QLabel(parent);
    PlaceAt(*label, box);
    Paint(label, back);
    label->setFont(font);
    return label;
}

// A title held vertically: in Japanese one character per line; in English
// turned to read upwards, as English graphs write it.
void ShowVertically(QLabel& title, const QString& text)
{
    title.setAccessibleName(text);
    if (LanguageInUse() == Language::Japanese) {
        QStringList chars;
        for (QChar ch : text) chars << QString(ch);
        title.setText(chars.join('\n'));
        return;
    }
    const qreal ratio = title.devicePixelRatioF();
    QPixmap turned(title.size() * ratio);
    turned.setDevicePixelRatio(ratio);
    turned.fill(Qt::transparent);
    QPainter painter(&turned);
    painter.setFont(title.font());
    painter.setPen(title.palette().color(QPalette::WindowText));
    painter.translate(0, title.height());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, title.height(), title.width()), Qt::AlignCenter, text);
    painter.end();
    title.setPixmap(turned);
}

QGroupBox* MakeFrame(QWidget* parent, const twips::Box& box, const char* caption = nullptr)
{
    QGroupBox* frame = FrameAt(parent, box);
    if (caption != nullptr) ShowText(frame, TextRole::Title, caption);
    Paint(frame, gl::kPageColour);
    frame->setFont(Mincho(gl::kFrameFontPoints));
    return frame;
}

QRadioButton* MakeOption(QWidget* parent, const twips::Box& box, const char* caption, const QColor& back)
{
    auto* option = new QRadioButton(parent);
    option->setAutoExclusive(false);
    PlaceAt(*option, box);
    Paint(option, back);
    const int indicator = option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
                          option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
    ShowText(option, caption, [option, indicator](const QString& shown) {
        SetFittedCaption(*option, shown, Mincho(gl::kOptionFontPoints), option->width() - indicator - kCaptionMargin,
                         option->height());
    });
    return option;
}

QPushButton* MakeCommand(QWidget* parent, const twips::Box& box, const char* caption)
{
    QPushButton* button = ButtonAt(parent, box);
    ShowText(button, caption, [button](const QString& shown) {
        SetFittedCaption(*button, shown, Mincho(gl::kCommandFontPoints, true), button->width() - kButtonMargins,
                         button->height() - kButtonMargins);
    });
    return button;
}

QToolButton* MakePositionButton(QWidget* parent, const twips::Box& box, TriangleDirection direction)
{
    auto* button = new QToolButton(parent);
    PlaceAt(*button, box);
    const QSize size = twips::ToSize(box.width, box.height);
    button->setIcon(TriangleIcon(direction, size));
    button->setIconSize(size - QSize(4, 4));
    return button;
}

}  // namespace

GraphPage::GraphPage(GraphState& state, GraphHost& host, QWidget* parent)
    : QWidget(parent),
      state_(state),
      host_(host),
      graphs_{MakeBox(this, gl::kGraphs[0], gl::kGraphBackColour), MakeBox(this, gl::kGraphs[1], gl::kGraphBackColour)},
      levelScales_{MakeStrip(this, gl::kLevelScales[0]), MakeStrip(this, gl::kLevelScales[1])},
      frequencyScale_(MakeStrip(this, gl::kFrequencyScale)),
      boxes_{*graphs_[0], *graphs_[1], *frequencyScale_, *levelScales_[0], *levelScales_[1]},
      saveFileChooser_(AskSaveFileName),
      csvPlace_(QDir::home().filePath(U8(graph_text::kCsvDefaultName)))
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
    BuildMarker();
    BuildOutOfDateLine();
    BuildGraphMenu();
    NameControls();
    Connect();
}

GraphPage::~GraphPage() = default;

void GraphPage::BuildGraphs()
{
    const std::array<const char*, 2> titles{graph_text::kMagTitle, graph_text::kPhTitle};
    for (int i = 0; i < 2; ++i) {
        titles_[i] = MakeLabel(this, gl::kTitles[i], gl::kStripColour, Mincho(gl::kTitleFontPoints, true));
        QLabel* title = titles_[i];
        ShowText(title, titles[i], [title](const QString& shown) { ShowVertically(*title, shown); });
        titles_[i]->setAlignment(Qt::AlignCenter);
        frequencyReadouts_[i] =
            MakeLabel(this, gl::kFrequencyReadouts[i], gl::kReadoutColour, Mincho(gl::kReadoutFontPoints));
        valueReadouts_[i] = MakeLabel(this, gl::kValueReadouts[i], gl::kReadoutColour, Mincho(gl::kReadoutFontPoints));
        frequencyReadouts_[i]->hide();
        valueReadouts_[i]->hide();
    }
}

void GraphPage::BuildOutOfDateLine()
{
    outOfDateLine_ = MakeLabel(this, gl::kOutOfDateLine, gl::kStripColour, Mincho(gl::kOutOfDateFontPoints, true));
    QPalette text = outOfDateLine_->palette();
    text.setColor(QPalette::WindowText, gl::kOutOfDateText);
    outOfDateLine_->setPalette(text);
    ShowText(outOfDateLine_, TextRole::Text, graph_text::kOutOfDate);
    outOfDateLine_->setWordWrap(true);
    outOfDateLine_->setAlignment(Qt::AlignCenter);
    outOfDateLine_->hide();
}

void GraphPage::BuildQuantityFrame()
{
    QGroupBox* frame = MakeFrame(this, gl::kQuantityFrame);
    const std::array<const char*, 3> captions{graph_text::kQtyImpedance, graph_text::kQtyCurrent,
                                              graph_text::kQtyVoltage};
    for (int k = 0; k < 3; ++k)
        quantityOptions_[k] = MakeOption(frame, gl::kQuantityOptions[k], captions[k], gl::kQuantityColour);
    QuantityOption(PlottedQuantity::InputImpedance).setChecked(true);
}

void GraphPage::BuildBranchFrame()
{
    QGroupBox* frame = MakeFrame(this, gl::kBranchFrame);
    for (int b = 1; b <= Circuit::MaxBranches; ++b) {
        const int slot = b - 1;
        const int top = slot < gl::kChecksPerRow ? gl::kCheckUpperTop : gl::kCheckLowerTop;
        const int left = gl::kCheckLefts[slot % gl::kChecksPerRow];
        auto* box = new QCheckBox(BranchCaption(QLatin1Char('I'), b), frame);
        PlaceAt(*box, {left, top, gl::kCheckWidth, gl::kCheckHeight});
        Paint(box, gl::kQuantityColour);
        box->setFont(Mincho(gl::kCheckFontPoints));
        box->hide();
        branchChecks_[b] = box;
    }
}

// The drop button is made first, so the keep button lies above it where both
// are shown.
void GraphPage::BuildCommandFrame()
{
    QGroupBox* frame = MakeFrame(this, gl::kCommandFrame);
    dropKeptCurveButton_ = MakeCommand(frame, gl::kKeptCurveButton, graph_text::kDropKept);
    keepCurveButton_ = MakeCommand(frame, gl::kKeptCurveButton, graph_text::kKeep);
    Paint(keepCurveButton_, gl::kKeepColour);
    Paint(dropKeptCurveButton_, gl::kDropKeptColour);
    dropKeptCurveButton_->hide();
    printButton_ = MakeCommand(frame, gl::kPrintButton, graph_text::kPrint);
    Paint(printButton_, gl::kPrintColour);
    returnButton_ = MakeCommand(frame, gl::kReturnButton, graph_text::kReturn);
}

void GraphPage::BuildPositionFrame()
{
    QGroupBox* frame = MakeFrame(this, gl::kPositionFrame, graph_text::kPositionFrame);
    magnitudeUpButton_ = MakePositionButton(frame, gl::kMagnitudeButtons[0], TriangleDirection::Up);
    magnitudeDownButton_ = MakePositionButton(frame, gl::kMagnitudeButtons[1], TriangleDirection::Down);
    frequencyLeftButton_ = MakePositionButton(frame, gl::kFrequencyButtons[0], TriangleDirection::Left);
    frequencyRightButton_ = MakePositionButton(frame, gl::kFrequencyButtons[1], TriangleDirection::Right);
    phaseUpButton_ = MakePositionButton(frame, gl::kPhaseButtons[0], TriangleDirection::Up);
    phaseDownButton_ = MakePositionButton(frame, gl::kPhaseButtons[1], TriangleDirection::Down);
}

void GraphPage::BuildRangeFrame()
{
    QGroupBox* frame = MakeFrame(this, gl::kRangeFrame, graph_text::kRangeFrame);
    auto* level = new QWidget(frame);
    PlaceAt(*level, gl::kLevelRangeFrame);
    const auto levelOption = [this](LevelSpan span) -> QRadioButton*& {
        return levelSpanOptions_[static_cast<int>(span)];
    };
    levelOption(LevelSpan::FourDecades) =
        MakeOption(level, gl::kUpperOption, graph_text::kVert80, gl::kRangeOptionColour);
    levelOption(LevelSpan::SixDecades) =
        MakeOption(level, gl::kLowerOption, graph_text::kVert120, gl::kRangeOptionColour);
    auto* frequency = new QWidget(frame);
    PlaceAt(*frequency, gl::kFrequencyRangeFrame);
    const auto frequencyOption = [this](FrequencySpan span) -> QRadioButton*& {
        return frequencySpanOptions_[static_cast<int>(span)];
    };
    frequencyOption(FrequencySpan::TwoDecades) =
        MakeOption(frequency, gl::kUpperOption, graph_text::kHoriz40, gl::kRangeOptionColour);
    frequencyOption(FrequencySpan::FourDecades) =
        MakeOption(frequency, gl::kLowerOption, graph_text::kHoriz80, gl::kRangeOptionColour);
    CurrentFrequencySpanOption().setChecked(true);
    CurrentLevelSpanOption().setChecked(true);
}

void GraphPage::Connect()
{
    for (FrequencySpan span : {FrequencySpan::TwoDecades, FrequencySpan::FourDecades})
        connect(&FrequencySpanOption(span), &QRadioButton::clicked, this,
                [this, span] { OnFrequencySpanChosen(span); });
    for (LevelSpan span : {LevelSpan::SixDecades, LevelSpan::FourDecades})
        connect(&LevelSpanOption(span), &QRadioButton::clicked, this, [this, span] { OnLevelSpanChosen(span); });
    for (PlottedQuantity quantity :
         {PlottedQuantity::InputImpedance, PlottedQuantity::BranchCurrent, PlottedQuantity::BranchVoltage})
        connect(&QuantityOption(quantity), &QRadioButton::clicked, this,
                [this, quantity] { OnQuantityChosen(quantity); });
    for (int b = 1; b <= Circuit::MaxBranches; ++b)
        connect(branchChecks_[b], &QCheckBox::clicked, this, [this, b] { OnBranchCheckClicked(b); });
    connect(frequencyLeftButton_, &QToolButton::clicked, this, [this] { OnMoveFrequency(StepDirection::Down); });
    connect(frequencyRightButton_, &QToolButton::clicked, this, [this] { OnMoveFrequency(StepDirection::Up); });
    connect(magnitudeUpButton_, &QToolButton::clicked, this, [this] { OnMoveMagnitude(StepDirection::Up); });
    connect(magnitudeDownButton_, &QToolButton::clicked, this, [this] { OnMoveMagnitude(StepDirection::Down); });
    connect(phaseUpButton_, &QToolButton::clicked, this, [this] { OnMovePhase(StepDirection::Up); });
    connect(phaseDownButton_, &QToolButton::clicked, this, [this] { OnMovePhase(StepDirection::Down); });
    connect(keepCurveButton_, &QPushButton::clicked, this, &GraphPage::OnKeepCurve);
    connect(dropKeptCurveButton_, &QPushButton::clicked, this, &GraphPage::OnDropKeptCurve);
    connect(printButton_, &QPushButton::clicked, this, &GraphPage::OnPrint);
    connect(returnButton_, &QPushButton::clicked, this, &GraphPage::OnReturn);
    for (Graph graph : kGraphs) {
        PictureBox* box = graphs_[IndexOf(graph)];
        connect(box, &PictureBox::mouseMovedAt, this,
                [this, graph](double x, double y) { OnGraphMouseMove(graph, x, y); });
        connect(box, &PictureBox::clickedAt, this, [this, graph] { OnGraphClick(graph); });
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        // The menu key and Shift+F10 open the menu too, at the graph's
        // middle, once the graph has the focus.
        box->setFocusPolicy(Qt::StrongFocus);
        for (const QKeySequence& keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
            auto* shortcut = new QShortcut(keys, box, nullptr, nullptr, Qt::WidgetShortcut);
            connect(shortcut, &QShortcut::activated, this, [this, graph, box] {
                OnGraphMenuRequested(graph, QPointF(box->width() / 2.0, box->height() / 2.0));
            });
        }
        connect(box, &QWidget::customContextMenuRequested, this,
                [this, graph](const QPoint& at) { OnGraphMenuRequested(graph, at); });
    }
}

BranchChecks GraphPage::CheckedBranches() const
{
    BranchChecks checks{};
    for (int b = 1; b <= Circuit::MaxBranches; ++b)
        checks[b] = branchChecks_[b]->isChecked() && branchChecks_[b]->isEnabled();
    return checks;
}

// What the page shows from its state and its curves, in the language now in
// use; the captions follow by themselves.
void GraphPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        RelabelScales(state_, boxes_);
        DescribeGraphs();
        ShowBranchChecks();
        for (Graph graph : kGraphs) ShowReading(graph, shownReadings_[IndexOf(graph)]);
        if (marker_) ShowMarker();
        legend_->ShowLegend(LegendOf(plotted_));
    }
    QWidget::changeEvent(event);
}

void GraphPage::mouseMoveEvent(QMouseEvent* event)
{
    OnPanelMouseMove();
    QWidget::mouseMoveEvent(event);
}
