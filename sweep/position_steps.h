#pragma once
// The position steps of the graph window and the scale bounds they select.
// A step and its bound always change together.

#include <array>
#include <cstdint>

inline constexpr std::array<double, 8> kSweepStartSteps{0.01, 0.1, 1, 10, 100, 1000, 1e4, 1e5};
inline constexpr std::array<double, 8> kImpedanceMinSteps{0.01, 0.1, 1, 10, 100, 1000, 1e4, 1e5};
inline constexpr std::array<double, 8> kCurrentVoltageMinSteps{1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 0.001, 0.01, 0.1};
inline constexpr int16_t kBoundSteps = 8;
inline constexpr int16_t kPhaseSteps = 13;

constexpr double SweepStartOfStep(int16_t step) { return kSweepStartSteps[step - 1]; }
constexpr double ImpedanceMinOfStep(int16_t step) { return kImpedanceMinSteps[step - 1]; }
constexpr double CurrentVoltageMinOfStep(int16_t step) { return kCurrentVoltageMinSteps[step - 1]; }
constexpr double PhaseMinOfStep(int16_t step) { return -360 + 30 * (step - 1); }

// One step up or down, held within 1 … last.
constexpr int16_t StepUp(int16_t step, int16_t last) { return step < last ? static_cast<int16_t>(step + 1) : last; }
constexpr int16_t StepDown(int16_t step) { return step > 1 ? static_cast<int16_t>(step - 1) : int16_t{1}; }

// Which way a position button moves its step.
enum class StepDirection { Down, Up };

constexpr int16_t Stepped(int16_t step, StepDirection direction, int16_t last)
{
    return direction == StepDirection::Up ? StepUp(step, last) : StepDown(step);
}
