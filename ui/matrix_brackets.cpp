#include "matrix_brackets.h"

#include <QPainter>

#include "main_window_layout.h"

namespace {

// Each bracket is three strokes: the vertical and the two serifs.
struct Stroke {
    int x1, y1, x2, y2;
};

constexpr Stroke kStrokes[] = {
    {layout::kLeftBracketX, layout::kBracketTop, layout::kLeftBracketX, layout::kBracketBottom},
    {layout::kLeftBracketX, layout::kBracketTop, layout::kLeftBracketSerifX, layout::kBracketTop},
    {layout::kLeftBracketX, layout::kBracketBottom, layout::kLeftBracketSerifX, layout::kBracketBottom},
    {layout::kRightBracketX, layout::kBracketTop, layout::kRightBracketX, layout::kBracketBottom},
    {layout::kRightBracketSerifX, layout::kBracketTop, layout::kRightBracketX, layout::kBracketTop},
    {layout::kRightBracketSerifX, layout::kBracketBottom, layout::kRightBracketX, layout::kBracketBottom},
};

// The widget reaches this far beyond the strokes, so the pen is not cut.
constexpr int kMargin = 30;
constexpr twips::Box kArea{layout::kLeftBracketX - kMargin, layout::kBracketTop - kMargin,
                           layout::kRightBracketX - layout::kLeftBracketX + 2 * kMargin,
                           layout::kBracketBottom - layout::kBracketTop + 2 * kMargin};

}  // namespace

MatrixBrackets::MatrixBrackets(QWidget* page) : QWidget(page)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(twips::ToRect(kArea));
    lower();
}

void MatrixBrackets::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(Qt::black, 2));
    const QPoint origin = twips::ToPoint(kArea.left, kArea.top);
    for (const Stroke& s : kStrokes)
        p.drawLine(twips::ToPoint(s.x1, s.y1) - origin, twips::ToPoint(s.x2, s.y2) - origin);
}
