#include "print/report_page.h"

#include <algorithm>

#include "document/language.h"
#include "platform/draw_surface.h"
#include "platform/font_names.h"
#include "print/print_texts.h"
#include "print/report_content.h"

namespace {

// Text sizes in points at full size, and lengths in page units of 1/160 of
// the width between the margins.
constexpr double kTitlePoints = 18;
constexpr double kHeadingPoints = 11.5;
constexpr double kBodyPoints = 10.5;
constexpr double kBlockGapUnits = 4;   // between the parts of the page
constexpr double kColumnGapUnits = 3;  // between a table's columns
constexpr double kSideGapUnits = 8;    // between the element table and the matrix beside it
constexpr double kDrawingUnits = 70;   // the height the drawing may take

enum class Face { Title, Heading, Body };

// One pass over the page from its top at text scale k: measures, and draws
// when asked. Every length scales with k.
class ReportFlow {
public:
    ReportFlow(DrawSurface& s, const PrintState& prt, const ReportContent& content, const ReportDrawing& drawing,
               double width)
        : s_(s), prt_(prt), c_(content), drawing_(drawing), width_(width), u_(width / 160)
    {
    }

    // The size the page takes.
    QSizeF Run(double k, bool draw, bool matrixBeside)
    {
        k_ = k;
        draw_ = draw;
        y_ = 0;
        widest_ = 0;
        Head();
        Drawing();
        Use(Face::Body);
        Text(0, y_, c_.source);
        y_ += Line() + Gap(kBlockGapUnits);
        Definitions(matrixBeside);
        y_ += Gap(kBlockGapUnits);
        Results();
        return {widest_, y_};
    }

private:
    double Gap(double units) const { return units * u_ * k_; }
    double Line() const { return s_.TextHeight(QStringLiteral("Z")); }

    void Use(Face face)
    {
        static constexpr double kPoints[] = {kTitlePoints, kHeadingPoints, kBodyPoints};
        s_.SetFontName(QString::fromUtf8(face == Face::Title ? kFaceMinchoNoSpace : kFacePGothic));
        s_.SetFontItalic(face == Face::Title);
        s_.SetFontBold(face == Face::Heading);
        s_.SetFontSize(prt_.fontScale * kPoints[static_cast<int>(face)] * k_);
    }

    void Text(double x, double y, const QString& text)
    {
        widest_ = std::max(widest_, x + s_.TextWidth(text));
        if (!draw_) return;
        s_.MoveTo(x, y);
        s_.Print(text);
    }

    double Widest(const std::vector<QString>& texts) const
    {
        double w = 0;
        for (const QString& t : texts) w = std::max(w, s_.TextWidth(t));
        return w;
    }

    std::vector<double> ColumnWidths(const ReportTable& table) const
    {
        std::vector<double> widths;
        for (size_t c = 0; c < table.headings.size(); ++c) {
            std::vector<QString> cells{table.headings[c]};
            for (const auto& row : table.rows) cells.push_back(row[c]);
            widths.push_back(Widest(cells));
        }
        return widths;
    }

    double TableWidth(const ReportTable& table) const
    {
        double w = 0;
        for (double c : ColumnWidths(table)) w += c + Gap(kColumnGapUnits);
        return w - Gap(kColumnGapUnits);
    }

    // Headings over a rule, then a row per line; the rows' height.
    double Table(double x, double top, const ReportTable& table)
    {
        const std::vector<double> widths = ColumnWidths(table);
        const auto row = [&](double y, const std::vector<QString>& cells) {
            double at = x;
            for (size_t c = 0; c < cells.size(); ++c) {
                const bool right = c < table.numbers.size() && table.numbers[c];
                Text(right ? at + widths[c] - s_.TextWidth(cells[c]) : at, y, cells[c]);
                at += widths[c] + Gap(kColumnGapUnits);
            }
        };
        row(top, table.headings);
        const double rule = top + Line();
        if (draw_) s_.Line(x, rule, x + TableWidth(table), rule);
        double y = rule + Gap(0.5);
        for (const auto& cells : table.rows) {
            row(y, cells);
            y += Line();
        }
        return y - top;
    }

    void Head()
    {
        Use(Face::Title);
        const QString title = Tr(prtext::kReportTitle);
        Text((width_ - s_.TextWidth(title)) / 2, y_, title);
        y_ += Line();
        Use(Face::Body);
        Text(0, y_, c_.file);
        Text(width_ - s_.TextWidth(c_.date), y_, c_.date);
        y_ += Line() + Gap(kBlockGapUnits);
    }

