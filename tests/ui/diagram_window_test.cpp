#include <QAccessible>
#include <QFile>
#include <QTemporaryDir>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTreeWidget>
#include <QTest>
#include <QStatusBar>
#include <QToolBar>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "document/drawn_page.h"
#include "document/qstring_utf8.h"
#include "tests/support/drawings.h"
#include "ui/diagram_window.h"
#include "ui/example_files.h"
#include "ui/result_label.h"
#include "user.h"

namespace {

const char* const kSample = "E 0,4 0,0; 1 0,0 4,0; 2 4,0 4,4; 3 4,0 8,0; W 8,0 8,4 4,4 0,4";

QPoint At(DiagramWindow& w, double x, double y) { return w.Canvas()->View().PixelOf(x, y).toPoint(); }

void Drag(DiagramWindow& w, GridPoint from, GridPoint to)
{
    QTest::mousePress(w.Canvas(), Qt::LeftButton, {}, At(w, from.x, from.y));
    QTest::mouseMove(w.Canvas(), At(w, (from.x + to.x) / 2.0, (from.y + to.y) / 2.0 + 0.3));
    QTest::mouseRelease(w.Canvas(), Qt::LeftButton, {}, At(w, to.x, to.y));
}

void Key(DiagramWindow& w, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(w.Canvas(), key, modifiers);
}

// The sample's branches Z1 … Z3 and the wire down its right side.
void DrawBranchesAndRightWire(DiagramWindow& w)
{
    Key(w, Qt::Key_B);
    for (auto [from, to] : {std::pair{GridPoint{0, 0}, GridPoint{4, 0}}, {{4, 0}, {4, 4}}, {{4, 0}, {8, 0}}})
        Drag(w, from, to);
    Key(w, Qt::Key_W);
    Drag(w, {8, 0}, {8, 4});
}

// Red pixels within half a grid step of a point of the drawing.
int RedNear(DiagramWindow& w, double x, double y)
{
    const QImage image = w.Canvas()->grab().toImage();
    const int reach = static_cast<int>(w.Canvas()->View().spacing / 2);
    const QPoint centre = At(w, x, y);
    int red = 0;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const QColor c = image.pixelColor(centre + QPoint(dx, dy));
            red += c.red() > 150 && c.green() < 60 && c.blue() < 60;
        }
    return red;
}

std::optional<QString> Resistance(const DiagramWindow& w, int b)
{
    const auto& entry = w.Drawing().elements.at(b - 1);
    return entry ? std::optional(entry->values[kResistanceEntry].text) : std::nullopt;
}

}  // namespace

