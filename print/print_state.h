#pragma once
// The state of the printing module. It lives with the preview window, which
// is only hidden when closed, so it persists until the program ends.

#include <QString>

#include "print/page_geometry.h"

class DrawSurface;

struct PrintState {
    DrawSurface* surface = nullptr;  // where the page is drawn: printer or preview picture
    PaperMetrics paper;              // measured once, when the preview window loads
    Margins margins;                 // copied from the spinners before each preview
    float fontRatio = 0;             // printer text width / preview text width
    float fontScale = 0;             // 1 on the printer, fontRatio on the preview
    FrameCorners frames;
    bool forClipboard = false;  // while the page is drawn for the clipboard
    int legendRows = 0;         // of the legend the page's sweep has
    QString pageTitle;          // keeps its last value between pages
    float titleWidth = 0, titleLeft = 0;
};
