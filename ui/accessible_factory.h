#pragma once
// Gives a widget class of the program an accessible interface of its own,
// made by assistive technology's queries for every widget of that class.

#include <QAccessible>

// Call from the widget's constructor; registers the interface once.
// Interface is constructed from a Widget*.
template <class Widget, class Interface>
void UseAccessibleInterface()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
            if (className == QLatin1String(Widget::staticMetaObject.className()) && object->isWidgetType())
                return new Interface(static_cast<Widget*>(object));
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}
