#pragma once
// The example circuits shipped with Brivel: installed in share/brivel/examples
// beside the program's bin folder, or in the source tree's examples/ for a
// program run from its build tree.

#include <QFileInfoList>

// The examples by name; none when neither folder exists.
QFileInfoList ExampleFiles();
