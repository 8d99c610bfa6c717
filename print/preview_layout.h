#pragma once
// Positions of the preview window's controls in twips: left, top, width,
// height. Controls inside a frame are placed relative to that frame.

#include "platform/twips.h"

namespace preview_layout {

inline constexpr int kClientWidth = 12630;
inline constexpr int kClientHeight = 8535;
inline constexpr int kPicture1Left = 255;
inline constexpr int kPicture1Top = 0;
inline constexpr double kCaptionPoints = 9;

inline constexpr twips::Box kFrame4{8790, 2130, 3690, 3135};  // "余白サイズ"
inline constexpr twips::Box kFrame1{8805, 6180, 1500, 1635};  // set-up and print
inline constexpr twips::Box kFrame2{10875, 6165, 1500, 810};  // clipboard
inline constexpr twips::Box kFrame3{10875, 7020, 1500, 810};  // close

inline constexpr twips::Box kPrViewCmd{9435, 390, 1200, 495};
inline constexpr twips::Box kPrtSetCmd{150, 300, 1200, 495};   // in Frame1
inline constexpr twips::Box kPrtCmd{135, 900, 1200, 495};      // in Frame1
inline constexpr twips::Box kClpCpyCmd{150, 210, 1200, 495};   // in Frame2
inline constexpr twips::Box kPrgEndCmd{135, 210, 1200, 495};   // in Frame3

// One margin's caption, mirror text box and spinner inside Frame4, by the
// index of the margin: 0 left, 1 right, 2 top, 3 bottom. The four groups sit
// like the edges of a sheet.
struct MarginControls {
    twips::Box label, text, spinner;
};
inline constexpr MarginControls kMarginControls[4] = {
    {{75, 1425, 1215, 315}, {1275, 1290, 495, 480}, {1800, 1230, 240, 660}},
    {{1605, 1950, 1215, 315}, {2820, 1830, 495, 480}, {3345, 1740, 240, 660}},
    {{540, 510, 1215, 315}, {1695, 420, 495, 480}, {2250, 345, 240, 660}},
    {{510, 2430, 1215, 315}, {1665, 2340, 495, 480}, {2220, 2250, 240, 660}},
};

}  // namespace preview_layout
