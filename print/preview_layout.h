#pragma once
// Positions of the preview window's controls in twips: left, top, width,
// height. Controls inside a frame are placed relative to that frame.

#include "platform/twips.h"

namespace preview_layout {

inline constexpr int kClientWidth = 12630;
inline constexpr int kClientHeight = 8535;
inline constexpr int kPreviewLeft = 255;
inline constexpr int kPreviewTop = 0;
inline constexpr double kCaptionPoints = 9;

inline constexpr twips::Box kMarginFrame{8790, 2130, 3690, 3135};  // "余白サイズ"
inline constexpr twips::Box kPrintFrame{8805, 6180, 1500, 1635};   // set-up and print
inline constexpr twips::Box kCopyFrame{10875, 6165, 1500, 810};
inline constexpr twips::Box kCloseFrame{10875, 7020, 1500, 810};
// The exports, above the margins where the window has room.
inline constexpr twips::Box kExportFrame{8790, 330, 3690, 1560};
// The circuit's page, below the margins.
inline constexpr twips::Box kPrintCircuitBox{8880, 5355, 3600, 330};
inline constexpr twips::Box kCircuitPageBox{8880, 5700, 3600, 330};

inline constexpr twips::Box kPreviewButton{9435, 390, 1200, 495};
inline constexpr twips::Box kPrintSetupButton{150, 300, 1200, 495};  // in the print frame
inline constexpr twips::Box kPrintButton{135, 900, 1200, 495};       // in the print frame
inline constexpr twips::Box kCopyButton{150, 210, 1200, 495};        // in the copy frame
inline constexpr twips::Box kCloseButton{135, 210, 1200, 495};       // in the close frame
inline constexpr twips::Box kSaveVectorButton{195, 300, 3300, 495};  // in the export frame
inline constexpr twips::Box kSaveCsvButton{195, 900, 3300, 495};     // in the export frame

// One margin's caption, mirror field and spinner inside the margin frame, by
// the index of the margin: 0 left, 1 right, 2 top, 3 bottom. The four groups
// sit like the edges of a sheet.
struct MarginControls {
    twips::Box caption, field, spinner;
};
inline constexpr MarginControls kMarginControls[4] = {
    {{75, 1425, 1215, 315}, {1275, 1290, 495, 480}, {1800, 1230, 240, 660}},
    {{1605, 1950, 1215, 315}, {2820, 1830, 495, 480}, {3345, 1740, 240, 660}},
    {{540, 510, 1215, 315}, {1695, 420, 495, 480}, {2250, 345, 240, 660}},
    {{510, 2430, 1215, 315}, {1665, 2340, 495, 480}, {2220, 2250, 240, 660}},
};

}  // namespace preview_layout