TEST(DiagramWindow, DrawnAsAUserDrawsIt)
{
    User user;
    DiagramWindow w;
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    std::vector<std::pair<DrawnCircuit, DiagramLoops>> applied;
    QObject::connect(&w, &DiagramWindow::applyRequested, [&](const DrawnCircuit& d, const DiagramLoops& l) {
        applied.emplace_back(d, l);
    });

    // The sample: tools from the tool bar and by their keys, segments by
    // dragging, the last wire from the keyboard.
    user.Click(w.findChild<QToolBar*>()->widgetForAction(w.ToolAction(DiagramTool::Source)));
    Drag(w, {0, 4}, {0, 0});
    DrawBranchesAndRightWire(w);
    Drag(w, {8, 4}, {4, 4});
    EXPECT_FALSE(w.ApplyAction()->isEnabled()) << "one mesh only";
    Key(w, Qt::Key_Space);
    for (int step = 0; step < 4; ++step) Key(w, Qt::Key_Left);
    Key(w, Qt::Key_Return);
    EXPECT_EQ(w.Drawing().diagram, drawing::Parse(kSample));
    EXPECT_EQ(w.Canvas()->accessibleDescription(), "カーソル 点(0,4)　電源 E、点(0,4)から点(0,0)へ　導線、点(4,4)から点(0,4)へ");
    EXPECT_EQ(w.CurrentLines(), QStringList({"I01＝I1", "I02＝I1－I2", "I03＝I2"}));
    EXPECT_EQ(w.MatrixLines(), QStringList({"Z11＝Z1＋Z2", "Z12＝－Z2", "Z22＝Z2＋Z3"}));
    EXPECT_EQ(w.ItemList()->topLevelItem(3)->text(0), "枝路 Z3、点(4,0)から点(8,0)へ");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.Canvas())->child(3)->text(QAccessible::Name),
              "枝路 Z3、点(4,0)から点(8,0)へ");
    EXPECT_EQ(w.LoopLines(), QStringList({"ループ電流 I1：Z1＋Z2", "ループ電流 I2：－Z2＋Z3"}));
    EXPECT_GT(RedNear(w, 2, 2), 0) << "I1's curved arrow";
    EXPECT_GT(RedNear(w, 6, 2), 0) << "I2's curved arrow";

    // Element values by double-clicking a branch; undo and redo give back
    // exactly what was drawn and entered.
    EXPECT_TRUE(user.EnterElementVia([&] { QTest::mouseDClick(w.Canvas(), Qt::LeftButton, {}, At(w, 4, 2)); }, {"5", ""}));
    EXPECT_TRUE(user.EnterElementVia([&] { QTest::mouseDClick(w.Canvas(), Qt::LeftButton, {}, At(w, 6, 0)); }, {"7", ""}));
    // The offscreen platform leaves no window active after a dialog.
    QApplication::setActiveWindow(&w);
    const DrawnCircuit drawn = w.Drawing();
    EXPECT_EQ(Resistance(w, 2), "5");
    EXPECT_EQ(Resistance(w, 3), "7");
    for (int edit = 0; edit < 9; ++edit) Key(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.Drawing(), DrawnCircuit{});
    for (int edit = 0; edit < 9; ++edit) Key(w, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(w.Drawing(), drawn);

    // Deleting Z1 closes the gap; a branch drawn anew is numbered last until
    // renumbering, one step that carries every value along.
    Key(w, Qt::Key_D);
    QTest::mouseClick(w.Canvas(), Qt::LeftButton, {}, At(w, 2, 0));
    EXPECT_EQ(Resistance(w, 1), "5");
    EXPECT_EQ(Resistance(w, 2), "7");
    Key(w, Qt::Key_B);
    Drag(w, {0, 0}, {4, 0});
    const DrawnCircuit beforeRenumbering = w.Drawing();
    Key(w, Qt::Key_N);
    EXPECT_EQ(w.Drawing().diagram, drawing::Parse("E 0,4 0,0; 2 4,0 4,4; 3 4,0 8,0; W 8,0 8,4 4,4 0,4; 1 0,0 4,0"));
    EXPECT_EQ(Resistance(w, 1), std::nullopt);
    EXPECT_EQ(Resistance(w, 2), "5");
    EXPECT_EQ(Resistance(w, 3), "7");
    Key(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.Drawing(), beforeRenumbering);
    Key(w, Qt::Key_Y, Qt::ControlModifier);

    // Selected with a band and moved a step by the keys: the same loops.
    const std::vector<std::string> lines = LoopEquationLines(std::get<DiagramLoops>(w.Outcome()));
    Key(w, Qt::Key_S);
    QTest::mousePress(w.Canvas(), Qt::LeftButton, {}, At(w, 9.5, 5.5));
    QTest::mouseMove(w.Canvas(), At(w, 4, 3));
    QTest::mouseRelease(w.Canvas(), Qt::LeftButton, {}, At(w, -0.4, -0.4));
    EXPECT_EQ(w.Canvas()->Selection().size(), 7u);
    Key(w, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(w.ItemList()->topLevelItem(0)->text(0), "電源 E、点(1,4)から点(1,0)へ");
    EXPECT_EQ(LoopEquationLines(std::get<DiagramLoops>(w.Outcome())), lines);
    Key(w, Qt::Key_Z, Qt::ControlModifier);

    // 反映 hands over the drawing and its loops.
    Key(w, Qt::Key_Return, Qt::ControlModifier);
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].first, w.Drawing());
    EXPECT_EQ(LoopEquationLines(applied[0].second), LoopEquationLines(std::get<DiagramLoops>(w.Outcome())));

    // A wire across the bottom one, drawn zoomed in, is refused: marked in
    // red where, said why, and nothing to apply until it is undone.
    QWheelEvent zoom(At(w, 2, 2), w.Canvas()->mapToGlobal(At(w, 2, 2)), {}, {0, 120}, Qt::NoButton,
                     Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w.Canvas(), &zoom);
    EXPECT_GT(w.Canvas()->Zoom(), 1);
    Key(w, Qt::Key_W);
    Drag(w, {2, 2}, {2, 6});
    EXPECT_EQ(w.StatusLabel()->text(), "線が交差するか重なっています　位置：(2,4)");
    EXPECT_GT(RedNear(w, 2, 4), 0);
    EXPECT_FALSE(w.ApplyAction()->isEnabled());
    Key(w, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(applied.size(), 1u);
    Key(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(RedNear(w, 2, 4), 0);
    EXPECT_TRUE(w.ApplyAction()->isEnabled());

    // A drawing no circuit file could hold is not made.
    const DrawnCircuit atTheEdge{drawing::Parse("W 199,0 200,0"), {}};
    w.SetDrawing(atTheEdge);
    w.Canvas()->SetSelection({0});
    Key(w, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(w.Drawing(), atTheEdge);
    EXPECT_EQ(w.statusBar()->currentMessage(), "回路図は線 1000 本、座標 ±200 までです");
}

// From the main window: the sample drawn with its values and applied
// calculates as its example file does; applying over a definition typed since
// asks first; the netlist goes to the file chosen; 新規作成 empties the drawing.
TEST(DiagramWindow, TheSampleDrawnAndAppliedCalculatesAsItsFile)
{
    User user;
    QTest::keyClick(&user.window(), Qt::Key_D, Qt::ControlModifier);
    ASSERT_NE(user.window().Diagram(), nullptr);
    DiagramWindow& w = *user.window().Diagram();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Key(w, Qt::Key_E);
    Drag(w, {0, 4}, {0, 0});
    DrawBranchesAndRightWire(w);
    Drag(w, {8, 4}, {0, 4});
    const auto branchAt = [&](double x, double y) {
        return [&w, x, y] { QTest::mouseDClick(w.Canvas(), Qt::LeftButton, {}, At(w, x, y)); };
    };
    EXPECT_TRUE(user.EnterElementVia(branchAt(2, 0), {"10", ""}, {"10", ""}));
    EXPECT_TRUE(user.EnterElementVia(branchAt(4, 2), {"5", ""}, {}, {"1", ""}));
    EXPECT_TRUE(user.EnterElementVia(branchAt(6, 0), {"100", ""}, {}, {"0.1", ""}));
    EXPECT_EQ(user.document().drawing, StoredDrawing(w.Drawing()));
    EXPECT_TRUE(user.window().isWindowModified());
    w.ApplyAction()->trigger();
    user.Calculate();

    const CalcControls& drawn = user.ui();
    {
        User example;
        for (const QFileInfo& file : ExampleFiles())
            if (file.completeBaseName() == "sample") ASSERT_TRUE(example.window().OpenFile(file.filePath()));
        example.Calculate();
        const CalcControls& typed = example.ui();
        for (int b = 1; b <= 3; ++b)
            for (auto label : {&CalcControls::impedanceRe, &CalcControls::impedanceIm, &CalcControls::currentMagnitude,
                               &CalcControls::currentPhase})
                EXPECT_EQ((drawn.*label)[b]->text(), (typed.*label)[b]->text()) << b;
        EXPECT_EQ(drawn.inputImpedanceMagnitude->text(), typed.inputImpedanceMagnitude->text());
        EXPECT_FALSE(typed.inputImpedanceMagnitude->text().isEmpty());
    }
    EXPECT_TRUE(user.messages().empty());

    user.DefineCurrent(3, {"－", "Ｉ２"});
    EXPECT_EQ(user.Answering("いいえ", [&] { w.OnApply(); }), "入力済みの定義を回路図から求めた定義で置き換えます。よろしいですか？");
    EXPECT_EQ(drawn.currentDefinition[3]->text(), "－I2=");
    user.Answering("はい", [&] { w.OnApply(); });
    EXPECT_EQ(drawn.currentDefinition[3]->text(), "I2=");

    QTemporaryDir dir;
    QString suggested;
    user.window().SetExportChooser([&](QWidget*, const SaveQuestion& question) {
        suggested = question.suggested;
        return dir.filePath("sample.cir");
    });
    w.ExportAction()->trigger();
    EXPECT_TRUE(suggested.endsWith("/回路.cir"));
    QFile netlist(dir.filePath("sample.cir"));
    ASSERT_TRUE(netlist.open(QIODevice::ReadOnly));
    EXPECT_TRUE(netlist.readAll().contains("C3 b3_2 0 1e-07\n"));
    user.window().SetExportChooser([&](QWidget*, const SaveQuestion&) { return dir.filePath("none/sample.cir"); });
    w.ExportAction()->trigger();
    ASSERT_EQ(user.messages().size(), 1u);
    EXPECT_TRUE(user.messages()[0].text.startsWith("ファイルを保存出来ません："));

    user.Answering("保存しない", [&] { user.Command("新規作成(&N)"); });
    EXPECT_EQ(w.Drawing(), DrawnCircuit{});
    EXPECT_FALSE(user.document().drawing);
}
