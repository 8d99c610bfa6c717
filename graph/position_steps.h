#pragma once
// The position steps of the graph window and the scale bounds they select.
// A step and its bound always change together.

#include <array>
#include <cstdint>

inline constexpr std::array<double, 8> kSwpStartSteps{0.01, 0.1, 1, 10, 100, 1000, 1e4, 1e5};
inline constexpr std::array<double, 8> kZAxMinSteps{0.01, 0.1, 1, 10, 100, 1000, 1e4, 1e5};
inline constexpr std::array<double, 8> kIVAxMinSteps{1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 0.001, 0.01, 0.1};
inline constexpr int16_t kBoundSteps = 8;
inline constexpr int16_t kPhaseSteps = 13;

constexpr double SwpStartOfStep(int16_t step) { return kSwpStartSteps[step - 1]; }
constexpr double ZAxMinOfStep(int16_t step) { return kZAxMinSteps[step - 1]; }
constexpr double IVAxMinOfStep(int16_t step) { return kIVAxMinSteps[step - 1]; }
constexpr double PhAxMinOfStep(int16_t step) { return -360 + 30 * (step - 1); }

// One step up or down, held within 1 … last.
constexpr int16_t StepUp(int16_t step, int16_t last) { return step < last ? static_cast<int16_t>(step + 1) : last; }
constexpr int16_t StepDown(int16_t step) { return step > 1 ? static_cast<int16_t>(step - 1) : int16_t{1}; }
