#include <cmath>

#include <gtest/gtest.h>

#include "graph/readout_text.h"
#include "document/qstring_utf8.h"
#include "tests/support/qstring_printer.h"

namespace {

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
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::InputImpedance, 2), U8(" 100Ω"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::InputImpedance, 3), U8(" 1ＫΩ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::InputImpedance, 6.5), U8(" 3.2ＭΩ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::InputImpedance, 10), U8(" 10ＧΩ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::InputImpedance, -1), U8(" .1Ω"));
}

TEST(ReadoutText, CurrentAndVoltageUnits)
{
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchCurrent, std::log10(4e-8)), U8(" 0μＡ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchCurrent, std::log10(2.5e-5)), U8(" 25μＡ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchCurrent, -3),
              U8(" 1ｍＡ"));  // 10^-3 in 32 bits is not below the bound
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchCurrent, 0), U8(" 1Ａ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchCurrent, 3.5), U8(" 3.2ＫＡ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchVoltage, -4), U8(" 100μＶ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchVoltage, -1), U8(" 100ｍＶ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchVoltage, 2), U8(" 100Ｖ"));
    EXPECT_EQ(MagnitudeReadout(PlottedQuantity::BranchVoltage, 4), U8(" 10ＫＶ"));
}

TEST(ReadoutText, PhaseKeepsItsSign)
{
    EXPECT_EQ(PhaseReadout(-45.26), U8("-45.3°"));
    EXPECT_EQ(PhaseReadout(30), U8(" 30°"));
    EXPECT_EQ(PhaseReadout(0.04), U8(" 0°"));
    EXPECT_EQ(PhaseReadout(-200.05), U8("-200°"));
}

}  // namespace
