#include "platform/shown_text.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

const char* PropertyOf(TextRole role)
{
    switch (role) {
    case TextRole::Text:
        return "text";
    case TextRole::Title:
        return "title";
    case TextRole::WindowTitle:
        return "windowTitle";
    case TextRole::ToolTip:
        return "toolTip";
    case TextRole::AccessibleName:
        return "accessibleName";
    case TextRole::AccessibleDescription:
        return "accessibleDescription";
    }
    return "text";
}

// The target itself, or for an action the widget it belongs to, through the
// group it may belong to first.
QObject* WidgetOf(QObject* target)
{
    QObject* widget = target;
    while (!widget->isWidgetType()) widget = widget->parent();
    return widget;
}

// One kept text. It lives beside its target as a child of the target's
// widget, where QEvent::LanguageChange reaches it: a widget passes that event
// on to every child.
// A later text of the same target and kind takes its place.
class KeptText : public QObject {
public:
    KeptText(QObject* target, const char* kind, const MarkedText& source, std::function<void(const QString&)> show)
        : QObject(WidgetOf(target)),
          target_(target),
          kind_(kind),
          source_(source),
          show_(std::move(show))
    {
        const QObjectList siblings = parent()->children();
        for (QObject* sibling : siblings) {
            auto* kept = dynamic_cast<KeptText*>(sibling);
            if (kept != nullptr && kept != this && kept->target_ == target && kept->kind_ == kind_) delete kept;
        }
        connect(target, &QObject::destroyed, this, &QObject::deleteLater);
        Show();
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange) Show();
        return QObject::event(event);
    }

private:
    void Show()
    {
        if (target_) show_(Tr(source_));
    }

    QPointer<QObject> target_;
    QByteArray kind_;
    MarkedText source_;
    std::function<void(const QString&)> show_;
};

}  // namespace

void ShowText(QObject* target, TextRole role, const MarkedText& source, const QStringList& arguments)
{
    const char* property = PropertyOf(role);
    new KeptText(target, property, source, [target, property, arguments](const QString& text) {
        QString filled = text;
        for (const QString& argument : arguments) filled = filled.arg(argument);
        target->setProperty(property, filled);
    });
}

void ShowText(QObject* target, const MarkedText& source, std::function<void(const QString&)> show)
{
    new KeptText(target, "", source, std::move(show));
}
