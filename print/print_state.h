#pragma once
// The state of the printing module. It lives with the preview window, which
// is only hidden when closed, so it persists until the program ends.

#include <cstdint>

#include <QString>

#include "print/page_geometry.h"

class DrawSurface;

struct PrintState {
    DrawSurface* PrtSurf = nullptr;  // where the page is drawn: printer or Picture1
    PaperMetrics paper;               // measured once, when the preview window loads
    Margins mar;                      // copied from the spinners before each preview
    float FontRatio = 0;              // printer text width / preview text width
    float FontScale = 0;              // 1 on the printer, FontRatio on the preview
    FrameCorners frm;
    int16_t ClipMode = 0;             // 1 while the page is drawn for the clipboard
    QString PageTitle;                // keeps its last value between pages
    float TitleW = 0, TitleX = 0;
};
