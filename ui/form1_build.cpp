// Building the main window: every control at its place, with its font,
// colour and text, and the control arrays wired to their handlers.

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "circuit_picture.h"
#include "entry_field.h"
#include "form1.h"
#include "form1_layout.h"
#include "graph/graph_page.h"
#include "look.h"
#include "matrix_brackets.h"
#include "platform/qstring_utf8.h"
#include "result_label.h"
#include "selector.h"
#include "tab_control.h"
#include "texts.h"
#include "units.h"

namespace {

// Every control inherits the window's face at kBasePoints unless it needs
// another size: a font set on each of the hundreds of controls would slow the
// start noticeably.
constexpr double kBasePoints = 11.25;
constexpr double kTextPoints = 12;
// The circuit-state captions end close to their fields; a smaller face keeps
// the frequency caption clear of its field.
constexpr double kStatePoints = 10.5;
const QColor kPlusJBackground(192, 255, 192);

QRect Row(const twips::Box& column, int top) { return twips::ToRect(column.left, top, column.width, column.height); }

// A label with a fixed text, as wide as its text; a box with a height
// centres the text in that height, level with the controls beside it.
QLabel* FixedLabel(QWidget* parent, const char* text, const twips::Box& at, double points = kTextPoints)
{
    auto* label = new QLabel(U8(text), parent);
    if (points != kBasePoints) label->setFont(GothicFont(points));
    label->move(twips::ToPoint(at.left, at.top));
    label->adjustSize();
    if (at.height > 0) {
        label->resize(label->width(), twips::ToPixels(at.height));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return label;
}

// The look of a label that shows a result: white, sunken, empty until a
// command writes it.
template <typename Label>
Label* Sunken(Label* label, const QRect& at)
{
    label->setGeometry(at);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setIndent(2);
    SetBackground(*label, Qt::white);
    return label;
}

QLabel* DefinitionLabel(QWidget* parent, const QRect& at) { return Sunken(new QLabel(parent), at); }

QLabel* ValueLabel(QWidget* parent, const QRect& at) { return Sunken(new ResultLabel(parent), at); }

QGroupBox* Frame(QWidget* parent, const char* caption, const twips::Box& at)
{
    auto* frame = new QGroupBox(U8(caption), parent);
    frame->setGeometry(twips::ToRect(at));
    return frame;
}

Selector* MakeSelector(QWidget* parent, const QRect& at)
{
    auto* selector = new Selector(parent);
    selector->setGeometry(at);
    return selector;
}

QPushButton* Button(QWidget* parent, const QString& caption, const QRect& at, double points = kBasePoints)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(at);
    if (points != kBasePoints) button->setFont(GothicFont(points));
    button->setAutoDefault(false);
    return button;
}

void AddUnits(Selector* selector, UnitList list)
{
    for (const Unit& u : list) selector->addItem(U8(u.text));
}

}  // namespace

void Form1::Build()
{
    setFixedSize(twips::ToSize(layout::kClient.width, layout::kClient.height));
    setFont(GothicFont(kBasePoints));
    ui_.SSTab1 = new TabControl(TabControl::Strip::Bottom, this);
    ui_.SSTab1->setGeometry(twips::ToRect(layout::kSSTab1));
    ui_.SSTab1->Bar()->setFont(GothicFont(kTextPoints));
    BuildCalcPage(ui_.SSTab1->AddTab(U8(texts::kTabCalc)));
    graph_ = new GraphPage(c_, g_, *this, ui_.SSTab1->AddTab(U8(texts::kTabGraph)));
    graph_->move(twips::ToPoint(layout::kPicture17.left, layout::kPicture17.top));
    Connect();
    SetFocusOrder();
}

void Form1::BuildCalcPage(QWidget* page)
{
    ui_.Label2 = new QLabel(U8(texts::kTitle), page);
    ui_.Label2->setGeometry(twips::ToRect(layout::kLabel2));
    ui_.Label2->setFont(GothicFont(kTextPoints));
    ui_.Label2->setAlignment(Qt::AlignCenter);

    BuildStateFrame(page);
    ui_.Frame4 = Frame(page, texts::kFrameSample, layout::kFrame4);
    ui_.Image1 = new CircuitPicture(ui_.Frame4);
    ui_.Image1->move(layout::kImage1Left, layout::kImage1Top);
    BuildCommandFrame(page);
    BuildImpedanceRows(page);
    BuildMatrix(page);
    BuildCurrentRows(page);
    BuildResultFrames(page);
}

