// The graphs' menu: the searches that hold the marker at what they find,
// the positions that fit the curves, and the plotted sweep to a CSV file.

#include <cmath>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

#include "document/language.h"
#include "sweep/fitting_positions.h"
#include "graph/graph_page.h"
#include "graph/graph_texts.h"
#include "graph/marker_readout.h"
#include "graph/readout_text.h"
#include "sweep/sweep_table.h"
#include "platform/message_box.h"
#include "platform/picture_box.h"
#include "platform/shown_text.h"
#include "document/qstring_utf8.h"
#include "document/whole_file.h"

namespace {

struct MenuEntry {
    GraphMenuItem item;
    const char* caption;
    bool separatorBefore;
};

constexpr MenuEntry kMenuEntries[kGraphMenuItems] = {
    {GraphMenuItem::Maximum, graph_text::kMenuMaximum, false},
    {GraphMenuItem::Minimum, graph_text::kMenuMinimum, false},
    {GraphMenuItem::HalfPower, graph_text::kMenuHalfPower, false},
    {GraphMenuItem::PhaseZero, graph_text::kMenuPhaseZero, false},
    {GraphMenuItem::Fit, graph_text::kMenuFit, true},
    {GraphMenuItem::SaveCsv, graph_text::kMenuSaveCsv, true},
    {GraphMenuItem::Tune, graph_text::kMenuTune, true},
};

}  // namespace

void GraphPage::BuildGraphMenu()
{
    graphMenu_ = new QMenu(this);
    for (const MenuEntry& entry : kMenuEntries) {
        if (entry.separatorBefore) graphMenu_->addSeparator();
        QAction* action = menuActions_[static_cast<int>(entry.item)] = graphMenu_->addAction(QString());
        ShowText(action, TextRole::Text, entry.caption);
    }
    const auto search = [this](GraphMenuItem item, CurveSearch kind) {
        connect(&MenuAction(item), &QAction::triggered, this, [this, kind] { OnSearch(kind); });
    };
    search(GraphMenuItem::Maximum, CurveSearch::Maximum);
    search(GraphMenuItem::Minimum, CurveSearch::Minimum);
    search(GraphMenuItem::HalfPower, CurveSearch::HalfPower);
    search(GraphMenuItem::PhaseZero, CurveSearch::PhaseZero);
    connect(&MenuAction(GraphMenuItem::Fit), &QAction::triggered, this, &GraphPage::OnFitPositions);
    connect(&MenuAction(GraphMenuItem::SaveCsv), &QAction::triggered, this, &GraphPage::OnSaveCsv);
    connect(&MenuAction(GraphMenuItem::Tune), &QAction::triggered, this, [this] { host_.OpenElementTuning(); });
}

void GraphPage::SetSaveFileChooser(SaveFileChooser chooser) { saveFileChooser_ = std::move(chooser); }

void GraphPage::OnGraphMenuRequested(Graph graph, const QPointF& at)
{
    PictureBox& box = *graphs_[IndexOf(graph)];
    menuGraph_ = graph;
    menuAt_ = box.ToUser(at);
    const bool curves = !CurvesOf(plotted_).empty();
    for (QAction* action : menuActions_) action->setEnabled(curves);
    graphMenu_->popup(box.mapToGlobal(at.toPoint()));
}

void GraphPage::HoldFinding(const PlottedCurve& curve, CurveSearch search, const SearchFinding& finding)
{
    const CurvePoint& point = finding.points.front();
    PlaceMarker(curve, point, search, finding);
    markerHeld_ = true;
    const double y = menuGraph_ == Graph::Phase ? PlottedPhaseOf(*marker_) : std::log10(point.magnitude);
    readoutHeld_[IndexOf(menuGraph_)] = true;
    Held(menuGraph_) = Reading{std::log10(point.frequency), y};
    ShowReading(menuGraph_, Held(menuGraph_));
    ShowReadout(menuGraph_, true);
}

void GraphPage::OnSearch(CurveSearch search)
{
    const std::optional<PlottedCurve> curve =
        marker_ ? marker_->curve : CurveNear(menuGraph_, menuAt_.x(), menuAt_.y());
    if (!curve) return;
    const SearchFinding finding =
        SearchCurve(AnalysedCircuit(plotted_, *curve), plotted_, *curve, search, std::pow(10.0, menuAt_.x()));
    if (finding.points.empty()) {
        ShowMessage(Tr(SearchName(search)) + Tr(graph_text::kNotInSpan), MessageIcon::None, this);
        return;
    }
    HoldFinding(*curve, search, finding);
}

void GraphPage::OnFitPositions()
{
    const FittingPositions positions = FitPositions(plotted_, state_);
    if (positions.magnitude == 0) return;
    ApplyPositions(state_, positions);
    CurrentLevelSpanOption().setChecked(false);
    OnLevelSpanChosen(state_.levelSpan);
    if (state_.keptCurve.on) OnKeepCurve();
    RefreshFreeReadout();
}

void GraphPage::OnSaveCsv()
{
    if (CurvesOf(plotted_).empty()) return;
    const KeptCurve* kept = plotted_.quantity == PlottedQuantity::InputImpedance ? &state_.keptCurve : nullptr;
    const QString table = SweepTableText(plotted_, kept, kCsvSeparator);
    const SaveQuestion question{Tr(graph_text::kMenuSaveCsv),
                                {{U8(graph_text::kCsvFilter), U8(graph_text::kCsvSuffix)}},
                                csvPlace_.Suggestion(host_.CircuitFile())};
    const QString path = saveFileChooser_(this, question);
    if (path.isEmpty()) return;
    if (const std::optional<QString> failure = WriteWholeFile(path, table.toUtf8())) {
        ShowMessage(*failure, MessageIcon::Error, this);
        return;
    }
    csvPlace_.Written(path, host_.CircuitFile());
}
