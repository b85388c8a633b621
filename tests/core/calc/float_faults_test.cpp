// Every overflow, division by zero or invalid operation inside a step, the
// display scaling included, ends the recompute at that step with the
// floating-point error; no "inf" or "nan" ever reaches a label.
#include <functional>

#include "calc/air_coil.h"
#include "calc/al_permeability.h"
#include "calc/catalogue_pages.h"
#include "calc/conversion.h"
#include "calc/copper_resistance.h"
#include "calc/resonance.h"
#include "calc/straight_conductor.h"
#include "calc/unknown_core.h"
#include "calc_test_support.h"
#include "format/wire_gauge.h"

namespace torvex {
namespace {

using namespace calctest;

struct FaultCase {
    const char* name;
    std::function<Outcome()> run;
    std::vector<std::string_view> writtenBefore; // text writes kept before the fault
};

const CatalogueSelection kT50Mix2{7, 2};
const std::vector<std::string_view> kIronUpToLength{"Label9",  "Label12", "Label15", "Label2",
                                                    "Label36", "Label29", "Label21", "Label22"};

UnknownCoreInputs Unknown(std::string al, std::string inductance, int inductanceUnit) {
    UnknownCoreInputs in;
    in.al = std::move(al);
    in.inductance = std::move(inductance);
    in.inductanceUnit = inductanceUnit;
    return in;
}

TEST(FloatingPointFaults, EndTheRecomputeAtTheirStep) {
    const FaultCase cases[] = {
        // A frequency beyond the range once scaled to hertz.
        {"iron, 1e4931 GHz", [] { return RecomputeIronPowder(kT50Mix2, {"10", 1, "1e4931", 3, ""}, kMetric); },
         kIronUpToLength},
        // XL = 2π·f·L overflows although f and L are finite.
        {"iron, 1e4900 H at 1e4900 GHz",
         [] { return RecomputeIronPowder(kT50Mix2, {"1e30", 3, "1e4900", 3, ""}, kMetric); }, kIronUpToLength},
        // A huge negative XL falls into the 1e12 row of the display scaling.
        {"iron, huge negative XL",
         [] { return RecomputeIronPowder(kT50Mix2, {"10", 1, "-1e4920", 3, ""}, kMetric); }, kIronUpToLength},
        {"iron, L2 overflow", [] { return RecomputeIronPowder(kT50Mix2, {"10", 1, "7", 2, "1e2475"}, kMetric); },
         [] {
             auto v = kIronUpToLength;
             v.insert(v.end(), {"Label24", "Label26"});
             return v;
         }()},
        {"unknown core, wire diameter overflows",
         [] {
             UnknownCoreInputs in = Unknown("1", "1", 0);
             in.di = "1e4932";
             return RecomputeUnknownCore(in, kMetric);
         },
         {"Label49"}},
        {"unknown core, L / A overflows", [] { return RecomputeUnknownCore(Unknown("1e-4000", "1e4900", 3), kMetric); },
         {}},
        {"resonance f, 1e-3000 nH with 1e-3000 pF",
         [] { return RecomputeResonantFrequency({"1e-3000", 0, "1e-3000", 0}, kMetric); }, {}},
        {"resonance C, 1e4900 GHz",
         [] { return RecomputeResonantCapacitance({"1", 1, "1e4900", 3}, kMetric); }, {}},
        {"resonance L, 1e4900 GHz",
         [] { return RecomputeResonantInductance({"1", 0, "1e4900", 3}, kMetric); }, {}},
        {"resonance L, division by an underflowed product",
         [] { return RecomputeResonantInductance({"1e-3000", 0, "1e-3000", 0}, kMetric); }, {}},
        {"coil inductance, D / length overflows",
         [] { return RecomputeCoilInductance({"1", "1e4000", "1e-4000"}, kMetric); }, {}},
        {"coil inductance, inches to cm overflow",
         [] { return RecomputeCoilInductance({"1", "1e4932", "1"}, kUs); }, {}},
        {"coil turns, inches to cm overflow",
         [] { return RecomputeCoilTurns({"1", 1, "1", "1e4932"}, kUs); }, {}},
        {"straight conductor, inches to cm overflow",
         [] { return RecomputeStraightConductor({"", kDefaultGaugeIndex, "1e4932", false}, kUs); }, {}},
        {"coil turns, 1e4930 H", [] { return RecomputeCoilTurns({"1e4930", 3, "10", "20"}, kMetric); }, {}},
        {"straight conductor, 4·l / D overflows",
         [] { return RecomputeStraightConductor({"1e-4000", -1, "1e4000", false}, kMetric); }, {}},
        {"AL, turns squared underflow to 0",
         [] { return RecomputeAlPermeability({"1e-3000", "2.5", "", "", "", ""}, kMetric); }, {}},
        {"AL, coating overflows",
         [] { return RecomputeAlPermeability({"10", "2.5", "12.7", "7.15", "4.9", "1e4932"}, kMetric); },
         {"Label4"}},
        {"copper, diameter squared underflows to 0",
         [] { return RecomputeCopperResistance({"1", 0, "1e-3000", -1, "20"}, kMetric); }, {"Label12"}},
        {"copper, huge negative length",
         [] { return RecomputeCopperResistance({"-1e4925", 0, "1", -1, "20"}, kMetric); }, {"Label12"}},
        {"inch to metre, 1e4931 yd", [] { return RecomputeImperialToMetric("1e4931", 2, kMetric); }, {}},
        {"inch to metre, huge negative", [] { return RecomputeImperialToMetric("-1e4925", 0, kMetric); }, {}},
        {"metre to inch, 1e4931 m", [] { return RecomputeMetricToImperial("1e4931", 2, kMetric); }, {}},
        {"Fahrenheit, -1e4932", [] { return RecomputeFahrenheit("-1e4932", kMetric); }, {}},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = c.run();
        ExpectFloatingPointError(o);
        EXPECT_EQ(TextTargets(o), c.writtenBefore);
    }
}

// Underflow alone is not a fault: tiny values are shown as the numbers they
// round to.
TEST(FloatingPointFaults, UnderflowIsNotAFault) {
    const Outcome tinyTurns = RecomputeIronPowder(kT50Mix2, {"10", 1, "7", 2, "1e-3000"}, kMetric);
    ASSERT_TRUE(tinyTurns.ok());
    EXPECT_EQ(tinyTurns.text("Label38"), "0.000");
    const Outcome tinyLength = RecomputeImperialToMetric("1e-4940", 0, kMetric);
    ASSERT_TRUE(tinyLength.ok());
    ExpectOnlyFiniteTexts(tinyLength);
}

} // namespace
} // namespace torvex
