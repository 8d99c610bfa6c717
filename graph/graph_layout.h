#pragma once
// Where the controls of the graph page sit, in twips, each relative to its
// container, and their colours.

#include <array>

#include <QColor>

#include "platform/twips.h"

namespace graph_layout {

using twips::Box;

// The page itself, the panel of the graph tab.
inline constexpr int kPageWidth = 15225;
inline constexpr int kPageHeight = 10635;

// Graphs, level scales, titles and readouts, by graph: magnitude, phase.
inline constexpr std::array<Box, 2> kGraphs{{{1590, 825, 9825, 4485}, {1590, 5310, 9825, 4440}}};
inline constexpr std::array<Box, 2> kLevelScales{{{1110, 825, 495, 4485}, {1110, 5310, 495, 4440}}};
inline constexpr Box kFrequencyScale{1590, 9765, 9825, 375};
inline constexpr std::array<Box, 2> kTitles{{{750, 825, 375, 975}, {750, 5310, 375, 975}}};
inline constexpr std::array<Box, 2> kFrequencyReadouts{{{11445, 2355, 1335, 375}, {11445, 7710, 1335, 375}}};
inline constexpr std::array<Box, 2> kValueReadouts{{{11445, 2715, 1335, 375}, {11445, 8070, 1335, 375}}};
// The trace marker's readout line, in the strip below the frequency labels
// that nothing else uses, out to the page's right edge: the curve's name,
// then its values.
inline constexpr Box kMarkerName{1590, 10185, 600, 375};
inline constexpr Box kMarkerValues{2190, 10185, 12855, 375};

// Over the readouts, below the commands: the line that says the curves are of
// a circuit changed since.
inline constexpr Box kOutOfDateLine{11610, 1470, 3375, 780};

// Frames on the page.
inline constexpr Box kQuantityFrame{1110, -120, 4050, 930};
inline constexpr Box kBranchFrame{5430, -120, 5970, 930};
inline constexpr Box kCommandFrame{11610, -120, 3375, 1500};
inline constexpr Box kPositionFrame{11685, 3450, 1395, 3960};
inline constexpr Box kRangeFrame{13380, 3450, 1395, 3960};

// Inside the quantity frame: input impedance, branch currents, branch voltages.
inline constexpr std::array<Box, 3> kQuantityOptions{
    {{120, 255, 1170, 495}, {1440, 255, 1170, 495}, {2760, 255, 1170, 495}}};

// Inside the branch frame: branches 1 … 8 on the upper row, 9 … 15 below.
inline constexpr std::array<int, 8> kCheckLefts{75, 818, 1561, 2304, 3047, 3790, 4533, 5280};
inline constexpr int kCheckUpperTop = 210;
inline constexpr int kCheckLowerTop = 570;
inline constexpr int kCheckWidth = 615;
inline constexpr int kCheckHeight = 315;
inline constexpr int kChecksPerRow = 8;

// Inside the command frame; keeping and dropping the kept curve share a place.
inline constexpr Box kKeptCurveButton{285, 330, 1110, 435};
inline constexpr Box kPrintButton{2040, 315, 1110, 435};
inline constexpr Box kReturnButton{975, 885, 1560, 495};

// Inside the position frame, each pair up / down or left / right.
inline constexpr std::array<Box, 2> kMagnitudeButtons{{{285, 315, 855, 375}, {285, 675, 855, 375}}};
inline constexpr std::array<Box, 2> kFrequencyButtons{{{330, 1470, 375, 855}, {705, 1470, 375, 855}}};
inline constexpr std::array<Box, 2> kPhaseButtons{{{285, 2925, 855, 375}, {285, 3285, 855, 375}}};

// Inside the range frame: two borderless inner frames of two options each; the
// upper holds the four-decade level option over the six-decade one, the lower
// the two-decade frequency option over the four-decade one.
inline constexpr Box kLevelRangeFrame{210, 600, 975, 975};
inline constexpr Box kFrequencyRangeFrame{210, 2160, 975, 975};
inline constexpr Box kUpperOption{0, 0, 975, 495};
inline constexpr Box kLowerOption{0, 480, 975, 495};

// Colours.
inline const QColor kPageColour{192, 220, 144};
inline const QColor kGraphBackColour{50, 50, 170};
inline const QColor kStripColour{255, 255, 192};
inline const QColor kReadoutColour{192, 255, 192};
inline const QColor kRangeOptionColour{192, 192, 255};
inline const QColor kQuantityColour{255, 224, 192};
inline const QColor kKeepColour{255, 0, 0};
inline const QColor kDropKeptColour{255, 255, 255};
inline const QColor kPrintColour{128, 255, 128};
inline const QColor kPositionGround{192, 255, 192};
// The readout line on a black ground, where every curve colour reads.
inline const QColor kMarkerLineGround{0, 0, 0};
inline const QColor kMarkerLineText{255, 255, 255};
inline const QColor kOutOfDateText{192, 0, 0};

// Fonts, points.
inline constexpr double kScaleFontPoints = 9.75;
inline constexpr double kTitleFontPoints = 14.25;
inline constexpr double kReadoutFontPoints = 11.25;
inline constexpr double kOptionFontPoints = 9.75;
inline constexpr double kCheckFontPoints = 8.25;
inline constexpr double kCommandFontPoints = 8.25;
inline constexpr double kFrameFontPoints = 8.25;
inline constexpr double kOutOfDateFontPoints = 9.75;

}  // namespace graph_layout
