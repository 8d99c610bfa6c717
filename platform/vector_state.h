#pragma once
// Some of Qt's raster fills (clearing an image, one-pixel lines) return with
// the upper halves of the AVX registers still in use. Until they are cleared,
// every call from the program's SSE code into the maths library's AVX code
// (log, atan) pays a change of register state that costs far more than the
// call itself, which slows a curve's sweep several times over. The drawing
// surfaces hold this guard while they paint: it clears them however the
// painting ends.
class UpperVectorStateGuard {
public:
    UpperVectorStateGuard() = default;
    UpperVectorStateGuard(const UpperVectorStateGuard&) = delete;
    UpperVectorStateGuard& operator=(const UpperVectorStateGuard&) = delete;
    ~UpperVectorStateGuard();
};
