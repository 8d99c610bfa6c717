#pragma once
// Test networks described by their topology: series R-L-C branches between
// nodes and meshes as oriented branch lists. From these the loop-matrix and
// branch-current definitions are derived the way a user would write them.

#include <vector>

#include "circuit.h"

struct NetBranch {
    int from, to;  // node numbers; node 0 is the reference
    double R, L, C;
};

struct LoopTerm {
    int branch;  // 1-based
    int dir;     // +1: the loop current runs from → to through the branch
};

struct Network {
    int nodes = 0;
    std::vector<NetBranch> branches;           // branch b is branches[b - 1]
    std::vector<std::vector<LoopTerm>> loops;  // loop k is loops[k - 1]
    // Branch 1 lies in loop 1 alone, in its direction; the source sits in
    // series with it.
};

// Orientation of branch b in loop k: +1, -1 or 0.
int Orientation(const Network& net, int loop, int branch);

// Sets the counts, initialises the circuit, stores R, L, C and enters every
// matrix-element and branch-current definition as the user would enter it.
void LoadNetwork(Circuit& c, const Network& net);

// Bridge: 3 loops, 6 branches. Grid: 4 loops, 12 branches, one mesh turned
// the other way so that some mutual terms count with +. Ladder: 5 loops,
// 15 branches.
Network BridgeNetwork();
Network GridNetwork();
Network LadderNetwork();
