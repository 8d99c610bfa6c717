#include "circuit.h"

#include <stdexcept>

namespace {

template <typename T>
void Recreate(std::vector<T>& v, int last)
{
    v.assign(static_cast<size_t>(last) + 1, T{});
}

bool CountsInRange(const Circuit& c)
{
    return c.BrCnt >= 2 && c.BrCnt <= Circuit::MaxBranches && c.LoopCnt >= 2 && c.LoopCnt <= Circuit::MaxLoops;
}

template <typename... Vectors>
bool AllHaveSize(size_t size, const Vectors&... v)
{
    return ((v.size() == size) && ...);
}

void RecreateArrays(Circuit& c)
{
    const int nb = c.BrCnt;
    const int nl = c.LoopCnt;
    c.LoopMat.Recreate(nl);
    Recreate(c.BrR, nb);
    Recreate(c.BrL, nb);
    Recreate(c.BrC, nb);
    Recreate(c.BrImp, nb);
    for (int j = 1; j <= Circuit::MaxLoops; ++j)
        for (int k = j; k <= Circuit::MaxLoops; ++k) Recreate(c.ZDef[j][k], nb);
    Recreate(c.LoopCur, nl);
    Recreate(c.BrCur, nb);
    Recreate(c.BrVol, nb);
    for (Marks& def : c.CurDef) Recreate(def, nl);
    Recreate(c.BrCurAbs, nb);
    Recreate(c.BrVolAbs, nb);
}

}  // namespace

void InitCircuitData(Circuit& c)
{
    if (!CountsInRange(c)) throw std::invalid_argument("circuit size out of range (2 … 15 branches, 2 … 5 loops)");
    RecreateArrays(c);

    c.EmfMul = 1;
    c.EmfVal = 1;
    c.Emf = 1;
    c.FrqMul = 1;
    c.FrqVal = 100;
    c.Frq = 100;

    c.ZReg = Complex{};
}

bool ArraysMatchCounts(const Circuit& c)
{
    if (!CountsInRange(c)) return false;
    const size_t nb = static_cast<size_t>(c.BrCnt) + 1;
    const size_t nl = static_cast<size_t>(c.LoopCnt) + 1;
    bool ok = c.LoopMat.Rows() == c.LoopCnt &&
              AllHaveSize(nb, c.BrR, c.BrL, c.BrC, c.BrImp, c.BrCur, c.BrCurAbs, c.BrVol, c.BrVolAbs) &&
              AllHaveSize(nl, c.LoopCur);
    for (int j = 1; j <= Circuit::MaxLoops; ++j)
        for (int k = j; k <= Circuit::MaxLoops; ++k) ok = ok && c.ZDef[j][k].size() == nb;
    for (const Marks& def : c.CurDef) ok = ok && def.size() == nl;
    return ok;
}
