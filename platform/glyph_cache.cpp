#include "platform/glyph_cache.h"

#include <QTextLayout>

// Under a device pixel ratio drawText places the glyphs at the advances of
// the scaled font, which shaped runs do not have: there it draws itself.
bool GlyphCache::Draw(QPainter& painter, const QPointF& baseline, const QString& text)
{
    const QPaintDevice* device = painter.device();
    if (text.isEmpty() || device->devType() != QInternal::Image || device->devicePixelRatio() != 1) return false;
    const Shaped& shaped = ShapedFor(painter, text);
    if (!shaped.oneLine) return false;
    const QPointF origin(baseline.x(), baseline.y() - shaped.ascent);
    for (const QGlyphRun& run : shaped.runs) painter.drawGlyphRun(origin, run);
    return true;
}

// A line break ends a laid-out line but not drawText's single line, so a
// text that breaks is left to drawText.
const GlyphCache::Shaped& GlyphCache::ShapedFor(QPainter& painter, const QString& text)
{
    const int dpi = painter.device()->logicalDpiY();
    if (painter.device() != device_ || dpi != dpi_ || painter.font() != font_ || shaped_.size() >= kCapacity) {
        shaped_.clear();
        device_ = painter.device();
        dpi_ = dpi;
        font_ = painter.font();
    }
    auto it = shaped_.find(text);
    if (it != shaped_.end()) return *it;
    QTextLayout layout(text, font_, painter.device());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    Shaped shaped;
    shaped.oneLine = layout.lineCount() == 1 && line.textLength() == text.size();
    if (shaped.oneLine) {
        shaped.runs = layout.glyphRuns();
        shaped.ascent = line.ascent();
    }
    return *shaped_.insert(text, std::move(shaped));
}
