#include "network.h"

#include <stdexcept>

#include "analysis.h"
#include "tests/support/sample_circuits.h"

int Orientation(const Network& net, int loop, int branch)
{
    for (const LoopTerm& t : net.loops[loop - 1])
        if (t.branch == branch) return t.dir;
    return 0;
}

namespace {

// Every node of a mesh must be entered as often as it is left.
void RequireClosedLoops(const Network& net)
{
    for (const auto& loop : net.loops) {
        std::vector<int> balance(net.nodes, 0);
        for (const LoopTerm& t : loop) {
            const NetBranch& b = net.branches[t.branch - 1];
            balance[b.from] -= t.dir;
            balance[b.to] += t.dir;
        }
        for (int v : balance)
            if (v != 0) throw std::logic_error("test network: a loop is not closed");
    }
}

void DefineMatrix(Circuit& c, const Network& net)
{
    const int n = c.LoopCnt;
    for (int j = 1; j <= n; ++j) {
        for (int k = j; k <= n; ++k) {
            Marks marks(sample::kMatrixPlaces, 0);
            bool any = false;
            for (int b = 1; b <= c.BrCnt; ++b) {
                const int mark = Orientation(net, j, b) * Orientation(net, k, b);
                marks[b] = static_cast<int16_t>(j == k ? (mark != 0 ? 1 : 0) : mark);
                any = any || mark != 0;
            }
            if (j != k && !any) marks[0] = 1;
            sample::DefineZByMarks(c, 10 * j + k, marks);
        }
    }
}

void DefineCurrents(Circuit& c, const Network& net)
{
    for (int b = 1; b <= c.BrCnt; ++b) {
        Marks marks(sample::kCurrentPlaces, 0);
        for (int k = 1; k <= c.LoopCnt; ++k) marks[k] = static_cast<int16_t>(Orientation(net, k, b));
        SetCurDef(c, b, marks);
    }
}

}  // namespace

void LoadNetwork(Circuit& c, const Network& net)
{
    RequireClosedLoops(net);
    c = sample::Empty(static_cast<int>(net.loops.size()), static_cast<int>(net.branches.size()));
    for (int b = 1; b <= c.BrCnt; ++b) {
        const NetBranch& branch = net.branches[b - 1];
        sample::SetBranch(c, b, {branch.R, branch.L, branch.C});
    }
    DefineMatrix(c, net);
    DefineCurrents(c, net);
}

Network BridgeNetwork()
{
    Network net;
    net.nodes = 4;
    net.branches = {
        {0, 1, 12.0, 2.2e-3, 0},       {1, 2, 47.0, 10e-3, 1e-6},  {1, 3, 33.0, 0, 470e-9},
        {2, 3, 100.0, 4.7e-3, 2.2e-6}, {2, 0, 22.0, 15e-3, 10e-6}, {3, 0, 68.0, 1e-3, 680e-9},
    };
    net.loops = {
        {{1, 1}, {2, 1}, {5, 1}},
        {{3, 1}, {4, -1}, {2, -1}},
        {{4, 1}, {6, 1}, {5, -1}},
    };
    return net;
}

// Nodes of a 3 × 3 grid, row r and column c at 3r + c.
Network GridNetwork()
{
    Network net;
    net.nodes = 9;
    auto node = [](int r, int c) { return 3 * r + c; };
    // Horizontal edges first (branch 1 is the top left one), then vertical.
    const double values[12][3] = {
        {5.0, 1e-3, 0},         {18.0, 3.3e-3, 1e-6},   {27.0, 0, 2.2e-6},      {39.0, 6.8e-3, 330e-9},
        {8.2, 2.7e-3, 4.7e-6},  {56.0, 12e-3, 1.5e-6},  {15.0, 5.6e-3, 680e-9}, {82.0, 1.2e-3, 0},
        {10.0, 8.2e-3, 3.3e-6}, {4.7, 0.47e-3, 220e-9}, {33.0, 22e-3, 10e-6},   {120.0, 3.9e-3, 1e-6},
    };
    int v = 0;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c, ++v)
            net.branches.push_back({node(r, c), node(r, c + 1), values[v][0], values[v][1], values[v][2]});
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c, ++v)
            net.branches.push_back({node(r, c), node(r + 1, c), values[v][0], values[v][1], values[v][2]});
    auto horizontal = [](int r, int c) { return 1 + 2 * r + c; };
    auto vertical = [](int r, int c) { return 7 + 3 * r + c; };
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 2; ++c) {
            const int turn = r == 1 && c == 1 ? -1 : 1;
            net.loops.push_back({{horizontal(r, c), turn},
                                 {vertical(r, c + 1), turn},
                                 {horizontal(r + 1, c), -turn},
                                 {vertical(r, c), -turn}});
        }
    }
    return net;
}

// Rungs from the top nodes t0 … t5 to the reference node; the first four top
// edges are split in two by a middle node each.
Network LadderNetwork()
{
    Network net;
    constexpr int t0 = 1;      // top nodes 1 … 6
    constexpr int middle = 7;  // middle nodes 7 … 10
    net.nodes = 11;
    net.branches.push_back({0, t0, 3.3, 1.5e-3, 0});
    std::vector<std::vector<int>> top(5);
    const double topValues[9][3] = {
        {10.0, 2.2e-3, 4.7e-6}, {4.7, 0, 1e-6},          {22.0, 1e-3, 2.2e-6},
        {6.8, 3.3e-3, 0},       {15.0, 0.68e-3, 680e-9}, {2.2, 4.7e-3, 1.5e-6},
        {33.0, 1.2e-3, 330e-9}, {12.0, 2.7e-3, 3.3e-6},  {18.0, 5.6e-3, 1e-6},
    };
    int v = 0;
    for (int e = 0; e < 5; ++e) {
        const int a = t0 + e;
        const int b = t0 + e + 1;
        if (e < 4) {
            const int m = middle + e;
            net.branches.push_back({a, m, topValues[v][0], topValues[v][1], topValues[v][2]});
            top[e].push_back(static_cast<int>(net.branches.size()));
            ++v;
            net.branches.push_back({m, b, topValues[v][0], topValues[v][1], topValues[v][2]});
        } else {
            net.branches.push_back({a, b, topValues[v][0], topValues[v][1], topValues[v][2]});
        }
        top[e].push_back(static_cast<int>(net.branches.size()));
        ++v;
    }
    const double rungValues[5][3] = {
        {47.0, 10e-3, 2.2e-6}, {27.0, 8.2e-3, 4.7e-6}, {68.0, 3.9e-3, 1e-6},
        {39.0, 15e-3, 470e-9}, {100.0, 6.8e-3, 10e-6},
    };
    std::vector<int> rung;
    for (int r = 0; r < 5; ++r) {
        net.branches.push_back({t0 + r + 1, 0, rungValues[r][0], rungValues[r][1], rungValues[r][2]});
        rung.push_back(static_cast<int>(net.branches.size()));
    }
    for (int k = 0; k < 5; ++k) {
        std::vector<LoopTerm> loop;
        if (k == 0)
            loop.push_back({1, 1});
        else
            loop.push_back({rung[k - 1], -1});
        for (int b : top[k]) loop.push_back({b, 1});
        loop.push_back({rung[k], 1});
        net.loops.push_back(loop);
    }
    return net;
}
