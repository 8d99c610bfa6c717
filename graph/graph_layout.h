#pragma once
// Where the controls of the graph page sit, in twips, each relative to its
// container, and their colours.

#include <array>

#include <QColor>

#include "platform/twips.h"

namespace graph_layout {

using twips::Box;

// The page itself (the panel Picture17 of the graph tab).
inline constexpr int kPageWidth = 15225;
inline constexpr int kPageHeight = 10635;

// Graphs, label strips and titles, index 0 magnitude, 1 phase.
inline constexpr std::array<Box, 2> kImpGrf{{{1590, 825, 9825, 4485}, {1590, 5310, 9825, 4440}}};
inline constexpr std::array<Box, 2> kImpScl{{{1110, 825, 495, 4485}, {1110, 5310, 495, 4440}}};
inline constexpr Box kFrqScl{1590, 9765, 9825, 375};
inline constexpr std::array<Box, 2> kGfTitl{{{750, 825, 375, 975}, {750, 5310, 375, 975}}};
inline constexpr std::array<Box, 2> kFreq{{{11445, 2355, 1335, 375}, {11445, 7710, 1335, 375}}};
inline constexpr std::array<Box, 2> kImpDp{{{11445, 2715, 1335, 375}, {11445, 8070, 1335, 375}}};

// Frames on the page.
inline constexpr Box kFrame6{1110, -120, 4050, 930};     // plotted quantity
inline constexpr Box kFrame9{5430, -120, 5970, 930};     // branches
inline constexpr Box kFrame10{11610, -120, 3375, 1500};  // commands
inline constexpr Box kFrame12{11685, 3450, 1395, 3960};  // position
inline constexpr Box kFrame11{13380, 3450, 1395, 3960};  // range

// Inside Frame6.
inline constexpr std::array<Box, 3> kOption3{{{120, 255, 1170, 495}, {1440, 255, 1170, 495}, {2760, 255, 1170, 495}}};

// Inside Frame9: Check1(1 … 8) on the upper row, Check1(9 … 15) below.
inline constexpr std::array<int, 8> kCheckLefts{75, 818, 1561, 2304, 3047, 3790, 4533, 5280};
inline constexpr int kCheckUpperTop = 210;
inline constexpr int kCheckLowerTop = 570;
inline constexpr int kCheckWidth = 615;
inline constexpr int kCheckHeight = 315;
inline constexpr int kChecksPerRow = 8;

// Inside Frame10.
inline constexpr Box kOldDtDsp{285, 330, 1110, 435};
inline constexpr Box kFrqPrn{2040, 315, 1110, 435};
inline constexpr Box kRetCmd{975, 885, 1560, 495};

// Inside Frame12.
inline constexpr std::array<Box, 2> kImpVpos{{{285, 315, 855, 375}, {285, 675, 855, 375}}};
inline constexpr std::array<Box, 2> kHPos{{{330, 1470, 375, 855}, {705, 1470, 375, 855}}};
inline constexpr std::array<Box, 2> kPhVpos{{{285, 2925, 855, 375}, {285, 3285, 855, 375}}};

// Inside Frame11: two borderless inner frames of two options each; the upper
// holds Option2(1) over Option2(0), the lower Option1(0) over Option1(1).
inline constexpr Box kVertRangeFrame{210, 600, 975, 975};
inline constexpr Box kHorizRangeFrame{210, 2160, 975, 975};
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

// Fonts, points.
inline constexpr double kScaleFontPoints = 9.75;
inline constexpr double kTitleFontPoints = 14.25;
inline constexpr double kReadoutFontPoints = 11.25;
inline constexpr double kOptionFontPoints = 9.75;
inline constexpr double kCheckFontPoints = 8.25;
inline constexpr double kCommandFontPoints = 8.25;
inline constexpr double kFrameFontPoints = 8.25;

}  // namespace graph_layout
