#include <QString>

#include "graph/graph_state.h"
#include "platform/draw_surface.h"
#include "platform/font_names.h"
#include "print/page_drawer.h"
#include "print/print_texts.h"

void PageDrawer::DrawHead()
{
    DrawSurface& s = surf();
    const float D = LayoutWidth(prt_.paper.PageWmm, prt_.mar);

    s.SetFontName(QString::fromUtf8(kFaceMinchoNoSpace));
    s.SetFontSize(prt_.FontScale * 20.0f);
    s.SetFontItalic(true);
    const auto quantity = static_cast<size_t>(g_.quantity);
    if (quantity < std::size(prtext::kTitles)) prt_.PageTitle = QString::fromUtf8(prtext::kTitles[quantity]);
    prt_.TitleW = static_cast<float>(s.TextWidth(prt_.PageTitle));
    prt_.TitleX = (D - prt_.TitleW) / 2;
    s.SetCurrentX(prt_.TitleX);
    s.SetCurrentY(TitleTop(D));
    s.Print(prt_.PageTitle);
    s.SetFontItalic(false);

    // The area inside the four margins, for the eye only: never printed or copied.
    if (prt_.ClipMode == 0) {
        picture_.SetDotted(true);
        picture_.Rect(0, 0, D, prt_.paper.PageHmm - prt_.mar.MarT - prt_.mar.MarB);
        picture_.SetDotted(false);
    }

    prt_.frm = Frames(D);
    const FrameCorners& f = prt_.frm;
    s.Rect(f.MagFrmX1, f.MagFrmY1, f.MagFrmX2, f.MagFrmY2);
    s.Rect(f.PhFrmX1, f.PhFrmY1, f.PhFrmX2, f.PhFrmY2);

    s.SetFontName(QString::fromUtf8(kFacePGothic));
    s.SetFontSize(prt_.FontScale * 12.0f);
}
