#pragma once
// ngspice's AC analysis of a network given by its topology, as the oracle
// of the calculation. ngspice uses the exact 2π, so each analysis runs at
// f × 6.283184 / 2π to meet Brivel's ω = f × 6.283184. The source sits in
// series with branch 1.

#include <complex>
#include <string>
#include <vector>

#include "network.h"

struct NgspiceSolution {
    std::vector<std::complex<double>> current, voltage;  // index b − 1, from → to
};

// One solution per frequency; empty, with a test failure added, when
// ngspice gave none.
std::vector<NgspiceSolution> RunNgspice(const Network& net, double emf, const std::vector<double>& frequencies);

// The rows `ngspice -b` prints for the .print of a netlist run as it is: the
// frequency, then the printed values. Empty, with a test failure added, when
// ngspice exits with a status other than 0 or prints no table.
std::vector<std::vector<double>> RunNgspicePrint(const std::string& netlist);
