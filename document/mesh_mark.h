#pragma once
// Where a mesh's current is drawn: a curved arrow inside the mesh's window,
// around the point of the window farthest from its boundary.

#include "meshes.h"

struct MeshMark {
    // In grid units, on the half grid.
    double x = 0, y = 0;
    // The distance from there to the nearest boundary, branches sticking
    // into the window included.
    double room = 0;
    bool clockwise = true;  // as seen on the screen
};

MeshMark MeshMarkOf(const Mesh& mesh);
