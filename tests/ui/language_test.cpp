// The language chosen under 表示 → 言語 while every window is open: each
// speaks it at once, and Japanese again exactly as before.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTranslator>
#include <gtest/gtest.h>

#include "graph/graph_page.h"
#include "platform/picture_box.h"
#include "print/preview_window.h"
#include "ui/current_dialog.h"
#include "ui/diagram_window.h"
#include "ui/element_dialog.h"
#include "ui/element_tuning_window.h"
#include "ui/matrix_dialog.h"
#include "user.h"

namespace {

// Kana, ideographs, their punctuation and the full-width forms.
bool InJapanese(const QString& text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) return true;
    }
    return false;
}

// Every text the windows show, name or read out, hidden controls and menus
// included, each after what holds it.
QStringList ShownTexts()
{
    QStringList shown;
    const auto add = [&shown](const QObject* holder, const QString& text) {
        if (!text.isEmpty()) shown << QString::fromLatin1(holder->metaObject()->className()) + QStringLiteral(": ") + text;
    };
    const char* properties[] = {"windowTitle", "toolTip",  "statusTip", "whatsThis", "accessibleName",
                                "accessibleDescription", "text", "title", "placeholderText", "plainText",
                                "iconText", "suffix", "prefix"};
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->parentWidget() != nullptr) continue;
        QObjectList holders{window};
        for (QObject* child : window->findChildren<QObject*>()) holders << child;
        for (QObject* holder : holders) {
            for (const char* property : properties)
                if (holder->property(property).typeId() == QMetaType::QString) add(holder, holder->property(property).toString());
            if (auto* list = qobject_cast<QComboBox*>(holder))
                for (int i = 0; i < list->count(); ++i) add(holder, list->itemText(i));
            if (auto* tabs = qobject_cast<QTabBar*>(holder))
                for (int i = 0; i < tabs->count(); ++i) add(holder, tabs->tabText(i) + tabs->tabToolTip(i));
            if (!holder->isWidgetType()) continue;
            if (QAccessibleInterface* read = QAccessible::queryAccessibleInterface(holder))
                for (QAccessible::Text t : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
                    add(holder, read->text(t));
        }
    }
    return shown;
}

void Choose(User& user, const char* language)
{
    user.Command(language);
    QApplication::processEvents();
}

// The scale strips and the preview's picture, painted in the language.
std::vector<QImage> PaintedTexts(GraphPage& graph, PreviewWindow& preview)
{
    return {graph.FrequencyScale().Image(), graph.LevelScale(Graph::Magnitude).Image(),
            graph.LevelScale(Graph::Phase).Image(), preview.findChild<PictureBox*>()->Image()};
}

TEST(Language, EveryOpenWindowSpeaksTheChosenOneAtOnce)
{
    User user;
    MainWindow& window = user.window();
    user.EnterSampleCircuit();
    user.Calculate();
    window.OnDiagram();
    window.OnShowFrequencyCharacteristics();
    GraphPage& graph = window.Graph();
    graph.OnGraphMenuRequested(Graph::Magnitude, QPointF(graph.GraphBox(Graph::Magnitude).width() / 2.0, 20));
    graph.GraphMenu().hide();
    graph.OnSearch(CurveSearch::HalfPower);
    window.OpenElementTuning();
    ElementTuningWindow& tuning = *window.Tuning();
    tuning.StepsField().setText(QStringLiteral("1, 2.2"));
    tuning.DrawButton().click();
    graph.OnGraphMouseMove(Graph::Phase, 1, 2);
    user.Command("使い方(&U)");
    ElementDialog element(QStringLiteral("Z1"), *user.document().elements[0]);
    MatrixElementDialog matrix(1, 2, 3);
    BranchCurrentDialog current(2, 2);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&element, &matrix, &current}) dialog->show();

    const bool previewed = user.WithDialog([&] { graph.OnPrint(); }, [&](QWidget&) {
        PreviewWindow& preview = *window.Preview();
        const QStringList japanese = ShownTexts();
        const std::vector<QImage> paintedInJapanese = PaintedTexts(graph, preview);

        Choose(user, "English");
        for (const QString& text : ShownTexts())
            EXPECT_TRUE(!InJapanese(text) || text.endsWith(QStringLiteral(": 日本語"))) << text.toStdString();
        const std::vector<QImage> paintedInEnglish = PaintedTexts(graph, preview);
        for (size_t i = 0; i < paintedInEnglish.size(); ++i) EXPECT_NE(paintedInEnglish[i], paintedInJapanese[i]) << i;

        Choose(user, "日本語");
        EXPECT_EQ(ShownTexts(), japanese);
        EXPECT_EQ(PaintedTexts(graph, preview), paintedInJapanese);
    });
    EXPECT_TRUE(previewed);
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) delete translator;
}

}  // namespace
