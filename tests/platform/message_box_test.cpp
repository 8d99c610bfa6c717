#include <gtest/gtest.h>

#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

const QString kText = QStringLiteral("テスト");

TEST(MessageBox, TheInterceptorReceivesTheMessageInsteadOfABox)
{
    std::vector<std::pair<QString, MessageIcon>> seen;
    const MessageInterceptor before = SetMessageInterceptor([&](const QString& text, MessageIcon icon) {
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        seen.emplace_back(text, icon);
    });
    ShowMessage(kText, MessageIcon::Error);
    ShowMessage(QStringLiteral("b"));
    const MessageInterceptor mine = SetMessageInterceptor(before);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].first, kText);
    EXPECT_EQ(seen[0].second, MessageIcon::Error);
    EXPECT_EQ(seen[1].second, MessageIcon::None);
    EXPECT_TRUE(static_cast<bool>(mine));
}

// Shows a real box, reads it while it is open and presses OK.
struct Shown {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool found = false;
};

Shown ShowAndRead(MessageIcon icon)
{
    Shown shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        shown = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(), true};
        box->button(QMessageBox::Ok)->click();
    });
    ShowMessage(kText, icon);
    return shown;
}

TEST(MessageBox, TheBoxIsTitledBrivelWithOneOkButtonAndTheIcon)
{
    for (const auto& [icon, expected] : {std::pair{MessageIcon::None, QMessageBox::NoIcon},
                                         std::pair{MessageIcon::Information, QMessageBox::Information},
                                         std::pair{MessageIcon::Error, QMessageBox::Critical}}) {
        const Shown shown = ShowAndRead(icon);
        ASSERT_TRUE(shown.found);
        EXPECT_EQ(shown.title, QStringLiteral("Brivel"));
        EXPECT_EQ(shown.text, kText);
        EXPECT_EQ(shown.icon, expected);
        EXPECT_EQ(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}

// A question that may lose data is answered Yes only by its yes button:
// Enter, Escape and closing the box answer No.
TEST(MessageBox, AQuestionAnswersYesOnlyByItsYesButton)
{
    const auto answer = [](const std::function<void(QMessageBox&)>& act) {
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                EXPECT_EQ(box->windowTitle(), QStringLiteral("Brivel"));
                EXPECT_EQ(box->text(), kText);
                act(*box);
            }
        });
        return Ask(kText, QStringLiteral("yes"), QStringLiteral("no"));
    };
    const auto press = [](int key) {
        return [key](QMessageBox& box) { QTest::keyClick(&box, static_cast<Qt::Key>(key)); };
    };
    EXPECT_EQ(answer(press(Qt::Key_Return)), Answer::No);
    EXPECT_EQ(answer(press(Qt::Key_Escape)), Answer::No);
    EXPECT_EQ(answer([](QMessageBox& box) { box.close(); }), Answer::No);
    const auto clickYes = [](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons())
            if (button->text() == "yes") button->click();
    };
    EXPECT_EQ(answer(clickYes), Answer::Yes);
}

}  // namespace
