#pragma once
// The five picture boxes of the graphs, as drawing surfaces: the magnitude and
// phase graphs, the frequency label strip below them and the level label
// strips beside them.

#include <array>

#include "platform/draw_surface.h"

// The two graphs, and the controls that come in a pair, one beside each.
enum class Graph { Magnitude, Phase };
inline constexpr std::array<Graph, 2> kGraphs{Graph::Magnitude, Graph::Phase};
constexpr int IndexOf(Graph graph) { return static_cast<int>(graph); }
constexpr Graph OtherGraph(Graph graph) { return graph == Graph::Magnitude ? Graph::Phase : Graph::Magnitude; }

struct GraphBoxes {
    DrawSurface& magnitudeGraph;
    DrawSurface& phaseGraph;
    DrawSurface& frequencyScale;
    DrawSurface& magnitudeScale;
    DrawSurface& phaseScale;
};

inline void ClearGraphBoxes(GraphBoxes& b)
{
    b.magnitudeGraph.Clear();
    b.phaseGraph.Clear();
    b.frequencyScale.Clear();
    b.magnitudeScale.Clear();
    b.phaseScale.Clear();
}
