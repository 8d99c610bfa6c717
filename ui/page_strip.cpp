#include "page_strip.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <map>

#include "accessible_factory.h"

namespace {

class PageTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PageTabAccessible(PageStrip* strip, int index) : strip_(strip), index_(index) {}

    bool isValid() const override { return strip_ && index_ < strip_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return strip_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(strip_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) return strip_->tabText(index_).remove(QLatin1Char('&'));
        if (t == QAccessible::Description) return strip_->tabToolTip(index_);
        return {};
    }

    QRect rect() const override
    {
        const QRect local = strip_->tabRect(index_);
        return QRect(strip_->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = true;
        s.selected = strip_->currentIndex() == index_;
        s.invisible = !strip_->isVisible();
        s.disabled = !strip_->isTabEnabled(index_);
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction()) strip_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<PageStrip> strip_;
    int index_;
};

class PageStripAccessible : public QAccessibleWidget {
public:
    explicit PageStripAccessible(PageStrip* strip) : QAccessibleWidget(strip, QAccessible::PageTabList) {}
    ~PageStripAccessible() override
    {
        for (const auto& [index, id] : tabs_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return Strip()->count(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= Strip()->count()) return nullptr;
        auto found = tabs_.find(index);
        if (found == tabs_.end())
            found =
                tabs_.emplace(index, QAccessible::registerAccessibleInterface(new PageTabAccessible(Strip(), index)))
                    .first;
        return QAccessible::accessibleInterface(found->second);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child) return i;
        return -1;
    }

private:
    PageStrip* Strip() const { return static_cast<PageStrip*>(widget()); }

    mutable std::map<int, QAccessible::Id> tabs_;
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
