#include "diagram_check.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "diagram_texts.h"
#include "document/language.h"
#include "document/qstring_utf8.h"

namespace {

const char* MessageOf(DiagramFault fault)
{
    using namespace diagram_text;
    switch (fault) {
    case DiagramFault::ZeroLength: return kZeroLength;
    case DiagramFault::Diagonal: return kDiagonal;
    case DiagramFault::NoSource: return kNoSource;
    case DiagramFault::SeveralSources: return kSeveralSources;
    case DiagramFault::BranchCount: return kBranchCount;
    case DiagramFault::BranchNumbers: return kBranchNumbers;
    case DiagramFault::Crossing: return kCrossing;
    case DiagramFault::EndOnBranch: return kEndOnBranch;
    case DiagramFault::SeveralPieces: return kSeveralPieces;
    case DiagramFault::WireRing: return kWireRing;
    case DiagramFault::SourceNotOuter: return kSourceNotOuter;
    case DiagramFault::NoImpedance: return kNoImpedance;
    case DiagramFault::LoopCount: return kLoopCount;
    }
    return kNoSource;
}

const char* MessageOf(DiagramNotice notice)
{
    using namespace diagram_text;
    switch (notice) {
    case DiagramNotice::UnjoinedWireEnd: return kUnjoinedWireEnd;
    case DiagramNotice::BranchWithoutCurrent: return kBranchWithoutCurrent;
    case DiagramNotice::ShortedBranch: return kShortedBranch;
    }
    return kUnjoinedWireEnd;
}

std::string WithPlace(std::string message, GridPoint place)
{
    return message + Std(Tr(diagram_text::kAtPlace)) + PlaceText(place);
}

std::vector<const Segment*> OfKind(const Diagram& diagram, SegmentKind kind)
{
    std::vector<const Segment*> found;
    for (const Segment& s : diagram.segments)
        if (s.kind == kind) found.push_back(&s);
    // In reading order of their ends, whatever the order they are listed in.
    std::sort(found.begin(), found.end(), [](const Segment* a, const Segment* b) {
        return std::tie(a->from, a->to) < std::tie(b->from, b->to);
    });
    return found;
}

std::optional<DiagramRefusal> ShapeFault(const Diagram& diagram)
{
    std::vector<DiagramRefusal> faults;
    for (const Segment& s : diagram.segments) {
        if (s.from == s.to)
            faults.push_back({DiagramFault::ZeroLength, s.from});
        else if (s.from.x != s.to.x && s.from.y != s.to.y)
            faults.push_back({DiagramFault::Diagonal, s.from});
    }
    return FirstByPlace(faults);
}

std::optional<DiagramRefusal> SourceFault(const Diagram& diagram)
{
    const std::vector<const Segment*> sources = OfKind(diagram, SegmentKind::Source);
    if (sources.empty()) return DiagramRefusal{DiagramFault::NoSource, std::nullopt};
    if (sources.size() > 1) return DiagramRefusal{DiagramFault::SeveralSources, sources[1]->from};
    return std::nullopt;
}

std::optional<DiagramRefusal> BranchCountFault(const std::vector<const Segment*>& branches)
{
    constexpr int kMinBranches = 2, kMaxBranches = 15;
    const int n = static_cast<int>(branches.size());
    if (n >= kMinBranches && n <= kMaxBranches) return std::nullopt;
    if (n == 0) return DiagramRefusal{DiagramFault::BranchCount, std::nullopt};
    // Too many: the branch with the highest number is the one to remove.
    const Segment* shown = *std::max_element(branches.begin(), branches.end(), [](const Segment* a, const Segment* b) {
        return a->number < b->number;
    });
    return DiagramRefusal{DiagramFault::BranchCount, shown->from};
}

std::optional<DiagramRefusal> NumberFault(const std::vector<const Segment*>& branches)
{
    const int n = static_cast<int>(branches.size());
    std::map<int, int> seen;
    std::vector<DiagramRefusal> faults;
    for (const Segment* b : branches)
        if (b->number < 1 || b->number > n || seen[b->number]++ > 0)
            faults.push_back({DiagramFault::BranchNumbers, b->from});
    return FirstByPlace(faults);
}

}  // namespace

std::string PlaceText(GridPoint place)
{
    return "(" + std::to_string(place.x) + "," + std::to_string(place.y) + ")";
}

std::string RefusalText(const DiagramRefusal& refusal)
{
    const std::string message = Std(Tr(MessageOf(refusal.fault)));
    return refusal.place ? WithPlace(message, *refusal.place) : message;
}

std::string WarningText(const DiagramWarning& warning)
{
    std::string message = Std(Tr(MessageOf(warning.notice)));
    if (const size_t at = message.find("%1"); at != std::string::npos)
        message.replace(at, 2, std::to_string(warning.branch));
    return WithPlace(message, warning.place);
}

std::optional<DiagramRefusal> FirstByPlace(const std::vector<DiagramRefusal>& faults)
{
    if (faults.empty()) return std::nullopt;
    return *std::min_element(faults.begin(), faults.end(), [](const DiagramRefusal& a, const DiagramRefusal& b) {
        return std::tie(a.place, a.fault) < std::tie(b.place, b.fault);
    });
}

std::optional<DiagramRefusal> CheckSegments(const Diagram& diagram)
{
    if (auto fault = ShapeFault(diagram)) return fault;
    if (auto fault = SourceFault(diagram)) return fault;
    const std::vector<const Segment*> branches = OfKind(diagram, SegmentKind::Branch);
    if (auto fault = BranchCountFault(branches)) return fault;
    return NumberFault(branches);
}
