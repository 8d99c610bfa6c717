#pragma once
// Waiting for a widget's next paint event, for the benchmarks that time a
// change up to the repainted window.

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <functional>

// Makes the change, then processes events until the widget has painted.
inline void UntilPainted(QWidget& w, const std::function<void()>& change)
{
    class PaintWatch : public QObject {
    public:
        explicit PaintWatch(QWidget& w) { w.installEventFilter(this); }
        bool painted = false;

    protected:
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) painted = true;
            return false;
        }
    } watch(w);
    change();
    while (!watch.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}
