#include "platform/draw_surface.h"

#include "calc/number_text.h"

void DrawSurface::PrintNumber(double v) { Print(QString::fromStdString(FmtNum(v)) + QLatin1Char(' ')); }

void DrawSurface::PrintNumber(float v) { Print(QString::fromStdString(FmtNum(v)) + QLatin1Char(' ')); }
