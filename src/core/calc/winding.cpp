#include "calc/winding.h"

#include <cmath>

#include "calc/winding_output.h"
#include "format/number_format.h"
#include "format/number_reader.h"
#include "format/wire_gauge.h"

namespace torvex {

void WindingRun::turns(long double alNanohenry) {
    WindingResult& r = m_result;

    m_steps.begin();
    r.A = alNanohenry * 1e-9L;
    m_steps.end(r.A);

    const long double typed = ReadNumberField(m_fields.inductance, m_env.decimalSeparator);
    m_steps.begin();
    r.L = typed * UnitFactor(InductanceUnitFactors, m_fields.inductanceUnit);
    m_steps.end(r.L);

    // L = A * N^2 is the winding law of a toroid with AL per turn squared.
    r.available = r.A != 0;
    if (r.available) {
        m_steps.begin();
        r.N = std::sqrt(r.L / r.A);
        m_steps.end(r.N);
    } else {
        r.N = 0;
        if (!m_targets.unknownCore) r.L = 0;
    }
    if (!m_out) return;

    if (m_targets.unknownCore) {
        write(m_targets.turns, r.available ? FormatFixed(r.N, 3, 0) : std::string("xxx"));
        return;
    }
    if (!m_targets.notAvailable.empty()) {
        m_out->visible(m_targets.notAvailable, !r.available);
        m_out->hintEnabled(m_targets.notAvailable, !r.available);
    }
    if (!m_targets.inductanceField.empty()) m_out->enabled(m_targets.inductanceField, r.available);
    // N stays unrounded for every later step; only the text is rounded.
    write(m_targets.turns, FormatFixed(r.N, 3, 1));
}

void WindingRun::results(long double da, long double di, long double h) {
    WindingResult& r = m_result;
    const bool us = m_env.usUnits;

    // The inner circumference is shared by the N turns of a single layer; one
    // turn runs once around the rectangular cross-section (twice the height
    // plus twice the wall width), nothing added for leads, in cm.
    m_steps.begin();
    r.D = r.N > 0 ? kPi * di / r.N : 0.0L;
    r.len = (2.0L * h + (da - di)) * r.N * 0.1L;
    m_steps.end(r.D, r.len);

    write(m_targets.wireDiameter, us ? DiameterToAwg(r.D) : FormatFixed(r.D, 3, 2));

    if (us) {
        m_steps.begin();
        const long double mm = r.len * 10.0L;
        m_steps.end(mm);
        write(m_targets.wireLength, FormatImperialLength(mm));
        write(m_targets.wireLengthUnit, ImperialLengthUnit(mm));
    } else {
        write(m_targets.wireLength, FormatFixed(r.len, 3, 0));
        if (m_targets.metricLengthUnit) write(m_targets.wireLengthUnit, " cm");
    }

    const long double typedF = ReadNumberField(m_fields.frequency, m_env.decimalSeparator);
    m_steps.begin();
    r.f = typedF * UnitFactor(FrequencyUnitFactors, m_fields.frequencyUnit);
    m_steps.end(r.f);

    m_steps.begin();
    r.XL = kTwoPi * r.f * r.L;
    m_steps.end(r.XL, ScaledForDisplay(r.XL));
    write(m_targets.xl, FormatScaled(r.XL));
    write(m_targets.xlPrefix, ScalePrefix("", r.XL));

    r.n = ReadNumberField(m_fields.turns, m_env.decimalSeparator);
    m_steps.begin();
    r.L2 = r.A * r.n * r.n;
    m_steps.end(r.L2, ScaledForDisplay(r.L2));
    write(m_targets.l2, FormatScaled(r.L2));
    write(m_targets.l2Unit, ScalePrefix("H", r.L2));

    m_steps.begin();
    r.XL2 = kTwoPi * r.f * r.L2;
    m_steps.end(r.XL2, ScaledForDisplay(r.XL2));
    write(m_targets.xl2, FormatScaled(r.XL2));
    write(m_targets.xl2Prefix, ScalePrefix("", r.XL2));
}

WindingResult CalculateWinding(long double da, long double di, long double h, long double alNanohenry,
                               const WindingFields& fields, const Environment& env) {
    static constexpr WindingTargets kNone{};
    WindingRun run(fields, env, kNone, nullptr);
    run.turns(alNanohenry);
    run.results(da, di, h);
    return run.result();
}

} // namespace torvex
