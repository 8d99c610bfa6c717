#pragma once
// A tab control whose pages cover the whole control, the tab strip included,
// so that the controls on a page are placed relative to the control's own
// corner. The strip lies over the pages at the top or at the bottom; its tabs
// share the full width.

#include <QWidget>
#include <vector>

class QTabBar;

class TabControl : public QWidget {
    Q_OBJECT
public:
    enum class Strip { Top, Bottom };

    TabControl(Strip strip, QWidget* parent = nullptr);

    // Adds a tab captioned by the marked text, in the language in use, and
    // returns its page.
    QWidget* AddTab(const char* caption);
    QWidget* Page(int i) const { return pages_[i]; }
    int Count() const { return static_cast<int>(pages_.size()); }

    int Current() const;
    void SetCurrent(int i);
    QTabBar* Bar() const { return bar_; }

signals:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowCurrentPage(int index);
    void Relayout();
    QRect PanelRect() const;

    Strip strip_;
    QTabBar* bar_;
    std::vector<QWidget*> pages_;
};
