// The four-lane analysis in plain C++, for any processor: each operation is
// a loop over the lanes, which the compiler turns into what vector
// instructions the target has.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "lanes_kernel.h"

namespace {

struct PortableLanes {
    double v[lanes::kWidth];

    // A lane is flagged where it is NaN; a sum of flags is flagged where
    // any of them is.
    struct Mask {
        double flags[lanes::kWidth];
        friend Mask operator|(const Mask& a, const Mask& b)
        {
            Mask m;
            for (int l = 0; l < lanes::kWidth; ++l) m.flags[l] = a.flags[l] + b.flags[l];
            return m;
        }
    };

    template <class Op>
    static PortableLanes Each(Op op)
    {
        PortableLanes r;
        for (int l = 0; l < lanes::kWidth; ++l) r.v[l] = op(l);
        return r;
    }
    template <class Test>
    static Mask Flag(Test test)
    {
        Mask m;
        for (int l = 0; l < lanes::kWidth; ++l) m.flags[l] = test(l) ? std::numeric_limits<double>::quiet_NaN() : 0.0;
        return m;
    }

    static PortableLanes All(double x)
    {
        return Each([&](int) { return x; });
    }
    static PortableLanes Load(const double* p)
    {
        return Each([&](int l) { return p[l]; });
    }
    void Store(double* p) const { std::copy(v, v + lanes::kWidth, p); }

    friend PortableLanes operator+(const PortableLanes& a, const PortableLanes& b)
    {
        return Each([&](int l) { return a.v[l] + b.v[l]; });
    }
    friend PortableLanes operator-(const PortableLanes& a, const PortableLanes& b)
    {
        return Each([&](int l) { return a.v[l] - b.v[l]; });
    }
    friend PortableLanes operator*(const PortableLanes& a, const PortableLanes& b)
    {
        return Each([&](int l) { return a.v[l] * b.v[l]; });
    }
    friend PortableLanes operator/(const PortableLanes& a, const PortableLanes& b)
    {
        return Each([&](int l) { return a.v[l] / b.v[l]; });
    }
    static PortableLanes Sqrt(const PortableLanes& a)
    {
        return Each([&](int l) { return std::sqrt(a.v[l]); });
    }
    static PortableLanes Squared(const PortableLanes& a)
    {
        return Each([&](int l) { return std::pow(a.v[l], 2.0); });
    }
    static PortableLanes Size(const PortableLanes& re, const PortableLanes& im)
    {
        return Each([&](int l) { return std::max(std::fabs(re.v[l]), std::fabs(im.v[l])); });
    }

    static Mask NoLanes()
    {
        return Flag([](int) { return false; });
    }
    // x − x is 0 while x is finite and NaN otherwise.
    static Mask NotFinite(const PortableLanes& a)
    {
        Mask m;
        for (int l = 0; l < lanes::kWidth; ++l) m.flags[l] = a.v[l] - a.v[l];
        return m;
    }
    static Mask Less(const PortableLanes& a, const PortableLanes& b)
    {
        return Flag([&](int l) { return a.v[l] < b.v[l]; });
    }
    static Mask Immoderate(const PortableLanes& a)
    {
        return Flag([&](int l) {
            const double size = std::fabs(a.v[l]);
            const bool large = !(size < 0x1p511);
            return large | ((size < 0x1p-511) & (size > 0));
        });
    }
    static unsigned Lanes(const Mask& m)
    {
        unsigned lanes = 0;
        for (int l = 0; l < lanes::kWidth; ++l) lanes |= (m.flags[l] != 0 ? 1u : 0u) << l;
        return lanes;
    }
};

}  // namespace

void lanes::AnalysePortable(const Problem& problem, const double* frequencies, size_t blocks, double* results,
                            uint8_t* redo)
{
    AnalyseBlocks<PortableLanes>(problem, frequencies, blocks, results, redo);
}