void Form1::BuildStateFrame(QWidget* page)
{
    ui_.Frame3 = Frame(page, texts::kFrameState, layout::kFrame3);
    const std::array<const char*, 4> captions = {texts::kEmf, texts::kFrequency, texts::kLoops, texts::kBranches};
    for (int i = 0; i < 4; ++i) ui_.Label1[i] = FixedLabel(ui_.Frame3, captions[i], layout::kLabel1[i], kStatePoints);
    for (int i = 0; i < 2; ++i) {
        ui_.Combo3[i] = MakeSelector(ui_.Frame3, twips::ToRect(layout::kCombo3[i]));
        ui_.Combo3[i]->SetWheelChooses(false);
        ui_.Text1[i] = new EntryField(ui_.Frame3);
        ui_.Text1[i]->setGeometry(twips::ToRect(layout::kText1[i]));
        ui_.Text1[i]->setFont(GothicFont(kTextPoints));
        ui_.Combo1[i] = MakeSelector(ui_.Frame3, twips::ToRect(layout::kCombo1[i]));
        SetEntryBackground(*ui_.Combo3[i]);
        SetEntryBackground(*ui_.Text1[i]);
        SetEntryBackground(*ui_.Combo1[i]);
    }
}

void Form1::BuildCommandFrame(QWidget* page)
{
    ui_.Frame2 = Frame(page, texts::kFrameCommands, layout::kFrame2);
    for (int i = 0; i < 4; ++i)
        ui_.Command1[i] = Button(ui_.Frame2, U8(texts::kCommands[i]), twips::ToRect(layout::kCommand1[i]), kTextPoints);
}

void Form1::BuildImpedanceRows(QWidget* page)
{
    ui_.SSTab3 = new TabControl(TabControl::Strip::Top, page);
    ui_.SSTab3->setGeometry(twips::ToRect(layout::kSSTab3));
    for (int t = 0; t < 3; ++t) {
        QWidget* tab = ui_.SSTab3->AddTab(U8(texts::kImpedanceTabs[t]));
        ui_.Label5[t] = FixedLabel(tab, texts::kBranchImpedanceHeading, layout::kLabel5);
        for (int r = 0; r < 5; ++r) {
            const int b = 5 * t + r + 1;
            const int y = layout::kImpRowTop + layout::kImpRowStep * r;
            ui_.Command2[b - 1] = Button(tab, QStringLiteral("Z%1=").arg(b), Row(layout::kCommand2, y));
            ui_.Label3[RealLabel(b)] = ValueLabel(tab, Row(layout::kLabel3Real, y));
            ui_.Label4[b - 1] = new QLabel(U8(texts::kPlusJ), tab);
            ui_.Label4[b - 1]->setGeometry(Row(layout::kLabel4, y));
            ui_.Label4[b - 1]->setFont(GothicFont(kTextPoints));
            ui_.Label4[b - 1]->setAlignment(Qt::AlignCenter);
            SetBackground(*ui_.Label4[b - 1], kPlusJBackground);
            ui_.Label3[ImagLabel(b)] = ValueLabel(tab, Row(layout::kLabel3Imag, y));
            ui_.Combo2[b - 1] = MakeSelector(tab, Row(layout::kCombo2, y));
        }
    }
}

void Form1::BuildMatrix(QWidget* page)
{
    ui_.Label6 = new QLabel(U8(texts::kMatrixHeading), page);
    ui_.Label6->setGeometry(twips::ToRect(layout::kLabel6));
    ui_.Label6->setAlignment(Qt::AlignCenter);
    new MatrixBrackets(page);
    for (int i = 0; i < 25; ++i) {
        const QRect at = twips::ToRect(layout::kMatrixColumns[i % 5], layout::kMatrixRows[i / 5],
                                       layout::kMatrixButtonWidth, layout::kMatrixButtonHeight);
        ui_.Command3[i] = Button(page, QString(), at, layout::kMatrixPoints);
        ui_.Command3[i]->setEnabled(i % 5 >= i / 5);
    }
}

