// The matrix checked against the branch currents on a three-loop ladder
// filter: each mistake a user makes in either description is reported with
// its element, both definitions and the branch currents behind them; the
// correct circuit, however its zeros were entered, is not.

#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "documents.h"
#include "document/qstring_utf8.h"
#include "tests/support/qstring_printer.h"
#include "document/matrix_check_text.h"
#include "user.h"

namespace {

using namespace documents;

// Branch 1 the source resistor and 6 the load in the outer meshes, 3 and 5
// the series coils, 2 and 4 the shunt capacitors shared by neighbouring
// meshes; every loop current clockwise.
CircuitDocument LadderFilter()
{
    CircuitDocument d = EmptyDocument(3, 6);
    d.matrix[MatrixPosition(1, 1)] = MatrixMarks({{1, 1}, {2, 1}});
    d.matrix[MatrixPosition(1, 2)] = MatrixMarks({{2, -1}});
    d.matrix[MatrixPosition(1, 3)] = MatrixMarks({{0, 1}});
    d.matrix[MatrixPosition(2, 2)] = MatrixMarks({{2, 1}, {3, 1}, {4, 1}});
    d.matrix[MatrixPosition(2, 3)] = MatrixMarks({{4, -1}});
    d.matrix[MatrixPosition(3, 3)] = MatrixMarks({{4, 1}, {5, 1}, {6, 1}});
    d.currents[0] = CurrentMarks({{1, 1}});
    d.currents[1] = CurrentMarks({{1, 1}, {2, -1}});
    d.currents[2] = CurrentMarks({{2, 1}});
    d.currents[3] = CurrentMarks({{2, 1}, {3, -1}});
    d.currents[4] = CurrentMarks({{3, 1}});
    d.currents[5] = CurrentMarks({{3, 1}});
    return d;
}

TEST(MatrixCheck, EachMistakeReportedWithBothDefinitionsAndTheCurrentsBehindThem)
{
    struct Case {
        const char* entry;
        std::function<void(CircuitDocument&)> change;
        std::vector<const char*> lines;  // after the heading; none: no report
    };
    const Case cases[] = {
        {"as it should be", [](CircuitDocument&) {}, {}},
        {"Z13 never entered", [](CircuitDocument& d) { d.matrix[MatrixPosition(1, 3)].reset(); }, {}},
        {"Z13 empty", [](CircuitDocument& d) { d.matrix[MatrixPosition(1, 3)] = MatrixMarks({}); }, {}},
        {"wrong sign in Z23",
         [](CircuitDocument& d) {
             d.matrix[MatrixPosition(2, 3)] = MatrixMarks({{4, 1}});
         },
         {"Z23　入力：Z4　枝路電流から：－Z4（I04＝I2－I3）"}},
        {"wrong sign in Z12",
         [](CircuitDocument& d) {
             d.matrix[MatrixPosition(1, 2)] = MatrixMarks({{2, 1}});
         },
         {"Z12　入力：Z2　枝路電流から：－Z2（I02＝I1－I2）"}},
        {"wrong branch in Z22",
         [](CircuitDocument& d) {
             d.matrix[MatrixPosition(2, 2)] = MatrixMarks({{2, 1}, {3, 1}, {5, 1}});
         },
         {"Z22　入力：Z2＋Z3＋Z5　枝路電流から：Z2＋Z3＋Z4（I04＝I2－I3、I05＝I3）"}},
        {"branch current against the loops",
         [](CircuitDocument& d) {
             d.currents[3] = CurrentMarks({{2, 1}, {3, 1}});
         },
         {"Z23　入力：－Z4　枝路電流から：Z4（I04＝I2＋I3）"}},
        {"minus on the diagonal",
         [](CircuitDocument& d) {
             d.matrix[MatrixPosition(3, 3)] = MatrixMarks({{4, -1}, {5, 1}, {6, 1}});
         },
         {"Z33　入力：－Z4＋Z5＋Z6　枝路電流から：Z4＋Z5＋Z6（I04＝I2－I3）"}},
        {"a branch where the loops share none",
         [](CircuitDocument& d) {
             d.matrix[MatrixPosition(1, 3)] = MatrixMarks({{2, -1}});
         },
         {"Z13　入力：－Z2　枝路電流から：0（I02＝I1－I2）"}},
        {"diagonal never entered",
         [](CircuitDocument& d) { d.matrix[MatrixPosition(1, 1)].reset(); },
         {"Z11　入力：0　枝路電流から：Z1＋Z2（I01＝I1、I02＝I1－I2）"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        CircuitDocument d = LadderFilter();
        c.change(d);
        const LoopDefinitions definitions = DefinitionsOf(d);
        const MatrixDerivation derivation = DeriveMatrix(definitions);
        ASSERT_TRUE(derivation.matrix);
        QStringList expected;
        if (!c.lines.empty()) expected << U8("マトリクスの定義が枝路電流の定義と一致しません。");
        for (const char* line : c.lines) expected << U8(line);
        EXPECT_EQ(DisagreementLines(Disagreements(definitions, *derivation.matrix)), expected);
    }
}

// At 計算実行 a disagreement is asked about: キャンセル changes nothing,
// 入力どおり計算 calculates what was typed and is not asked again until a
// definition changes, 枝路電流に合わせる replaces what disagrees. The
// disagreeing buttons are marked meanwhile; the circuit menu writes the
// whole matrix from the currents.
TEST(MatrixCheck, TheWindowAsksMarksAndFollowsTheCurrents)
{
    QTemporaryDir dir;
    CircuitDocument ladder = LadderFilter();
    for (auto& element : ladder.elements) element = Entry("1", "Ω", "0", "Ｈ", "", "μＦ");
    ladder.matrix[MatrixPosition(2, 3)] = MatrixMarks({{4, 1}});
    User user;
    ASSERT_TRUE(user.window().OpenFile(Saved(dir.path(), "ladder.brivel", ladder)));
    const CalcControls& ui = user.ui();
    const auto marked = [&](int j, int k) {
        return ui.matrixButtons[j][k]->palette().color(QPalette::Active, QPalette::ButtonText) == QColor(Qt::red);
    };
    EXPECT_TRUE(marked(2, 3));
    EXPECT_TRUE(marked(3, 2));
    EXPECT_EQ(ui.matrixButtons[2][3]->toolTip(), U8("－Z4"));
    EXPECT_FALSE(marked(1, 1));
    EXPECT_TRUE(ui.matrixButtons[1][1]->toolTip().isEmpty());

    const QString question =
        U8("マトリクスの定義が枝路電流の定義と一致しません。\nZ23　入力：Z4　枝路電流から：－Z4（I04＝I2－I3）");
    const CircuitDocument typed = user.document();
    EXPECT_EQ(user.Answering("キャンセル", [&] { user.Calculate(); }), question);
    EXPECT_EQ(user.document(), typed);
    EXPECT_TRUE(ui.inputImpedanceMagnitude->text().isEmpty());

    EXPECT_EQ(user.Answering("入力どおり計算", [&] { user.Calculate(); }), question);
    EXPECT_FALSE(ui.inputImpedanceMagnitude->text().isEmpty());
    EXPECT_TRUE(user.Answering("キャンセル", [&] { user.Calculate(); }).isEmpty());
    user.DefineMatrix(1, 3, {});
    EXPECT_EQ(user.Answering("枝路電流に合わせる", [&] { user.Calculate(); }), question);
    EXPECT_EQ(ui.matrixButtons[2][3]->text(), U8("－Z4"));
    EXPECT_EQ(ui.matrixButtons[3][2]->text(), U8("－Z4"));
    EXPECT_FALSE(marked(2, 3));
    EXPECT_TRUE(ui.matrixButtons[2][3]->toolTip().isEmpty());
    EXPECT_FALSE(ui.inputImpedanceMagnitude->text().isEmpty());

    user.DefineMatrix(1, 2, {"Ｚ３"});
    user.DefineMatrix(1, 3, {});
    user.Command("枝路電流からマトリクスを作成(&M)");
    EXPECT_EQ(ui.matrixButtons[1][2]->text(), U8("－Z2"));
    EXPECT_EQ(ui.matrixButtons[1][3]->text(), "0");
    EXPECT_EQ(ui.matrixButtons[3][3]->text(), U8("Z4＋Z5＋Z6"));
    EXPECT_EQ(user.document().matrix, LadderFilter().matrix);
    EXPECT_TRUE(ui.inputImpedanceMagnitude->text().isEmpty());
    EXPECT_TRUE(user.messages().empty());

    User empty;
    empty.Command("枝路電流からマトリクスを作成(&M)");
    ASSERT_EQ(empty.messages().size(), 1u);
    EXPECT_EQ(empty.messages()[0].text, U8("枝路電流が定義されていない枝路があります：I01、I02、I03"));
    EXPECT_EQ(empty.ui().matrixButtons[1][1]->text(), "Z11");
}

}  // namespace
