// Every control can be found and told apart by assistive technology: a name
// that says what it is, unique in its window, and for a result its value with
// the unit.

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMenu>
#include <QTabBar>
#include <QImage>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

#include "document/qstring_utf8.h"
#include "ui/circuit_picture.h"
#include "ui/current_dialog.h"
#include "ui/element_dialog.h"
#include "ui/entry_field.h"
#include "ui/matrix_dialog.h"
#include "ui/selector.h"
#include "graph/graph_page.h"
#include "platform/picture_box.h"
#include "ui/tab_control.h"
#include "user.h"

namespace {

QString AccessibleText(QWidget* w, QAccessible::Text text)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face != nullptr ? face->text(text) : QString();
}

// Entry fields, selectors and their text fields, buttons, check boxes,
// option buttons, tab strips, result and definition labels, pictures; not
// the other parts Qt builds inside a selector or a tab strip.
bool IsControl(QWidget* w)
{
    if ((qobject_cast<QComboBox*>(w->parentWidget()) && !qobject_cast<QLineEdit*>(w)) ||
        qobject_cast<QTabBar*>(w->parentWidget()) || qobject_cast<QMenuBar*>(w->parentWidget()))
        return false;
    const auto* label = qobject_cast<QLabel*>(w);
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w) ||
           qobject_cast<QTabBar*>(w) || qobject_cast<ResultLabel*>(w) || dynamic_cast<CircuitPicture*>(w) != nullptr ||
           (label != nullptr && label->frameShadow() == QFrame::Sunken) || w->inherits("PictureBox");
}

void ExpectNamedAndUnique(QWidget& window)
{
    std::map<QString, int> seen;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!IsControl(w)) continue;
        const QString name = AccessibleText(w, QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << w->metaObject()->className() << " in "
                                     << w->parentWidget()->metaObject()->className();
        EXPECT_FALSE(name.contains('\n')) << name.toStdString();  // a caption's lines read as one
        ++seen[name];
    }
    for (const auto& [name, count] : seen) EXPECT_EQ(count, 1) << name.toStdString();
}

TEST(Accessibility, EveryControlHasANameOfItsOwn)
{
    User user;
    // The graph page is part of the main window.
    ExpectNamedAndUnique(user.window());
    MatrixElementDialog matrix(1, 2, 15);
    ExpectNamedAndUnique(matrix);
    BranchCurrentDialog current(3, 5);
    ExpectNamedAndUnique(current);
    ElementDialog element(U8("Z3"), ElementEntry{});
    ExpectNamedAndUnique(element);
    EXPECT_EQ(AccessibleText(element.ValueField(kResistanceEntry), QAccessible::Name), U8("Z3 の抵抗 R"));

    user.EnterSampleCircuit();
    user.Calculate();
    user.Click(user.ui().frequencyButton);
    const bool previewed = user.WithDialog(
        [&] { user.window().Graph().PrintButton().click(); },
        [&](QWidget& preview) {
            ExpectNamedAndUnique(preview);
            EXPECT_FALSE(AccessibleText(preview.findChild<PictureBox*>(), QAccessible::Description).isEmpty());
            preview.close();
        });
    EXPECT_TRUE(previewed);
}

// Results are read with their units, a matrix button as its definition, and
// the page strip tells which page is shown.
TEST(Accessibility, ResultsDefinitionsAndPagesAreReadOut)
{
    User user;
    const CalcControls& ui = user.ui();
    EXPECT_TRUE(AccessibleText(ui.currentMagnitude[2], QAccessible::Description).isEmpty());
    user.EnterSampleCircuit();
    user.Calculate();
    EXPECT_EQ(AccessibleText(ui.currentMagnitude[2], QAccessible::Name), U8("枝路 2 の電流の大きさ"));
    EXPECT_EQ(AccessibleText(ui.currentMagnitude[2], QAccessible::Description), U8("333.3333 ｍＡ"));
    EXPECT_EQ(AccessibleText(ui.inputImpedancePhase, QAccessible::Description), U8("0 度"));
    user.Choose(ui.currentUnit[2], U8("Ａ"));
    EXPECT_EQ(AccessibleText(ui.currentMagnitude[2], QAccessible::Description), U8("0.3333 Ａ"));
    EXPECT_EQ(AccessibleText(ui.matrixButtons[1][2], QAccessible::Name), "Z12");
    EXPECT_EQ(AccessibleText(ui.matrixButtons[1][2], QAccessible::Description), U8("－Z2"));
    EXPECT_EQ(AccessibleText(ui.matrixButtons[3][3], QAccessible::Description), U8("未定義"));
    EXPECT_EQ(AccessibleText(ui.currentDefinition[2], QAccessible::Description), U8("I1－I2="));

    // A selector's value reaches a screen reader in its description, and its
    // items can be listed.
    QAccessibleInterface* unit = QAccessible::queryAccessibleInterface(ui.currentUnit[2]);
    EXPECT_EQ(unit->text(QAccessible::Description), U8("Ａ"));
    ASSERT_GE(unit->childCount(), 1);
    ASSERT_EQ(unit->child(0)->childCount(), ui.currentUnit[2]->count());
    EXPECT_EQ(unit->child(0)->child(1)->text(QAccessible::Name), ui.currentUnit[2]->itemText(1));

    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(ui.pageTabs->Bar());
    ASSERT_GE(strip->childCount(), 2);
    EXPECT_EQ(strip->child(1)->role(), QAccessible::PageTab);
    EXPECT_TRUE(strip->child(0)->state().selected);
    EXPECT_FALSE(strip->child(1)->state().selected);
    user.Click(ui.frequencyButton);
    EXPECT_TRUE(strip->child(1)->state().selected);
    EXPECT_EQ(AccessibleText(&user.window().Graph().GraphBox(Graph::Magnitude), QAccessible::Description),
              U8("入力インピーダンスの大きさ、周波数 100～1000000 Hz、1～1000000 Ω"));

    // The graphs' menu is reachable without a mouse.
    PictureBox& graph = user.window().Graph().GraphBox(Graph::Magnitude);
    graph.setFocus();
    ASSERT_TRUE(graph.hasFocus());
    QTest::keyClick(&graph, Qt::Key_Menu);
    EXPECT_TRUE(user.window().Graph().GraphMenu().isVisible());
    user.window().Graph().GraphMenu().hide();

    user.Command("使い方(&U)");
    auto* guide = user.window().findChild<QTextBrowser*>();
    ASSERT_NE(guide, nullptr);
    EXPECT_EQ(AccessibleText(guide, QAccessible::Name), U8("使い方の本文"));
    EXPECT_FALSE(AccessibleText(guide, QAccessible::Description).isEmpty());
    // A picture the guide shows narrower than it is comes already smoothed to
    // its width, not shrunk pixel by pixel as it is drawn.
    const auto picture = guide->loadResource(QTextDocument::ImageResource, QUrl("images/main_window.png")).value<QImage>();
    EXPECT_EQ(picture.width(), qRound(680 * guide->devicePixelRatioF()));
}

}  // namespace
