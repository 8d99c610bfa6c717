#pragma once
// The curve colours of the input impedance and the branches.

#include <array>
#include <cstdint>

#include <QColor>

struct GraphState;
struct PlottedCurve;

struct Rgb {
    int r, g, b;
};

// Branch b's colour is element b − 1.
inline constexpr std::array<Rgb, 15> kBranchColours{{
    {255, 160, 0},
    {255, 0, 0},
    {255, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {192, 128, 32},
    {128, 192, 192},
    {176, 176, 255},
    {255, 128, 128},
    {255, 192, 255},
    {0, 255, 192},
    {192, 255, 255},
    {255, 255, 192},
    {192, 192, 128},
    {192, 192, 192},
}};

// The curves of a stepped family, one colour per value, in the order of the
// values: hues far apart and bright enough for the blue graphs, none of them
// the white or cyan of the kept curve.
inline constexpr std::array<Rgb, 12> kFamilyColours{{
    {255, 64, 64},
    {255, 160, 0},
    {255, 255, 0},
    {128, 255, 0},
    {0, 200, 0},
    {0, 255, 160},
    {0, 176, 255},
    {160, 160, 255},
    {200, 96, 255},
    {255, 0, 255},
    {255, 144, 192},
    {192, 160, 96},
}};
inline constexpr size_t kMostFamilyMembers = kFamilyColours.size();

// red + 256 × green + 65536 × blue
constexpr int32_t PackRgb(const Rgb& c) { return c.r + 256 * c.g + 65536 * c.b; }

// Unpacks by masking each byte and dividing it down.
QColor BranchColour(int32_t packed);

// The input impedance's curve on the graphs and the page.
inline const QColor kLiveCurveColour{255, 0, 0};

// The colour of member m of a stepped family.
QColor FamilyColour(int m);

// The colour the curve is drawn in on the graphs.
QColor CurveColour(const PlottedCurve& curve, const GraphState& g);

// Fills the colours of branches 1 … 15 from the table; element 0 stays 0.
void FillBranchColours(GraphState& g);
