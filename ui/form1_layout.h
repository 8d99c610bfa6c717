#pragma once
// Where everything of the main window stands, in twips. Positions are
// relative to the control that holds them: the window, the main tab control,
// a frame, or a lower tab control.

#include <array>

#include "platform/twips.h"

namespace layout {

using twips::Box;

inline constexpr Box kClient{0, 0, 15270, 11040};
inline constexpr Box kSSTab1{0, -30, 15240, 10980};

// Calculation page (tab 0 of SSTab1).
inline constexpr Box kLabel2{3720, 105, 6165, 360};
inline constexpr Box kFrame3{885, 510, 4155, 2865};
inline constexpr Box kFrame4{5955, 435, 4500, 3120};
inline constexpr Box kFrame2{11055, 840, 3705, 2145};
inline constexpr Box kSSTab3{330, 3675, 6165, 4305};
inline constexpr Box kLabel6{8400, 3630, 5235, 345};
inline constexpr Box kFrame5{330, 8145, 6180, 990};
inline constexpr Box kFrame13{330, 9360, 6180, 990};
inline constexpr Box kSSTab2{6810, 7170, 8310, 3480};

// The sample-circuit picture inside Frame4, in logical pixels.
inline constexpr int kImage1Left = 15, kImage1Top = 28;

// Inside Frame3: Label1(0 … 3) positions (their width follows their text;
// a height given centres the text in it).
inline constexpr std::array<Box, 4> kLabel1 = {{{270, 1365, 0, 0}, {270, 2100, 0, 0}, {270, 645, 0, 0}, {2250, 645, 0, 0}}};
inline constexpr std::array<Box, 2> kCombo3 = {{{1455, 570, 660, 405}, {3030, 570, 840, 405}}};
inline constexpr std::array<Box, 2> kText1 = {{{1365, 1290, 1200, 420}, {1365, 2025, 1200, 420}}};
inline constexpr std::array<Box, 2> kCombo1 = {{{2610, 1305, 960, 345}, {2610, 2040, 960, 345}}};

// Inside Frame2, by Command1 index.
inline constexpr std::array<Box, 4> kCommand1 = {
    {{240, 450, 1425, 435}, {240, 1350, 1425, 435}, {2055, 450, 1425, 435}, {2055, 1350, 1425, 435}}};

// Branch impedance rows inside SSTab3: row r of a tab at kRowTop + kRowStep × r.
inline constexpr Box kLabel5{1875, 540, 0, 0};
inline constexpr int kImpRowTop = 1005, kImpRowStep = 630;
inline constexpr Box kCommand2{645, 0, 705, 375};
inline constexpr Box kLabel3Real{1350, 0, 1200, 405};
inline constexpr Box kLabel4{2565, 0, 585, 405};
inline constexpr Box kLabel3Imag{3165, 0, 1200, 405};
inline constexpr Box kCombo2{4380, 0, 960, 345};

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

// Branch current rows inside SSTab2: Frame1(t) on each tab, rows inside it.
inline constexpr Box kFrame1{255, 465, 7785, 2790};
inline constexpr int kCurRowTop = 375, kCurRowStep = 461;
inline constexpr Box kCommand4{420, 0, 705, 405};
inline constexpr Box kLabel7{1140, 0, 1335, 375};
inline constexpr Box kLabel8{2505, 0, 1200, 405};
inline constexpr Box kCombo4{3750, 0, 795, 345};
inline constexpr Box kLabel9{4680, 0, 1050, 405};
inline constexpr Box kLabel10{5745, 0, 1200, 405};
inline constexpr Box kLabel11{6960, 0, 495, 405};

// Inside Frame5: Label12(0 … 3) and Combo5.
inline constexpr std::array<Box, 4> kLabel12 = {
    {{555, 375, 0, 405}, {1305, 375, 1200, 405}, {3945, 375, 1200, 405}, {5175, 375, 0, 405}}};
inline constexpr Box kCombo5{2535, 405, 960, 345};

// Inside Frame13: Combo6(1, 2) and Label13(1 … 3); element 0 is unused.
inline constexpr std::array<Box, 3> kCombo6 = {{{0, 0, 0, 0}, {165, 345, 1050, 345}, {2490, 360, 960, 345}}};
inline constexpr std::array<Box, 4> kLabel13 = {
    {{0, 0, 0, 0}, {1245, 330, 1200, 405}, {3900, 315, 1200, 450}, {5130, 330, 0, 405}}};

// The graph page's panel inside SSTab1.
inline constexpr Box kPicture17{-60, -15, 15225, 10635};

}  // namespace layout
