#include "tab_control.h"

#include "page_strip.h"
#include "platform/shown_text.h"

#include <QPainter>
#include <QTabBar>

TabControl::TabControl(Strip strip, QWidget* parent) : QWidget(parent), strip_(strip), bar_(new PageStrip(this))
{
    bar_->setExpanding(true);
    bar_->setDrawBase(false);
    bar_->setShape(strip == Strip::Top ? QTabBar::RoundedNorth : QTabBar::RoundedSouth);
    connect(bar_, &QTabBar::currentChanged, this, [this](int index) {
        ShowCurrentPage(index);
        emit currentChanged(index);
    });
}

QWidget* TabControl::AddTab(const char* caption)
{
    auto* page = new QWidget(this);
    pages_.push_back(page);
    const int index = bar_->addTab(QString());
    ShowText(page, caption, [this, index](const QString& shown) { bar_->setTabText(index, shown); });
    page->setVisible(bar_->currentIndex() == Count() - 1);
    Relayout();
    bar_->raise();
    return page;
}

int TabControl::Current() const { return bar_->currentIndex(); }

void TabControl::SetCurrent(int i) { bar_->setCurrentIndex(i); }

void TabControl::ShowCurrentPage(int index)
{
    for (int i = 0; i < Count(); ++i) pages_[i]->setVisible(i == index);
    bar_->raise();
}

QRect TabControl::PanelRect() const
{
    const int h = bar_->height();
    return strip_ == Strip::Top ? rect().adjusted(0, h, 0, 0) : rect().adjusted(0, 0, 0, -h);
}

void TabControl::resizeEvent(QResizeEvent*) { Relayout(); }

void TabControl::Relayout()
{
    const int h = bar_->sizeHint().height();
    bar_->setGeometry(0, strip_ == Strip::Top ? 0 : height() - h, width(), h);
    for (QWidget* page : pages_) page->setGeometry(rect());
}

// A raised panel edge: light at the top and left, dark at the bottom and right.
void TabControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = PanelRect().adjusted(0, 0, -1, -1);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}
