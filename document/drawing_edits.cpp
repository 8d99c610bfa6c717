#include "drawing_edits.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace {

int HighestNumber(const Diagram& diagram)
{
    int highest = 0;
    for (const Segment& s : diagram.segments)
        if (s.kind == SegmentKind::Branch) highest = std::max(highest, s.number);
    return highest;
}

std::set<int> NumbersOf(const std::vector<Segment>& segments)
{
    std::set<int> numbers;
    for (const Segment& s : segments)
        if (s.kind == SegmentKind::Branch) numbers.insert(s.number);
    return numbers;
}

bool Vertical(const Segment& s) { return s.from.x == s.to.x; }

GridPoint UpperEnd(const Segment& s) { return std::min(s.from, s.to); }

}  // namespace

int NextBranchNumber(const Diagram& diagram) { return HighestNumber(diagram) + 1; }

NumberedDrawing WithoutSegments(const Diagram& diagram, const std::vector<int>& places)
{
    const std::set<int> removedPlaces(places.begin(), places.end());
    NumberedDrawing result;
    std::vector<Segment> removed;
    for (int i = 0; i < static_cast<int>(diagram.segments.size()); ++i)
        (removedPlaces.count(i) ? removed : result.diagram.segments).push_back(diagram.segments[i]);

    const std::set<int> staying = NumbersOf(result.diagram.segments);
    std::set<int> gone;
    for (int n : NumbersOf(removed))
        if (n >= 1 && !staying.count(n)) gone.insert(n);
    const auto below = [&gone](int n) { return static_cast<int>(std::distance(gone.begin(), gone.lower_bound(n))); };

    for (Segment& s : result.diagram.segments)
        if (s.kind == SegmentKind::Branch && s.number >= 1) s.number -= below(s.number);
    for (int n = 1; n <= HighestNumber(diagram); ++n)
        if (!gone.count(n)) result.previous.push_back(n);
    result.previous.resize(static_cast<size_t>(HighestNumber(result.diagram)));
    return result;
}

NumberedDrawing NumberedInReadingOrder(const Diagram& diagram)
{
    std::vector<int> branches;
    for (int i = 0; i < static_cast<int>(diagram.segments.size()); ++i)
        if (diagram.segments[i].kind == SegmentKind::Branch) branches.push_back(i);
    const auto key = [&diagram](int i) {
        const Segment& s = diagram.segments[i];
        return std::make_tuple(UpperEnd(s), !Vertical(s), s.number, i);
    };
    std::sort(branches.begin(), branches.end(), [&key](int a, int b) { return key(a) < key(b); });

    NumberedDrawing result{diagram, {}};
    for (int i : branches) {
        result.previous.push_back(diagram.segments[i].number);
        result.diagram.segments[i].number = static_cast<int>(result.previous.size());
    }
    return result;
}

Diagram Moved(const Diagram& diagram, const std::vector<int>& places, GridPoint by)
{
    Diagram moved = diagram;
    for (int i : std::set<int>(places.begin(), places.end())) {
        Segment& s = moved.segments.at(i);
        s.from = {s.from.x + by.x, s.from.y + by.y};
        s.to = {s.to.x + by.x, s.to.y + by.y};
    }
    return moved;
}

Diagram Reversed(const Diagram& diagram, int place)
{
    Diagram reversed = diagram;
    Segment& s = reversed.segments.at(place);
    std::swap(s.from, s.to);
    return reversed;
}

std::vector<int> SegmentsThrough(const Diagram& diagram, GridPoint point)
{
    std::vector<int> through;
    for (int i = 0; i < static_cast<int>(diagram.segments.size()); ++i) {
        const Segment& s = diagram.segments[i];
        const GridPoint low = std::min(s.from, s.to), high = std::max(s.from, s.to);
        const bool onLine = (s.from.x == s.to.x && point.x == s.from.x) || (s.from.y == s.to.y && point.y == s.from.y);
        if ((onLine && low <= point && point <= high) || point == s.from || point == s.to) through.push_back(i);
    }
    return through;
}
