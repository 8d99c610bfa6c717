#pragma once
// The tab strip of a TabControl. Assistive technology sees each tab as a
// page tab of its own that says whether its page is the one shown, and is
// told when the shown page changes.

#include <QTabBar>

class PageStrip : public QTabBar {
    Q_OBJECT
public:
    explicit PageStrip(QWidget* parent = nullptr);

protected:
    // Qt names its scroll arrows once, when it makes them; they are named
    // again in the language now in use.
    void changeEvent(QEvent* event) override;
};
