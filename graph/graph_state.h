#pragma once
// The state of the frequency-characteristics graphs: spans, scale bounds,
// position steps, plotted quantity, the kept-curve recording and the branch
// colours. Lives in the main window for the whole run; the graph page and
// the printed page read and write it.

#include <array>
#include <cstdint>
#include <string>

struct GraphState {
    static constexpr int KeptSize = 551;  // indices 0 … 550, 0 unused

    int16_t HSpanSel = 1;   // 0: 2 frequency decades, 1: 4
    int16_t VSpanSel = 0;   // 0: 6 level decades, 1: 4
    double HGridOrg = 0;
    float HDecades = 4;
    double MagGridOrg = 0;
    float MagDecades = 6;
    double PhGridOrg = 0;
    float PhDivs = 6;
    std::string FrqLbl;

    double SwpStart = 100, SwpEnd = 0, SwpStep = 0;
    double ZAxMin = 1, ZAxMax = 0;
    double IAxMin = 0.001, IAxMax = 0;
    double VAxMin = 0.001, VAxMax = 0;
    double PhAxMin = -90, PhAxMax = 0;

    // Position steps; each always changes together with its bound above.
    int16_t HPosIdx = 5, ZPosIdx = 3, IPosIdx = 6, VPosIdx = 6, PhPosIdx = 10;

    int16_t GrfQty = 0;  // 0 input impedance, 1 branch currents, 2 branch voltages

    // Recording of the input-impedance curve in log10 coordinates.
    int16_t KeptOn = 0;
    int16_t KeptCnt = 0;
    std::array<float, KeptSize> KeptLgF{}, KeptLgMag{}, KeptPh{};

    // Curve colour of branch b, packed red + 256 × green + 65536 × blue.
    std::array<int32_t, 16> BrColor{};
};
