#pragma once
// Where everything of the main window stands, in twips. Positions are
// relative to the control that holds them: the window, the page tabs, a
// frame, or the impedance or current tabs.

#include <array>

#include "platform/twips.h"

namespace layout {

using twips::Box;

inline constexpr Box kClient{0, 0, 15270, 11040};
inline constexpr Box kPageTabs{0, -30, 15240, 10980};

// Calculation page (tab 0 of the page tabs).
inline constexpr Box kTitle{3720, 105, 6165, 360};
inline constexpr Box kStateFrame{885, 510, 4155, 2865};
inline constexpr Box kSampleFrame{5955, 435, 4500, 3120};
inline constexpr Box kCommandFrame{11055, 840, 3705, 2145};
inline constexpr Box kImpedanceTabs{330, 3675, 6165, 4305};
inline constexpr Box kMatrixHeading{8400, 3630, 5235, 345};
inline constexpr Box kInputImpedanceFrame{330, 8145, 6180, 990};
inline constexpr Box kVoltageFrame{330, 9360, 6180, 990};
inline constexpr Box kCurrentTabs{6810, 7170, 8310, 3480};

// The sample-circuit picture inside its frame, in logical pixels.
inline constexpr int kSamplePictureLeft = 15, kSamplePictureTop = 28;

// Inside the state frame. The captions' width follows their text, up to the
// control at their right; a height given centres the text in it.
inline constexpr Box kEmfCaption{270, 1365, 1095, 0};
inline constexpr Box kFrequencyCaption{270, 2100, 1095, 0};
inline constexpr Box kLoopCountCaption{270, 645, 1185, 0};
inline constexpr Box kBranchCountCaption{2250, 645, 780, 0};
inline constexpr Box kLoopCount{1455, 570, 660, 405};
inline constexpr Box kBranchCount{3030, 570, 840, 405};
inline constexpr Box kEmfField{1365, 1290, 1200, 420};
inline constexpr Box kFrequencyField{1365, 2025, 1200, 420};
inline constexpr Box kEmfUnit{2610, 1305, 960, 345};
inline constexpr Box kFrequencyUnit{2610, 2040, 960, 345};

// Inside the command frame.
inline constexpr Box kCalculateButton{240, 450, 1425, 435};
inline constexpr Box kFrequencyButton{240, 1350, 1425, 435};
inline constexpr Box kClearButton{2055, 450, 1425, 435};
inline constexpr Box kQuitButton{2055, 1350, 1425, 435};

// Branch impedance rows inside the impedance tabs: row r of a tab at
// kImpRowTop + kImpRowStep × r.
inline constexpr Box kImpedanceHeading{1875, 540, 0, 0};
inline constexpr int kImpRowTop = 1005, kImpRowStep = 630;
inline constexpr Box kElementButton{645, 0, 705, 375};
inline constexpr Box kImpedanceRe{1350, 0, 1200, 405};
inline constexpr Box kPlusJ{2565, 0, 585, 405};
inline constexpr Box kImpedanceIm{3165, 0, 1200, 405};
inline constexpr Box kImpedanceUnit{4380, 0, 960, 345};

// Loop-matrix buttons on the calculation page: columns k, rows j.
inline constexpr std::array<int, 5> kMatrixColumns = {7275, 8790, 10305, 11865, 13350};
inline constexpr std::array<int, 5> kMatrixRows = {4095, 4665, 5295, 5910, 6540};
inline constexpr int kMatrixButtonWidth = 1335, kMatrixButtonHeight = 375;
// Their caption face: 8 points for a definition text too long for 10.
inline constexpr double kMatrixPoints = 10, kLongMatrixPoints = 8;

// The brackets around the matrix: vertical stroke x, the ends of the serifs.
inline constexpr int kBracketTop = 3945, kBracketBottom = 7065;
inline constexpr int kLeftBracketX = 7020, kLeftBracketSerifX = 7275;
inline constexpr int kRightBracketX = 14910, kRightBracketSerifX = 14700;

// Branch current rows inside the current tabs: a frame on each tab, rows
// inside it.
inline constexpr Box kCurrentFrame{255, 465, 7785, 2790};
inline constexpr int kCurRowTop = 375, kCurRowStep = 461;
inline constexpr Box kCurrentButton{420, 0, 705, 405};
inline constexpr Box kCurrentDefinition{1140, 0, 1335, 375};
inline constexpr Box kCurrentMagnitude{2505, 0, 1200, 405};
inline constexpr Box kCurrentUnit{3750, 0, 795, 345};
inline constexpr Box kCurrentPhaseCaption{4680, 0, 1050, 405};
inline constexpr Box kCurrentPhase{5745, 0, 1200, 405};
inline constexpr Box kCurrentDegrees{6960, 0, 495, 405};

// Inside the input-impedance frame.
inline constexpr Box kInputImpedanceCaption{555, 375, 0, 405};
inline constexpr Box kInputImpedanceMagnitude{1305, 375, 1200, 405};
inline constexpr Box kInputImpedanceUnit{2535, 405, 960, 345};
inline constexpr Box kInputImpedancePhase{3945, 375, 1200, 405};
inline constexpr Box kInputImpedanceDegrees{5175, 375, 0, 405};

// Inside the branch-voltage frame.
inline constexpr Box kVoltageBranch{165, 345, 1050, 345};
inline constexpr Box kVoltageMagnitude{1245, 330, 1200, 405};
inline constexpr Box kVoltageUnit{2490, 360, 960, 345};
inline constexpr Box kVoltagePhase{3900, 315, 1200, 450};
inline constexpr Box kVoltageDegrees{5130, 330, 0, 405};

// The graph page's panel inside the page tabs.
inline constexpr Box kGraphPage{-60, -15, 15225, 10635};

}  // namespace layout
