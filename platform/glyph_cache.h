#pragma once
// Shaping a text costs far more than drawing its glyphs, and the scales draw
// the same few labels at every redraw. The cache keeps the shaped glyphs of
// the texts drawn on an image, for the painter's font, and draws them again
// with the same pixels as QPainter::drawText.

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QString>

class GlyphCache {
public:
    // Draws the text with its baseline starting at `baseline`, in the
    // painter's font and pen. False, with nothing drawn, where the cache does
    // not apply: on devices other than images at a pixel ratio of 1, and for
    // texts that do not lay out as one line.
    bool Draw(QPainter& painter, const QPointF& baseline, const QString& text);

private:
    struct Shaped {
        QList<QGlyphRun> runs;
        qreal ascent = 0;
        bool oneLine = false;
    };
    const Shaped& ShapedFor(QPainter& painter, const QString& text);

    // Enough for every scale label of the graphs and the page several times.
    static constexpr qsizetype kCapacity = 512;
    QHash<QString, Shaped> shaped_;
    QFont font_;
    const QPaintDevice* device_ = nullptr;
    int dpi_ = 0;
};
