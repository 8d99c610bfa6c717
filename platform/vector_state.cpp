#include "platform/vector_state.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace {

__attribute__((target("avx"))) void ZeroUpper() { _mm256_zeroupper(); }

}  // namespace

UpperVectorStateGuard::~UpperVectorStateGuard()
{
    // The instruction exists only where AVX does, and only there can the
    // state be in use.
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) ZeroUpper();
}

#else

UpperVectorStateGuard::~UpperVectorStateGuard() = default;

#endif
