#include "platform/draw_surface.h"

#include "calc/number_text.h"

void DrawSurface::PrintNum(double v) { Print(QString::fromStdString(FmtNum(v)) + QLatin1Char(' ')); }

void DrawSurface::PrintNum(float v) { Print(QString::fromStdString(FmtNum(v)) + QLatin1Char(' ')); }
