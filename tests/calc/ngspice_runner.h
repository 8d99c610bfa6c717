#pragma once
// ngspice's AC analysis of a network given by its topology, as the oracle
// of the calculation. ngspice uses the exact 2π, so each analysis runs at
// f × 6.283184 / 2π to meet Brivel's ω = f × 6.283184. The source sits in
// series with branch 1.

#include <complex>
#include <vector>

#include "network.h"

struct NgspiceSolution {
    std::vector<std::complex<double>> current, voltage;  // index b − 1, from → to
};

// One solution per frequency; empty, with a test failure added, when
// ngspice gave none.
std::vector<NgspiceSolution> RunNgspice(const Network& net, double emf, const std::vector<double>& frequencies);