void Form1::BuildCurrentRows(QWidget* page)
{
    ui_.SSTab2 = new TabControl(TabControl::Strip::Top, page);
    ui_.SSTab2->setGeometry(twips::ToRect(layout::kSSTab2));
    for (int t = 0; t < 3; ++t) {
        QWidget* tab = ui_.SSTab2->AddTab(U8(texts::kCurrentTabs[t]));
        QGroupBox* frame = Frame(tab, texts::kBranchCurrentFrame, layout::kFrame1);
        ui_.Frame1[t] = frame;
        for (int r = 0; r < 5; ++r) {
            const int i = 5 * t + r;
            const int y = layout::kCurRowTop + layout::kCurRowStep * r;
            ui_.Command4[i] = Button(frame, QStringLiteral("I%1=").arg(i + 1, 2, 10, QLatin1Char('0')),
                                     Row(layout::kCommand4, y));
            ui_.Label7[i] = DefinitionLabel(frame, Row(layout::kLabel7, y));
            ui_.Label8[i] = ValueLabel(frame, Row(layout::kLabel8, y));
            ui_.Combo4[i] = MakeSelector(frame, Row(layout::kCombo4, y));
            ui_.Label9[i] = new QLabel(U8(texts::kPhaseIs), frame);
            ui_.Label9[i]->setGeometry(Row(layout::kLabel9, y));
            ui_.Label9[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            ui_.Label10[i] = ValueLabel(frame, Row(layout::kLabel10, y));
            ui_.Label11[i] = new QLabel(U8(texts::kDegrees), frame);
            ui_.Label11[i]->setGeometry(Row(layout::kLabel11, y));
            ui_.Label11[i]->setFont(GothicFont(kTextPoints));
            ui_.Label11[i]->setIndent(4);
        }
    }
}

void Form1::BuildResultFrames(QWidget* page)
{
    ui_.Frame5 = Frame(page, texts::kFrameInputImpedance, layout::kFrame5);
    ui_.Label12[0] = FixedLabel(ui_.Frame5, texts::kZiIs, layout::kLabel12[0]);
    ui_.Label12[1] = ValueLabel(ui_.Frame5, twips::ToRect(layout::kLabel12[1]));
    ui_.Label12[2] = ValueLabel(ui_.Frame5, twips::ToRect(layout::kLabel12[2]));
    ui_.Label12[3] = FixedLabel(ui_.Frame5, texts::kDegrees, layout::kLabel12[3]);
    ui_.Combo5 = MakeSelector(ui_.Frame5, twips::ToRect(layout::kCombo5));

    ui_.Frame13 = Frame(page, texts::kFrameBranchVoltage, layout::kFrame13);
    for (int i = 1; i <= 2; ++i) {
        ui_.Combo6[i] = MakeSelector(ui_.Frame13, twips::ToRect(layout::kCombo6[i]));
        ui_.Combo6[i]->setFont(MinchoFont(kBasePoints));
        ui_.Label13[i] = ValueLabel(ui_.Frame13, twips::ToRect(layout::kLabel13[i]));
    }
    QPalette buttonFace = ui_.Combo6[1]->palette();
    buttonFace.setColor(QPalette::Base, buttonFace.color(QPalette::Button));
    ui_.Combo6[1]->setPalette(buttonFace);
    ui_.Label13[3] = FixedLabel(ui_.Frame13, texts::kDegrees, layout::kLabel13[3]);
}

void Form1::FillLists()
{
    AddUnits(ui_.Combo1[0], units::kEmf);
    AddUnits(ui_.Combo1[1], units::kFrequency);
    for (int i = 0; i < 4; ++i) ui_.Combo3[0]->addItem(U8(texts::kCounts[i]));
    for (const char* count : texts::kCounts) ui_.Combo3[1]->addItem(U8(count));
    for (Selector* s : ui_.Combo2) AddUnits(s, units::kImpedanceDisplay);
    for (Selector* s : ui_.Combo4) AddUnits(s, units::kCurrentDisplay);
    AddUnits(ui_.Combo5, units::kImpedanceDisplay);
    AddUnits(ui_.Combo6[2], units::kVoltageDisplay);
}

void Form1::Connect()
{
    for (int i = 0; i < 2; ++i) {
        connect(ui_.Text1[i], &EntryField::entryChanged, this, [this, i] { Text1Change(i); });
        connect(ui_.Text1[i], &EntryField::enterPressed, this, [this, i] { Text1Enter(i); });
        connect(ui_.Combo1[i], &Selector::chosen, this, [this, i] { Combo1Click(i); });
        connect(ui_.Combo3[i], &Selector::chosen, this, [this, i] { Combo3Click(i); });
    }
    for (int i = 0; i < 4; ++i) connect(ui_.Command1[i], &QPushButton::clicked, this, [this, i] { Command1Click(i); });
    for (int i = 0; i < 15; ++i) {
        connect(ui_.Command2[i], &QPushButton::clicked, this, [this, i] { Command2Click(i); });
        connect(ui_.Command4[i], &QPushButton::clicked, this, [this, i] { Command4Click(i); });
        connect(ui_.Combo2[i], &Selector::chosen, this, [this, i] { Combo2Click(i); });
        connect(ui_.Combo4[i], &Selector::chosen, this, [this, i] { Combo4Click(i); });
    }
    for (int i = 0; i < 25; ++i) connect(ui_.Command3[i], &QPushButton::clicked, this, [this, i] { Command3Click(i); });
    connect(ui_.Combo5, &Selector::chosen, this, [this] { Combo5Click(); });
    for (int i = 1; i <= 2; ++i) connect(ui_.Combo6[i], &Selector::chosen, this, [this, i] { Combo6Click(i); });
    connect(ui_.SSTab1, &TabControl::currentChanged, this, [this] { SSTab1GotFocus(); });
}

void Form1::SetFocusOrder()
{
    std::vector<QWidget*> order = {ui_.Text1[0], ui_.Text1[1]};
    order.insert(order.end(), ui_.Command2.begin(), ui_.Command2.end());
    order.insert(order.end(), ui_.Command3.begin(), ui_.Command3.end());
    order.insert(order.end(), {ui_.Command1[0], ui_.Command1[1], ui_.Command1[2], ui_.Command1[3], ui_.Combo1[0],
                               ui_.Combo1[1], ui_.Combo3[0], ui_.Combo3[1], ui_.Combo5});
    order.insert(order.end(), ui_.Combo2.begin(), ui_.Combo2.end());
    for (int i = 0; i < 15; ++i) order.insert(order.end(), {ui_.Command4[i], ui_.Combo4[i]});
    order.insert(order.end(), {ui_.Combo6[1], ui_.Combo6[2]});
    SetTabOrder(order);
}
