#pragma once

#include <string_view>

#include "calc/fp_step.h"
#include "calc/winding.h"

namespace torvex {

// Where a core page shows the results of the winding calculation, by object
// name. An empty name means the page has no such control.
struct WindingTargets {
    std::string_view turns{};
    std::string_view wireDiameter{};    // mm, or the AWG gauge in US units
    std::string_view wireLength{};      // cm, or inch/foot/yard in US units
    std::string_view wireLengthUnit{};  // written in US units
    bool metricLengthUnit = false;      // also write " cm" there in metric units
    std::string_view xl{}, xlPrefix{};
    std::string_view l2{}, l2Unit{};
    std::string_view xl2{}, xl2Prefix{};
    std::string_view notAvailable{};    // message shown (with its hint) when AL is 0
    std::string_view inductanceField{}; // entry disabled when AL is 0
    // The unknown-cores page: a missing AL shows "xxx" as the turns and keeps
    // the wanted inductance (so XL is still that of the typed value), nothing
    // is disabled, and the turns are shown as a whole number.
    bool unknownCore = false;
};

// The winding calculation of one recompute, writing each result as soon as
// its step completes. Without a write list it only computes.
class WindingRun {
public:
    WindingRun(const WindingFields& fields, const Environment& env, const WindingTargets& targets, WriteList* out)
        : m_fields(fields), m_env(env), m_targets(targets), m_out(out) {}

    // AL in nH/N², the wanted inductance, availability and the turns.
    void turns(long double alNanohenry);
    // Wire diameter and length from the core's dimensions (mm), then XL, the
    // inductance of the typed turns and its XL.
    void results(long double da, long double di, long double h);

    const WindingResult& result() const { return m_result; }

private:
    void write(std::string_view target, std::string text) {
        if (m_out && !target.empty()) m_out->text(target, std::move(text));
    }

    const WindingFields& m_fields;
    const Environment& m_env;
    const WindingTargets& m_targets;
    WriteList* m_out;
    FpSteps m_steps;
    WindingResult m_result;
};

} // namespace torvex
