// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every overflow, division by zero or invalid operation inside a step, the
// display scaling included, ends the run at that step with the
// floating-point error; no "inf" or "nan" is ever shown.
#include <functional>

#include "calc_test_support.h"
#include "format/wire_gauge.h"

namespace torvex {
namespace {

using namespace calctest;
using Names = std::vector<std::string_view>;

// `setBefore`: the fields set before the fault.
struct FaultCase {
    const char* name;
    std::function<Seen()> run;
    Names setBefore;
};

CataloguePageInputs T50Mix2(WindingFields fields) { return {{7, 2}, std::move(fields)}; }
const Names kIronThroughWireLength{"outerDiameter", "innerDiameter", "height",        "al", "made", "turns",
                                   "wireDiameter",  "wireLength",    "wireLengthUnit"};
const Names kIronThroughReactance = [] {
    Names v = kIronThroughWireLength;
    v.insert(v.end(), {"reactance", "reactancePrefix"});
    return v;
}();

UnknownCoreInputs Unknown(std::string al, std::string inductance, int inductanceUnit, std::string di = "") {
    return {std::move(al), 0, std::move(inductance), inductanceUnit, "", std::move(di), "", "", 1, ""};
}

template <class R, class In> In InputOf(R (*)(const In&, const Settings&));

// A run of `Recompute` on `in`, for the table below.
template <auto Recompute> std::function<Seen()> Runs(decltype(InputOf(Recompute)) in, Settings settings = kMetric) {
    return [=] { return See(Recompute(in, settings)); };
}

TEST(FloatingPointFaults, EndTheRunAtTheirStep) {
    // clang-format off
    const FaultCase cases[] = {
        // A frequency beyond the range once scaled to hertz.
        {"iron, 1e4931 GHz", Runs<RecomputeIronPowder>(T50Mix2({"10", 1, "1e4931", 3, ""})), kIronThroughWireLength},
        // XL = 2π·f·L overflows although f and L are finite.
        {"iron, 1e30 H at 1e4900 GHz", Runs<RecomputeIronPowder>(T50Mix2({"1e30", 3, "1e4900", 3, ""})),
         kIronThroughWireLength},
        // A huge negative XL falls into the 1e12 row of the display scaling.
        {"iron, huge negative XL", Runs<RecomputeIronPowder>(T50Mix2({"10", 1, "-1e4920", 3, ""})),
         kIronThroughWireLength},
        {"iron, L2 overflow", Runs<RecomputeIronPowder>(T50Mix2({"10", 1, "7", 2, "1e2475"})), kIronThroughReactance},
        // 1000 turns around a wall of 1e4932 mm; the wire diameter, a
        // fraction of Di, stays finite.
        {"unknown core, wire length", Runs<RecomputeUnknownCore>(Unknown("1", "1", 2, "1e4932")), {"turns"}},
        {"unknown core, L / A", Runs<RecomputeUnknownCore>(Unknown("1e-4000", "1e4900", 3)), {}},
        {"resonance f, 1e-3000 nH, 1e-3000 pF", Runs<RecomputeResonantFrequency>({"1e-3000", 0, "1e-3000", 0}), {}},
        {"resonance C, 1e4900 GHz", Runs<RecomputeResonantCapacitance>({"1", 1, "1e4900", 3}), {}},
        {"resonance L, 1e4900 GHz", Runs<RecomputeResonantInductance>({"1", 0, "1e4900", 3}), {}},
        // A division by a product that underflowed to 0.
        {"resonance L, 1e-3000 pF", Runs<RecomputeResonantInductance>({"1e-3000", 0, "1e-3000", 0}), {}},
        {"coil inductance, D / length", Runs<RecomputeCoilInductance>({"1", "1e4000", "1e-4000"}), {}},
        {"coil inductance, inches to cm", Runs<RecomputeCoilInductance>({"1", "1e4932", "1"}, kUs), {}},
        {"coil turns, inches to cm", Runs<RecomputeCoilTurns>({"1", 1, "1", "1e4932"}, kUs), {}},
        {"coil turns, 1e4930 H", Runs<RecomputeCoilTurns>({"1e4930", 3, "10", "20"}), {}},
        // The wire's unit is shown before the largest diameter overflows.
        {"coil turns, largest diameter", Runs<RecomputeCoilTurns>({"1e-4740", 0, "1e101", "1e4930"}),
         {"wireLengthUnit"}},
        {"straight conductor, inches to cm",
         Runs<RecomputeStraightConductor>({"", kDefaultGaugeIndex, "1e4932", false}, kUs), {}},
        {"straight conductor, 4·l / D", Runs<RecomputeStraightConductor>({"1e-4000", -1, "1e4000", false}), {}},
        {"AL, turns squared underflow to 0", Runs<RecomputeAlPermeability>({"1e-3000", "2.5", "", "", "", ""}), {}},
        {"AL, coating", Runs<RecomputeAlPermeability>({"10", "2.5", "12.7", "7.15", "4.9", "1e4932"}), {"al"}},
        {"copper, diameter squared underflows to 0", Runs<RecomputeCopperResistance>({"1", 0, "1e-3000", -1, "20"}),
         {"warning"}},
        {"copper, huge negative length", Runs<RecomputeCopperResistance>({"-1e4925", 0, "1", -1, "20"}), {"warning"}},
        {"inch to metre, 1e4931 yd", Runs<RecomputeImperialToMetric>({"1e4931", 2}), {}},
        {"inch to metre, huge negative", Runs<RecomputeImperialToMetric>({"-1e4925", 0}), {}},
        {"metre to inch, 1e4931 m", Runs<RecomputeMetricToImperial>({"1e4931", 2}), {}},
        {"Fahrenheit, -1e4932", Runs<RecomputeFahrenheit>({"-1e4932"}), {}},
    };
    // clang-format on
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Seen seen = c.run();
        ExpectFloatingPointError(seen);
        EXPECT_EQ(seen.set(), c.setBefore);
    }
}

// Underflow alone is not a fault: tiny values are shown as the numbers they
// round to.
TEST(FloatingPointFaults, UnderflowIsNotAFault) {
    const IronPowderOutcome tinyTurns = RecomputeIronPowder(T50Mix2({"10", 1, "7", 2, "1e-3000"}), kMetric);
    ASSERT_TRUE(tinyTurns.ok());
    EXPECT_EQ(tinyTurns.shown.winding.inductanceOfTurns, "0.000");
    const Seen tinyLength = See(RecomputeImperialToMetric({"1e-4940", 0}, kMetric));
    ASSERT_FALSE(tinyLength.error);
    ExpectOnlyFiniteTexts(tinyLength);
}

} // namespace
} // namespace torvex
