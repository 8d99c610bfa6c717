#include "page_strip.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QAccessibleActionInterface>
#include <QEvent>
#include <QPointer>
#include <QToolButton>

#include "accessible_factory.h"
#include "accessible_parts.h"

namespace {

// Qt's names of the scroll arrows, which Qt's own translations translate,
// and the object name of the left one.
constexpr const char* kQtContext = "QTabBar";
constexpr const char* kLeftArrowName = "ScrollLeftButton";
constexpr const char* kScrollLeft = "Scroll Left";
constexpr const char* kScrollRight = "Scroll Right";

class PageTabAccessible : public AccessiblePart, public QAccessibleActionInterface {
public:
    PageTabAccessible(PageStrip* strip, int index) : AccessiblePart(strip, index), strip_(strip) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) return strip_->tabText(Place()).remove(QLatin1Char('&'));
        if (t == QAccessible::Description) return strip_->tabToolTip(Place());
        return {};
    }

    QRect rect() const override { return OnScreen(strip_->tabRect(Place())); }

    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QAccessible::State state() const override
    {
        QAccessible::State s = PartState(strip_->currentIndex() == Place());
        s.disabled = !strip_->isTabEnabled(Place());
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction()) strip_->setCurrentIndex(Place());
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<PageStrip> strip_;
};

class PageStripAccessible : public AccessibleParts {
public:
    explicit PageStripAccessible(PageStrip* strip) : AccessibleParts(strip, QAccessible::PageTabList) {}

    int childCount() const override { return Strip()->count(); }

private:
    PageStrip* Strip() const { return static_cast<PageStrip*>(widget()); }
    AccessiblePart* NewPart(int index) const override { return new PageTabAccessible(Strip(), index); }
};

}  // namespace

PageStrip::PageStrip(QWidget* parent) : QTabBar(parent)
{
    UseAccessibleInterface<PageStrip, PageStripAccessible>();
    connect(this, &QTabBar::currentChanged, this, [this](int index) {
        if (!QAccessible::isActive() || index < 0) return;
        QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(this)->child(index);
        QAccessible::State selected;
        selected.selected = true;
        QAccessibleStateChangeEvent event(tab, selected);
        QAccessible::updateAccessibility(&event);
    });
}

void PageStrip::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        for (QToolButton* arrow : findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
            arrow->setAccessibleName(QCoreApplication::translate(
                kQtContext, arrow->objectName() == QLatin1String(kLeftArrowName) ? kScrollLeft : kScrollRight));
    QTabBar::changeEvent(event);
}
