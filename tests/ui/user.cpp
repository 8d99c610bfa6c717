#include "user.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "document/qstring_utf8.h"
#include "ui/element_dialog.h"
#include "ui/entry_field.h"
#include "ui/selector.h"
#include "ui/signed_sum_dialog.h"

User::User() : window_(std::make_unique<MainWindow>())
{
    window_->show();
    QApplication::setActiveWindow(window_.get());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
}

User::~User() = default;

std::vector<Message> User::TakeMessages()
{
    std::vector<Message> taken;
    taken.swap(messages_);
    return taken;
}

void User::Click(QWidget* w)
{
    ASSERT_TRUE(w->isVisible()) << "clicking a widget the user cannot see";
    QTest::mouseClick(w, Qt::LeftButton);
}

void User::TypeInto(QWidget* field, const QString& text)
{
    QApplication::setActiveWindow(field->window());
    if (field->hasFocus())
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    else
        Click(field);
    ASSERT_TRUE(field->hasFocus());
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

void User::Command(const char* text)
{
    for (QAction* action : window_->findChildren<QAction*>())
        if (action->text() == U8(text)) return action->trigger();
    ADD_FAILURE() << "no command " << text;
}

void User::Choose(Selector* selector, const QString& item)
{
    const int index = selector->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(index, 0) << "no item " << item.toStdString();
    selector->showPopup();
    QAbstractItemView* view = selector->view();
    const QRect at = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at.center());
    // The offscreen platform leaves the closed popup active; a desktop gives
    // the activation back to the selector's window.
    QApplication::setActiveWindow(selector->window());
}

bool User::WithDialog(const std::function<void()>& open, const std::function<void(QWidget&)>& act)
{
    bool seen = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) return;
        seen = true;
        act(*dialog);
        // Never leave the command waiting on a dialog a failed check left open.
        if (dialog->isVisible()) dialog->close();
    });
    timer.start(0);
    open();
    return seen;
}

QString User::Answering(const char* answer, const std::function<void()>& ask)
{
    QString question;
    WithDialog(ask, [&](QWidget& w) {
        auto* box = qobject_cast<QMessageBox*>(&w);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Brivel");
        question = box->text();
        if (QWidget* button = ButtonCaptioned(w, U8(answer))) Click(button);
    });
    return question;
}

QWidget* ButtonCaptioned(QWidget& dialog, const QString& text)
{
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == text) return b;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

void WheelNotch(QWidget* w)
{
    QWheelEvent notch(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &notch);
}

void User::EnterElement(int b, const Element& r, const Element& l, const Element& c, bool ok)
{
    const bool opened = EnterElementVia([&] { Click(ui().elementButtons[b]); }, r, l, c, ok);
    EXPECT_TRUE(opened) << "no element dialog for branch " << b;
}

bool User::EnterElementVia(const std::function<void()>& open, const Element& r, const Element& l, const Element& c,
                           bool ok)
{
    return WithDialog(open, [&](QWidget& w) {
        auto* dialog = qobject_cast<ElementDialog*>(&w);
        ASSERT_NE(dialog, nullptr);
        const Element* values[] = {&r, &l, &c};
        for (int i = 0; i < 3; ++i) {
            if (!values[i]->unit.isEmpty()) Choose(dialog->UnitSelector(i), values[i]->unit);
            if (!values[i]->value.isNull()) TypeInto(dialog->ValueField(i), values[i]->value);
        }
        Click(ButtonCaptioned(w, U8(ok ? "ＯＫ" : "キャンセル")));
    });
}

namespace {

void PressAll(User& user, QWidget& dialog, const std::vector<const char*>& presses, bool ok)
{
    for (const char* caption : presses)
        if (QWidget* button = ButtonCaptioned(dialog, U8(caption))) user.Click(button);
    user.Click(ButtonCaptioned(dialog, U8(ok ? "ＯＫ" : "キャンセル")));
}

}  // namespace

void User::DefineMatrix(int j, int k, const std::vector<const char*>& presses, bool ok)
{
    const bool opened = WithDialog([&] { Click(ui().matrixButtons[j][k]); },
                                   [&](QWidget& w) {
                                       while (!static_cast<SignedSumDialog&>(w).Presses().empty())
                                           QTest::keyClick(&w, Qt::Key_Backspace);
                                       PressAll(*this, w, presses, ok);
                                   });
    EXPECT_TRUE(opened) << "no matrix dialog for Z" << j << k;
}

void User::DefineCurrent(int b, const std::vector<const char*>& presses, bool ok)
{
    const bool opened =
        WithDialog([&] { Click(ui().currentButtons[b]); }, [&](QWidget& w) { PressAll(*this, w, presses, ok); });
    EXPECT_TRUE(opened) << "no branch-current dialog for branch " << b;
}

void User::EnterSampleCircuit()
{
    for (int b = 1; b <= 3; ++b) EnterElement(b, {"1", ""});
    DefineMatrix(1, 1, {"Ｚ１", "＋", "Ｚ２"});
    DefineMatrix(1, 2, {"－", "Ｚ２"});
    DefineMatrix(2, 2, {"Ｚ２", "＋", "Ｚ３"});
    DefineCurrent(1, {"Ｉ１"});
    DefineCurrent(2, {"Ｉ１", "－", "Ｉ２"});
    DefineCurrent(3, {"Ｉ２"});
}

QString User::ImpedanceReal(int b) const { return ui().impedanceRe[b]->text(); }

QString User::ImpedanceImag(int b) const { return ui().impedanceIm[b]->text(); }
