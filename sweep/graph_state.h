#pragma once
// The state of the frequency-characteristics graphs: spans, scale bounds,
// position steps, plotted quantity, the kept-curve recording and the branch
// colours. Lives in the main window for the whole run; the graph page and
// the printed page read and write it.

#include <array>
#include <cstdint>
#include <string>

enum class PlottedQuantity { InputImpedance, BranchCurrent, BranchVoltage };
enum class FrequencySpan { TwoDecades, FourDecades };
enum class LevelSpan { SixDecades, FourDecades };

// The input-impedance curve of the last sweep in log10 coordinates, kept to be
// drawn again in white over later curves.
struct KeptCurve {
    static constexpr int kSize = 551;  // indices 0 … 550, 0 unused

    bool on = false;  // drawn over the curves, and no longer recorded
    int16_t count = 0;
    std::array<float, kSize> logFrequency{}, logMagnitude{}, phase{};
};

struct GraphState {
    FrequencySpan frequencySpan = FrequencySpan::FourDecades;
    LevelSpan levelSpan = LevelSpan::SixDecades;
    // The grids in decade coordinates: origin and extent of each axis.
    double frequencyGridOrigin = 0;
    float frequencyDecades = 4;
    double magnitudeGridOrigin = 0;
    float magnitudeDecades = 6;
    double phaseGridOrigin = 0;
    float phaseDivisions = 6;
    std::string lastFrequencyLabel;

    double sweepStart = 100, sweepEnd = 0, sweepStep = 0;
    double impedanceAxisMin = 1, impedanceAxisMax = 0;
    double currentAxisMin = 0.001, currentAxisMax = 0;
    double voltageAxisMin = 0.001, voltageAxisMax = 0;
    double phaseAxisMin = -90, phaseAxisMax = 0;

    // Position steps; each always changes together with its bound above.
    int16_t frequencyPosition = 5, impedancePosition = 3, currentPosition = 6, voltagePosition = 6, phasePosition = 10;

    PlottedQuantity quantity = PlottedQuantity::InputImpedance;

    KeptCurve keptCurve;

    // Curve colour of branch b, packed red + 256 × green + 65536 × blue.
    std::array<int32_t, 16> branchColours{};
};
