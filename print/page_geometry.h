#pragma once
// Page geometry in millimetres and page units. Page unit 0 is the corner where
// the left and top margins meet; one unit is slightly more than 1 mm. The
// page block is 160 u wide and 155 u high with u = D / 160, where D is the
// width between the side margins; its height follows its width only.

#include <cstddef>
#include <cstdint>

// The paper as the printer reports it, measured once.
struct PaperMetrics {
    float paperWidthMm = 0, paperHeightMm = 0;
    float printableWidthMm = 0, printableHeightMm = 0;
    float unprintableLeftMm = 0, unprintableTopMm = 0;  // the strip at the left / top edge
    int16_t minSideMargin = 0, minTopBottomMargin = 0;
};

// The unprintable border is taken to be the same on opposite edges.
PaperMetrics MeasurePaper(float paperWidthMm, float paperHeightMm, float printableWidthMm, float printableHeightMm);

// The four margins in millimetres.
struct Margins {
    int16_t left = 0, right = 0, top = 0, bottom = 0;
};

struct FrameCorners {
    float magnitudeLeft = 0, magnitudeTop = 0, magnitudeRight = 0, magnitudeBottom = 0;
    float phaseLeft = 0, phaseTop = 0, phaseRight = 0, phaseBottom = 0;
};

// A user coordinate system given by its top-left and bottom-right corners.
struct ScaleCorners {
    double left = 0, top = 0, right = 0, bottom = 0;
};

inline constexpr int16_t kMaxMargin = 50;
// Height of the page block over its width (155 u / 160 u).
inline constexpr double kBlockAspect = 155.0 / 160.0;

// D = paper width − left margin − right margin.
float LayoutWidth(float paperWidthMm, const Margins& m);
// The level frame spans 10 … 160 u × 20 … 80 u, the phase frame 10 … 160 u × 85 … 145 u.
FrameCorners Frames(float D);
// Top of the title text: 8 u.
double TitleTop(float D);

// The printer's origin is the corner of its printable area; this puts page
// unit 0 at the left margin from the left edge of the paper and the top
// margin from its top.
ScaleCorners PrinterScale(const PaperMetrics& p, const Margins& m);
// The whole preview picture is the whole sheet.
ScaleCorners PictureScale(const PaperMetrics& p, const Margins& m);
// A legend below the phase frame and its frequency labels, from 157 u: a
// title row, then its entries kLegendColumns to a row across the frames'
// width, each row 6 u high. Rows for the entries: none without entries.
inline constexpr int kLegendColumns = 4;
int LegendRows(size_t entries);
double LegendTop(float D);
double LegendRowHeight(float D);

// The clipboard picture: the page block from its top to its bottom, across
// the whole sheet, since the unit lines of the scales start at the sheet's
// left edge and the last frequency label reaches into the right margin; with
// `legendRows` rows of legend, down to their end.
ScaleCorners ClipScale(const PaperMetrics& p, const Margins& m, int legendRows = 0);
