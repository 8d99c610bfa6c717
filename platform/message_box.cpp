#include "platform/message_box.h"

#include <QMessageBox>
#include <QPushButton>

#include <array>
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

Choice AskChoice(const QString& question, const QString& primary, const QString& secondary, const QString& cancel,
                 Choice defaultChoice, QWidget* parent)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Brivel"), question, QMessageBox::NoButton, parent);
    QPushButton* primaryButton = box.addButton(primary, QMessageBox::AcceptRole);
    QPushButton* secondaryButton = box.addButton(secondary, QMessageBox::DestructiveRole);
    QPushButton* cancelButton = box.addButton(cancel, QMessageBox::RejectRole);
    const std::array<QPushButton*, 3> byChoice = {primaryButton, secondaryButton, cancelButton};
    box.setDefaultButton(byChoice[static_cast<size_t>(defaultChoice)]);
    box.setEscapeButton(cancelButton);
    box.exec();
    if (box.clickedButton() == primaryButton) return Choice::Primary;
    if (box.clickedButton() == secondaryButton) return Choice::Secondary;
    return Choice::Cancel;
}

MessageInterceptor SetMessageInterceptor(MessageInterceptor interceptor)
{
    return std::exchange(Interceptor(), std::move(interceptor));
}
