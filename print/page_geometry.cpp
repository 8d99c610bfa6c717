#include "print/page_geometry.h"

#include <cmath>

#include "calc/checked.h"

namespace {

// Products are formed in extended precision and rounded once when stored.
float BlockY(float D, long double yu)
{
    return static_cast<float>(static_cast<long double>(D) * (155.0L / 160.0L) * (yu / 155.0L));
}

float BlockX(float D, long double xu) { return static_cast<float>(static_cast<long double>(D) * xu / 160.0L); }

}  // namespace

PaperMetrics MeasurePaper(float paperWidthMm, float paperHeightMm, float printableWidthMm, float printableHeightMm)
{
    PaperMetrics p;
    p.paperWidthMm = paperWidthMm;
    p.paperHeightMm = paperHeightMm;
    p.printableWidthMm = printableWidthMm;
    p.printableHeightMm = printableHeightMm;
    p.unprintableLeftMm = (paperWidthMm - printableWidthMm) / 2;
    p.unprintableTopMm = (paperHeightMm - printableHeightMm) / 2;
    p.minSideMargin = static_cast<int16_t>(std::floor(checked::Chk(p.unprintableLeftMm + 0.5)));
    p.minTopBottomMargin = static_cast<int16_t>(std::floor(checked::Chk(p.unprintableTopMm + 0.5)));
    return p;
}

float LayoutWidth(float paperWidthMm, const Margins& m)
{
    return paperWidthMm - static_cast<float>(m.left) - static_cast<float>(m.right);
}

FrameCorners Frames(float D)
{
    FrameCorners f;
    f.magnitudeLeft = BlockX(D, 10);
    f.magnitudeTop = BlockY(D, 20);
    f.magnitudeRight = D;
    f.magnitudeBottom = BlockY(D, 80);
    f.phaseLeft = BlockX(D, 10);
    f.phaseTop = BlockY(D, 85);
    f.phaseRight = D;
    f.phaseBottom = BlockY(D, 145);
    return f;
}

double TitleTop(float D) { return static_cast<double>(D) * (150.0 / 160.0) * (8.0 / 150.0); }

ScaleCorners PrinterScale(const PaperMetrics& p, const Margins& m)
{
    const int16_t left = static_cast<int16_t>(p.minSideMargin - m.left);
    const int16_t top = static_cast<int16_t>(p.minTopBottomMargin - m.top);
    return {static_cast<double>(left), static_cast<double>(top),
            static_cast<double>(p.paperWidthMm - p.minSideMargin - 1 - m.left),
            static_cast<double>(p.paperHeightMm - p.minTopBottomMargin - 1 - m.top)};
}

ScaleCorners PictureScale(const PaperMetrics& p, const Margins& m)
{
    return {static_cast<double>(-m.left), static_cast<double>(-m.top), static_cast<double>(p.paperWidthMm - m.left - 1),
            static_cast<double>(p.paperHeightMm - m.top - 1)};
}

int LegendRows(size_t entries)
{
    if (entries == 0) return 0;
    return 1 + static_cast<int>((entries + kLegendColumns - 1) / kLegendColumns);
}

double LegendTop(float D) { return static_cast<double>(D) * 157.0 / 160.0; }

double LegendRowHeight(float D) { return static_cast<double>(D) * 6.0 / 160.0; }

ScaleCorners ClipScale(const PaperMetrics& p, const Margins& m, int legendRows)
{
    const float D = LayoutWidth(p.paperWidthMm, m);
    const double bottom =
        legendRows == 0 ? static_cast<double>(D) * kBlockAspect : LegendTop(D) + legendRows * LegendRowHeight(D);
    return {static_cast<double>(-m.left), 0, static_cast<double>(p.paperWidthMm - m.left - 1), bottom};
}
