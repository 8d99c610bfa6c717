#include "print/page_geometry.h"

#include <cmath>

#include "calc/checked.h"

namespace {

// Products are formed in extended precision and rounded once when stored.
float BlockY(float D, long double yu)
{
    return static_cast<float>(static_cast<long double>(D) * (155.0L / 160.0L) * (yu / 155.0L));
}

float BlockX(float D, long double xu)
{
    return static_cast<float>(static_cast<long double>(D) * xu / 160.0L);
}

}  // namespace

PaperMetrics MeasurePaper(float pageWmm, float pageHmm, float areaW, float areaH)
{
    PaperMetrics p;
    p.PageWmm = pageWmm;
    p.PageHmm = pageHmm;
    p.PrnAreaW = areaW;
    p.PrnAreaH = areaH;
    p.PrnOffX = (pageWmm - areaW) / 2;
    p.PrnOffY = (pageHmm - areaH) / 2;
    p.MinMarX = static_cast<int16_t>(std::floor(checked::Chk(p.PrnOffX + 0.5)));
    p.MinMarY = static_cast<int16_t>(std::floor(checked::Chk(p.PrnOffY + 0.5)));
    return p;
}

float LayoutWidth(float pageWmm, const Margins& m)
{
    return pageWmm - static_cast<float>(m.MarL) - static_cast<float>(m.MarR);
}

FrameCorners Frames(float D)
{
    FrameCorners f;
    f.MagFrmX1 = BlockX(D, 10);
    f.MagFrmY1 = BlockY(D, 20);
    f.MagFrmX2 = D;
    f.MagFrmY2 = BlockY(D, 80);
    f.PhFrmX1 = BlockX(D, 10);
    f.PhFrmY1 = BlockY(D, 85);
    f.PhFrmX2 = D;
    f.PhFrmY2 = BlockY(D, 145);
    return f;
}

double TitleTop(float D)
{
    return static_cast<double>(D) * (150.0 / 160.0) * (8.0 / 150.0);
}

ScaleCorners PrinterScale(const PaperMetrics& p, const Margins& m)
{
    const int16_t left = static_cast<int16_t>(p.MinMarX - m.MarL);
    const int16_t top = static_cast<int16_t>(p.MinMarY - m.MarT);
    return {static_cast<double>(left), static_cast<double>(top),
            static_cast<double>(p.PageWmm - p.MinMarX - 1 - m.MarL),
            static_cast<double>(p.PageHmm - p.MinMarY - 1 - m.MarT)};
}

ScaleCorners PictureScale(const PaperMetrics& p, const Margins& m)
{
    return {static_cast<double>(-m.MarL), static_cast<double>(-m.MarT),
            static_cast<double>(p.PageWmm - m.MarL - 1), static_cast<double>(p.PageHmm - m.MarT - 1)};
}

ScaleCorners ClipScale(const PaperMetrics& p, const Margins& m)
{
    return {static_cast<double>(-m.MarL), 0, static_cast<double>(p.PageWmm - m.MarL - 1),
            static_cast<double>(LayoutWidth(p.PageWmm, m)) * kBlockAspect};
}
