#include <cmath>

#include <gtest/gtest.h>

#include "graph/readout_text.h"
#include "tests/support/qstring_printer.h"

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

TEST(ReadoutText, FrequencyInHertzKiloAndMega)
{
    EXPECT_EQ(FrequencyReadout(3.5), " 3.2KHz");
    EXPECT_EQ(FrequencyReadout(2), " 100Hz");
    EXPECT_EQ(FrequencyReadout(-1.5), " 0Hz");  // .0316 rounds to 0
    EXPECT_EQ(FrequencyReadout(-0.5), " .3Hz");
    EXPECT_EQ(FrequencyReadout(3), " 1KHz");
    EXPECT_EQ(FrequencyReadout(6), " 1MHz");
    EXPECT_EQ(FrequencyReadout(8.25), " 177.8MHz");
}

TEST(ReadoutText, ImpedanceUnitsFollowTheNumberWithoutASpace)
{
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::InputImpedance, 2), U(" 100Ω"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::InputImpedance, 3), U(" 1ＫΩ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::InputImpedance, 6.5), U(" 3.2ＭΩ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::InputImpedance, 10), U(" 10ＧΩ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::InputImpedance, -1), U(" .1Ω"));
}

TEST(ReadoutText, CurrentAndVoltageUnits)
{
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchCurrent, std::log10(4e-8)), U(" 0μＡ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchCurrent, std::log10(2.5e-5)), U(" 25μＡ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchCurrent, -3), U(" 1ｍＡ"));  // 10^-3 in 32 bits is not below the bound
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchCurrent, 0), U(" 1Ａ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchCurrent, 3.5), U(" 3.2ＫＡ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchVoltage, -4), U(" 100μＶ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchVoltage, -1), U(" 100ｍＶ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchVoltage, 2), U(" 100Ｖ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchVoltage, 4), U(" 10ＫＶ"));
}

TEST(ReadoutText, PhaseKeepsItsSign)
{
    EXPECT_EQ(PhaseReadout(-45.26), U("-45.3°"));
    EXPECT_EQ(PhaseReadout(30), U(" 30°"));
    EXPECT_EQ(PhaseReadout(0.04), U(" 0°"));
    EXPECT_EQ(PhaseReadout(-200.05), U("-200°"));
}

}  // namespace