    // Centred, as large as fits in the width and the drawing's height.
    void Drawing()
    {
        if (!drawing_.paint || drawing_.size.isEmpty()) return;
        const double room = kDrawingUnits * u_ * k_;
        const double scale = std::min(width_ / drawing_.size.width(), room / drawing_.size.height());
        const double w = drawing_.size.width() * scale, h = drawing_.size.height() * scale;
        if (draw_) s_.PaintInto((width_ - w) / 2, y_, (width_ + w) / 2, y_ + h, drawing_.size, drawing_.paint);
        y_ += h + Gap(kBlockGapUnits);
    }

    // The element table, and the matrix beside it or below it in as many
    // columns as fit.
    void Definitions(bool matrixBeside)
    {
        Use(Face::Heading);
        Text(0, y_, Tr(prtext::kReportElements));
        const double headed = y_ + Line();
        Use(Face::Body);
        const double tableWidth = TableWidth(c_.elements);
        const double tableHeight = Table(0, headed, c_.elements);
        const double matrixLeft = matrixBeside ? tableWidth + Gap(kSideGapUnits) : 0;
        double top = y_;
        if (!matrixBeside) top = headed + tableHeight + Gap(kBlockGapUnits);
        Use(Face::Heading);
        Text(matrixLeft, top, Tr(prtext::kReportMatrix));
        top += Line();
        Use(Face::Body);
        const double column = Widest(c_.matrix) + Gap(kSideGapUnits);
        const int columns =
            matrixBeside ? 1 : std::max(1, static_cast<int>((width_ - matrixLeft + Gap(kSideGapUnits)) / column));
        const int rows = static_cast<int>((c_.matrix.size() + columns - 1) / columns);
        for (size_t i = 0; i < c_.matrix.size(); ++i)
            Text(matrixLeft + column * static_cast<double>(i / rows), top + Line() * static_cast<double>(i % rows),
                 c_.matrix[i]);
        y_ = std::max(headed + tableHeight, top + Line() * rows);
    }

    void Results()
    {
        Use(Face::Heading);
        Text(0, y_, Tr(prtext::kReportResults));
        y_ += Line();
        Use(Face::Body);
        if (c_.failure) {
            Text(0, y_, *c_.failure);
            y_ += Line();
            return;
        }
        y_ += Table(0, y_, *c_.results);
        Text(0, y_, c_.inputImpedance);
        y_ += Line();
    }

    DrawSurface& s_;
    const PrintState& prt_;
    const ReportContent& c_;
    const ReportDrawing& drawing_;
    double width_, u_;
    double k_ = 1;
    bool draw_ = false;
    double y_ = 0;
    double widest_ = 0;
};

// The largest text scale up to 1 at which the page fits. Text does not
// scale quite in proportion on a coarse picture, so the scale is narrowed
// until it does.
double FittingScale(ReportFlow& flow, bool matrixBeside, double width, double height)
{
    constexpr int kTries = 8;
    constexpr double kSpare = 0.99;
    double k = 1;
    for (int i = 0; i < kTries; ++i) {
        const QSizeF size = flow.Run(k, false, matrixBeside);
        const double over = std::max(size.width() / width, size.height() / height);
        if (over <= 1) break;
        k *= kSpare / over;
    }
    return k;
}

}  // namespace

// The matrix goes beside the element table unless below it the page's text
// can be larger.
void DrawReportPage(const PrintState& prt, DrawSurface& picture, const CircuitReport& report)
{
    DrawSurface& s = *prt.surface;
    const double width = LayoutWidth(prt.paper.paperWidthMm, prt.margins);
    const double height = prt.paper.paperHeightMm - prt.margins.top - prt.margins.bottom;
    if (!prt.forClipboard) {
        picture.SetDotted(true);
        picture.Rect(0, 0, width, height);
        picture.SetDotted(false);
    }
    const ReportContent content = ContentOf(report);
    ReportFlow flow(s, prt, content, report.drawing, width);
    const double beside = FittingScale(flow, true, width, height);
    const double below = FittingScale(flow, false, width, height);
    flow.Run(std::max(beside, below), true, beside >= below);
    s.SetFontBold(false);
}
