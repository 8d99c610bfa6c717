#include "platform/message_box.h"

#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace {

MessageInterceptor& Interceptor()
{
    static MessageInterceptor interceptor;
    return interceptor;
}

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void ShowMessage(const QString& text, MessageIcon icon, QWidget* parent)
{
    if (Interceptor()) {
        Interceptor()(text, icon);
        return;
    }
    QMessageBox box(BoxIcon(icon), QStringLiteral("Brivel"), text, QMessageBox::Ok, parent);
    box.exec();
}

Answer Ask(const QString& question, const QString& yes, const QString& no, QWidget* parent)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Brivel"), question, QMessageBox::NoButton, parent);
    QPushButton* yesButton = box.addButton(yes, QMessageBox::YesRole);
    QPushButton* noButton = box.addButton(no, QMessageBox::NoRole);
    box.setDefaultButton(noButton);
    box.setEscapeButton(noButton);
    box.exec();
    return box.clickedButton() == yesButton ? Answer::Yes : Answer::No;
}

MessageInterceptor SetMessageInterceptor(MessageInterceptor interceptor)
{
    return std::exchange(Interceptor(), std::move(interceptor));
}
