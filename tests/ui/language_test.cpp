// The language chosen under 表示 → 言語 while every window is open: each
// speaks it at once, Japanese again exactly as before, and every caption
// fits its control in either language.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <map>
#include <gtest/gtest.h>

#include "graph/graph_page.h"
#include "platform/picture_box.h"
#include "print/preview_window.h"
#include "tests/support/in_language.h"
#include "ui/current_dialog.h"
#include "ui/diagram_window.h"
#include "ui/element_dialog.h"
#include "ui/element_tuning_window.h"
#include "ui/entry_field.h"
#include "ui/example_files.h"
#include "ui/matrix_dialog.h"
#include "ui/window_language.h"
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

QWidgetList OpenWindows()
{
    QWidgetList windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->parentWidget() == nullptr) windows << window;
    return windows;
}

// Every text the windows show, name or read out, hidden controls and menus
// included, each after the class that holds it.
QStringList ShownTexts()
{
    QStringList shown;
    const auto add = [&shown](const QObject* holder, const QString& text) {
        if (!text.isEmpty())
            shown << QString::fromLatin1(holder->metaObject()->className()) + QStringLiteral(": ") + text;
    };
    const char* properties[] = {
        "windowTitle", "toolTip", "statusTip",       "whatsThis", "accessibleName", "accessibleDescription",
        "text",        "title",   "placeholderText", "plainText", "iconText",       "suffix",
        "prefix"};
    for (QWidget* window : OpenWindows()) {
        QObjectList holders{window};
        for (QObject* child : window->findChildren<QObject*>()) holders << child;
        for (QObject* holder : holders) {
            for (const char* property : properties)
                if (holder->property(property).typeId() == QMetaType::QString)
                    add(holder, holder->property(property).toString());
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

// The widest line of a caption.
int Widest(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QSize TextSize(const QWidget& w, const QString& text)
{
    const QFontMetrics metrics(w.font(), &w);
    return {Widest(metrics, text), static_cast<int>(text.count(QLatin1Char('\n')) + 1) * metrics.height()};
}

QString Named(const QWidget* w, const QString& text)
{
    return QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(": ") + text;
}

// Where a label's text lies, in its parent's coordinates.
QRect TextArea(const QLabel& label)
{
    const int indent = std::max(label.indent(), 0) + label.margin();
    const QRect inside = label.contentsRect().adjusted(indent, 0, -indent, 0);
    return QStyle::alignedRect(label.layoutDirection(), label.alignment(), TextSize(label, label.text()), inside)
        .translated(label.pos());
}

// Shown, or shown once its tab is chosen.
bool Shown(const QWidget* w, const QWidget* window)
{
    for (; w != window; w = w->parentWidget())
        if (w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
            !w->parentWidget()->inherits("TabControl"))
            return false;
    return true;
}

// Every shown control that cuts its caption, by the metrics of its font as
// the toolkit lays it out, and every label whose text runs into a shown
// control beside it; with what it shows.
using CutCaptions = std::map<const QWidget*, QString>;
CutCaptions CaptionsCut()
{
    CutCaptions cut;
    const auto check = [&cut](QWidget* w, const QString& text, const QRect& room) {
        const QSize size = TextSize(*w, text);
        if (size.width() > room.width() || size.height() > room.height()) cut[w] = Named(w, text);
    };
    const auto contents = [](QWidget* w, QStyle::SubElement part) {
        QStyleOptionButton option;
        option.initFrom(w);
        return w->style()->subElementRect(part, &option, w);
    };
    for (QWidget* window : OpenWindows())
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!Shown(w, window) || w->width() <= 0) continue;
            if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty() && !label->wordWrap()) {
                const QRect text = TextArea(*label);
                if (!label->geometry().contains(text)) cut[w] = Named(w, label->text());
                for (QWidget* beside : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    if (beside != w && Shown(beside, window) && beside->geometry().intersects(text) &&
                        !beside->geometry().contains(label->geometry()))
                        cut[w] = Named(w, label->text()) + QStringLiteral(" over ") + Named(beside, {});
            }
            if (auto* button = qobject_cast<QPushButton*>(w))
                check(button, button->text(), contents(w, QStyle::SE_PushButtonContents));
            if (auto* option = qobject_cast<QRadioButton*>(w))
                check(option, option->text(), contents(w, QStyle::SE_RadioButtonContents));
            if (auto* box = qobject_cast<QCheckBox*>(w))
                check(box, box->text(), contents(w, QStyle::SE_CheckBoxContents));
            if (auto* frame = qobject_cast<QGroupBox*>(w); frame && !frame->title().isEmpty()) {
                QStyleOptionGroupBox style;
                style.initFrom(frame);
                style.text = frame->title();
                style.subControls = QStyle::SC_GroupBoxLabel;
                const QRect title =
                    w->style()->subControlRect(QStyle::CC_GroupBox, &style, QStyle::SC_GroupBoxLabel, w);
                check(frame, frame->title(), QRect(title.topLeft(), QPoint(w->width(), title.bottom())));
            }
            if (auto* list = qobject_cast<QComboBox*>(w)) {
                QStyleOptionComboBox style;
                style.initFrom(list);
                const QRect field =
                    w->style()->subControlRect(QStyle::CC_ComboBox, &style, QStyle::SC_ComboBoxEditField, w);
                for (int i = 0; i < list->count(); ++i) check(list, list->itemText(i), field);
            }
            if (auto* tabs = qobject_cast<QTabBar*>(w))
                for (int i = 0; i < tabs->count(); ++i)
                    check(tabs, tabs->tabText(i),
                          tabs->tabRect(i).adjusted(0, 0, -w->style()->pixelMetric(QStyle::PM_TabBarTabHSpace), 0));
        }
    return cut;
}

void Choose(User& user, const char* language)
{
    user.Command(language);
    // The windows hear of the language through posted events, and lay
    // themselves out again through more.
    QApplication::processEvents();
    QApplication::processEvents();
}

// The scale strips and the preview's picture, painted in the language.
std::vector<QImage> PaintedTexts(GraphPage& graph, PreviewWindow& preview)
{
    return {graph.FrequencyScale().Image(), graph.LevelScale(Graph::Magnitude).Image(),
            graph.LevelScale(Graph::Phase).Image(), preview.findChild<PictureBox*>()->Image()};
}

// Runs act with every window open on the five-loop example: the main window
// on its graph page with a search's finding held and a free readout, the
// diagram window, the tuning window with a stepped family, the guide, the
// three definition dialogs, one with a field that is no number, and, modal,
// the print preview.
void WithEveryWindowOpen(const std::function<void(User&, PreviewWindow&)>& act)
{
    const InLanguage japanese(Language::Japanese);
    User user;
    MainWindow& window = user.window();
    window.OpenExample(ExampleFiles().front().filePath());
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
    MatrixElementDialog matrix(1, 2, 15);
    BranchCurrentDialog current(2, 5);
    element.ValueField(2)->setText(QStringLiteral("x"));
    for (QDialog* dialog : std::initializer_list<QDialog*>{&element, &matrix, &current}) dialog->show();
    const bool previewed = user.WithDialog([&] { graph.OnPrint(); }, [&](QWidget&) { act(user, *window.Preview()); });
    EXPECT_TRUE(previewed);
}

TEST(Language, EveryOpenWindowSpeaksTheChosenOneAtOnce)
{
    WithEveryWindowOpen([](User& user, PreviewWindow& preview) {
        GraphPage& graph = user.window().Graph();
        const QStringList japanese = ShownTexts();
        const std::vector<QImage> paintedInJapanese = PaintedTexts(graph, preview);

        Choose(user, "English");
        EXPECT_EQ(RememberedLanguage(), Language::English);
        for (const QString& text : ShownTexts())
            EXPECT_TRUE(!InJapanese(text) || text.endsWith(QStringLiteral(": 日本語"))) << text.toStdString();
        const std::vector<QImage> paintedInEnglish = PaintedTexts(graph, preview);
        for (size_t i = 0; i < paintedInEnglish.size(); ++i) EXPECT_NE(paintedInEnglish[i], paintedInJapanese[i]) << i;

        Choose(user, "日本語");
        EXPECT_EQ(ShownTexts(), japanese);
        EXPECT_EQ(PaintedTexts(graph, preview), paintedInJapanese);
    });
}

// By the metrics of each control's font at the screen's pixel ratio; run at
// pixel ratio 1 and again at 2. Only a definition too long for its matrix
// button is cut in Japanese, and stays cut in English.
TEST(Language, EnglishCaptionsFitWhereverJapaneseOnesDo)
{
    WithEveryWindowOpen([](User& user, PreviewWindow&) {
        const CutCaptions japanese = CaptionsCut();
        Choose(user, "English");
        for (const auto& [control, caption] : CaptionsCut())
            EXPECT_TRUE(japanese.count(control)) << caption.toStdString();
    });
}

}  // namespace
