#include "platform/message_box.h"

#include <QMessageBox>

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
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::None: break;
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

MessageInterceptor SetMessageInterceptor(MessageInterceptor interceptor)
{
    return std::exchange(Interceptor(), std::move(interceptor));
}
