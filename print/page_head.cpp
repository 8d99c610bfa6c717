#include <QString>

#include "document/language.h"
#include "sweep/graph_state.h"
#include "platform/draw_surface.h"
#include "platform/font_names.h"
#include "print/page_drawer.h"
#include "print/print_texts.h"

void PageDrawer::DrawHead()
{
    DrawSurface& s = surf();
    const float D = LayoutWidth(prt_.paper.paperWidthMm, prt_.margins);

    s.SetFontName(QString::fromUtf8(kFaceMinchoNoSpace));
    s.SetFontSize(prt_.fontScale * 20.0f);
    s.SetFontItalic(true);
    const auto quantity = static_cast<size_t>(g_.quantity);
    if (quantity < std::size(prtext::kTitles)) prt_.pageTitle = Tr(prtext::kTitles[quantity]);
    prt_.titleWidth = static_cast<float>(s.TextWidth(prt_.pageTitle));
    prt_.titleLeft = (D - prt_.titleWidth) / 2;
    s.MoveTo(prt_.titleLeft, TitleTop(D));
    s.Print(prt_.pageTitle);
    s.SetFontItalic(false);

    // The area inside the four margins, for the eye only: never printed or copied.
    if (!prt_.forClipboard) {
        picture_.SetDotted(true);
        picture_.Rect(0, 0, D, prt_.paper.paperHeightMm - prt_.margins.top - prt_.margins.bottom);
        picture_.SetDotted(false);
    }

    prt_.frames = Frames(D);
    const FrameCorners& f = prt_.frames;
    s.Rect(f.magnitudeLeft, f.magnitudeTop, f.magnitudeRight, f.magnitudeBottom);
    s.Rect(f.phaseLeft, f.phaseTop, f.phaseRight, f.phaseBottom);

    s.SetFontName(QString::fromUtf8(kFacePGothic));
    s.SetFontSize(prt_.fontScale * 12.0f);
}
