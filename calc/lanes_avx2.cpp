// The four-lane analysis in AVX2 instructions. This source alone is
// compiled for processors with AVX2 and is called only where the processor
// has it; it therefore uses nothing but intrinsics and the library's pow,
// which no other source could have emitted in its own instructions.

#include <immintrin.h>

#include <cmath>

#include "lanes_kernel.h"

namespace {

struct Avx2Lanes {
    __m256d v;

    // A lane is flagged where any of its bits is set.
    struct Mask {
        __m256d bits;
        friend Mask operator|(const Mask& a, const Mask& b) { return {_mm256_or_pd(a.bits, b.bits)}; }
    };

    static Avx2Lanes All(double x) { return {_mm256_set1_pd(x)}; }
    static Avx2Lanes Load(const double* p) { return {_mm256_loadu_pd(p)}; }
    void Store(double* p) const { _mm256_storeu_pd(p, v); }

    friend Avx2Lanes operator+(const Avx2Lanes& a, const Avx2Lanes& b) { return {_mm256_add_pd(a.v, b.v)}; }
    friend Avx2Lanes operator-(const Avx2Lanes& a, const Avx2Lanes& b) { return {_mm256_sub_pd(a.v, b.v)}; }
    friend Avx2Lanes operator*(const Avx2Lanes& a, const Avx2Lanes& b) { return {_mm256_mul_pd(a.v, b.v)}; }
    friend Avx2Lanes operator/(const Avx2Lanes& a, const Avx2Lanes& b) { return {_mm256_div_pd(a.v, b.v)}; }
    static Avx2Lanes Sqrt(const Avx2Lanes& a) { return {_mm256_sqrt_pd(a.v)}; }
    static Avx2Lanes Squared(const Avx2Lanes& a)
    {
        alignas(32) double x[lanes::kWidth];
        _mm256_store_pd(x, a.v);
        for (double& lane : x) lane = std::pow(lane, 2.0);
        return {_mm256_load_pd(x)};
    }
    static __m256d Abs(__m256d a) { return _mm256_andnot_pd(_mm256_set1_pd(-0.0), a); }
    static Avx2Lanes Size(const Avx2Lanes& re, const Avx2Lanes& im) { return {_mm256_max_pd(Abs(re.v), Abs(im.v))}; }

    static Mask NoLanes() { return {_mm256_setzero_pd()}; }
    // x − x is +0 while x is finite and NaN otherwise.
    static Mask NotFinite(const Avx2Lanes& a) { return {_mm256_sub_pd(a.v, a.v)}; }
    static Mask Less(const Avx2Lanes& a, const Avx2Lanes& b) { return {_mm256_cmp_pd(a.v, b.v, _CMP_LT_OQ)}; }
    static Mask Immoderate(const Avx2Lanes& a)
    {
        const __m256d size = Abs(a.v);
        const __m256d large = _mm256_cmp_pd(size, _mm256_set1_pd(0x1p511), _CMP_NLT_UQ);
        const __m256d tiny = _mm256_and_pd(_mm256_cmp_pd(size, _mm256_set1_pd(0x1p-511), _CMP_LT_OQ),
                                           _mm256_cmp_pd(size, _mm256_setzero_pd(), _CMP_GT_OQ));
        return {_mm256_or_pd(large, tiny)};
    }
    // Set bits make the lane unequal to 0 (a NaN is unequal to everything).
    static unsigned Lanes(const Mask& m)
    {
        return static_cast<unsigned>(_mm256_movemask_pd(_mm256_cmp_pd(m.bits, _mm256_setzero_pd(), _CMP_NEQ_UQ)));
    }
};

}  // namespace

void lanes::AnalyseAvx2(const Problem& problem, const double* frequencies, size_t blocks, double* results,
                        uint8_t* redo)
{
    AnalyseBlocks<Avx2Lanes>(problem, frequencies, blocks, results, redo);
}
