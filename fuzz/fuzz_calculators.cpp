// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for every calculator of the engine.
//
// Input layout (all of it optional; missing bytes take the defaults):
//   byte 0     the calculator, 'A' + its number in kCalculators (taken modulo)
//   byte 1     switches, as (byte - '0'): 1 separator ",", 2 US units,
//              4 English, 8 skin effect, 16 no separator at all
//   bytes 2-5  four list positions, each (byte - '0'): '1' is position 1,
//              '/' is -1 (nothing chosen), anything past the list is too
//   then       the field texts, separated by "\n" (a "\n" right after the
//              header is skipped). "~k" repeats the character before it
//              16 * (k % 64 + 1) times, so that a short input can hold a run
//              of thousands of digits.
// Which field and which position each calculator reads is in kCalculators:
//   A-D catalogue pages (iron powder, ferrite FT, SIFERRIT, Ferroxcube):
//       positions size, material, inductance unit, frequency unit; fields
//       inductance, frequency, turns
//   E unknown core: positions AL unit, inductance unit, frequency unit;
//       fields AL, inductance, Da, Di, h, frequency, turns
//   F coil inductance: turns, diameter, length
//   G coil turns: position inductance unit; inductance, diameter, length
//   H straight conductor: position gauge; diameter, length
//   I-K resonance rows f, C, L: positions of the two units; the two values
//   L AL and µi: turns, inductance, Da, Di, h, coating
//   M copper resistance: positions length unit, gauge; length, diameter,
//       temperature
//   N, O imperial to metric, metric to imperial: position unit; the length
//   P gauge diameter: position gauge
//   Q Fahrenheit: the temperature
//
// Properties of each run:
// - every text shown is "xxx", empty, a text of the program (unit and
//   prefix texts, gauge names, catalogue texts, the temperature warnings),
//   or a number text of the promised form: optional "-", digits without
//   leading zeros, "." and 1 to 3 decimals (or none), blanks only on the
//   left and only as padding to a width of at most 5; the gauge table's inch
//   text has 6 decimals and " in" after it;
// - no text that is not the program's own holds "nan" or "inf";
// - no text is longer than 64 characters plus 3 for each decade by which the
//   numeric inputs reach away from 1 (the sum over the fields of |log10 |v||):
//   results are products and quotients of the inputs with powers of at most
//   two, so only inputs far from 1 can make a long text, and then one in
//   proportion;
// - the states hold their ranges: a colour code is two 0xRRGGBB colours or
//   unpainted halves, an ordering code is one of the catalogue's;
// - an error is the conversion error quoting a field text that does not read
//   as a number, or the floating-point error, with their exact messages; a
//   field that does not read, among those every run reads, gives an error;
// - a failed run shows what it reached before the failing step and nothing
//   after it: once a field that every run reaching it sets is empty, every
//   later field is empty too;
// - no floating-point fault is cleared by the engine without ending the
//   run (the status flags are watched through the engine's calls);
// - the same inputs give the same outcome again, even with stale fault flags
//   raised before the run;
// - the catalogue pages agree with CalculateWinding on the same core (turns,
//   wire diameter, XL, whether the core is made), the largest wire for one
//   layer fits the core's hole, the copper window's prefix state agrees
//   with its prefix, and the AL text of the AL-and-µi window reads back on
//   the unknown-cores page.

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "calc/winding.h"
#include "catalogue/ferrite_ft.h"
#include "catalogue/ferroxcube.h"
#include "catalogue/iron_powder.h"
#include "catalogue/siferrit.h"
#include "format/number_format.h"
#include "format/number_reader.h"
#include "format/wire_gauge.h"
#include "fuzz_support.h"
#include "shown_fields.h"

// ---------------------------------------------------------------------------
// Watching the floating-point status flags through the engine's own calls.
// The build links this target with --wrap for feclearexcept and fetestexcept.
// The engine may clear a raised fault flag only right after it has tested
// and seen it, on its way to report the floating-point error; a fault flag
// cleared in any other way (a step begun over a fault left by unguarded
// arithmetic) is a fault lost.
namespace {
constexpr int kFaultFlags = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;
bool g_watching = false;
bool g_faultJustSeen = false;
int g_faultsLost = 0;
} // namespace

extern "C" {
int __real_feclearexcept(int excepts);
int __real_fetestexcept(int excepts);

int __wrap_fetestexcept(int excepts) {
    const int raised = __real_fetestexcept(excepts);
    if (g_watching)
        g_faultJustSeen = (raised & kFaultFlags) != 0;
    return raised;
}

int __wrap_feclearexcept(int excepts) {
    if (g_watching) {
        if (__real_fetestexcept(excepts & kFaultFlags) != 0 && !g_faultJustSeen)
            ++g_faultsLost;
        g_faultJustSeen = false;
    }
    return __real_feclearexcept(excepts);
}
} // extern "C"

namespace {

using fuzzcheck::FixedFormProblem;
using fuzzcheck::Quote;
using fuzzcheck::Require;

// A run's result, reduced to its fields in the order the run sets them.
struct Outcome {
    std::vector<torvex::shown::Field> fields;
    std::optional<torvex::CalcError> error;

    // The value of a field of this calculator.
    std::optional<std::string> operator[](std::string_view name) const {
        for (const torvex::shown::Field& f : fields)
            if (f.name == name)
                return f.value;
        fuzzcheck::Fail("the fuzzer asks for a field the result has", std::string(name));
    }
};

template <class Shown> Outcome Flat(const torvex::Outcome<Shown>& o) {
    return {torvex::shown::Fields(o.shown), o.error};
}

// ---------------------------------------------------------------------------
// The input.

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kFieldCap = 8192;

struct Input {
    unsigned calculator = 0;
    std::string separator;
    torvex::Settings settings;
    bool skinEffect = false;
    int position[4] = {1, 1, 1, 1};
    std::vector<std::string> fields;

    const std::string& field(std::size_t i) const {
        static const std::string kEmpty;
        return i < fields.size() ? fields[i] : kEmpty;
    }
};

std::vector<std::string> SplitFields(std::string_view body) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < body.size(); ++i) {
        std::string& current = fields.back();
        const char c = body[i];
        if (c == '\n') {
            fields.emplace_back();
        } else if (c == '~' && i + 1 < body.size()) {
            const auto k = static_cast<unsigned char>(body[++i]);
            const char repeated = current.empty() ? '1' : current.back();
            const std::size_t count = (k % 64u + 1) * 16;
            current.append(std::min(count, kFieldCap - std::min(kFieldCap, current.size())), repeated);
        } else if (current.size() < kFieldCap) {
            current += c;
        }
    }
    return fields;
}

Input ParseInput(const std::uint8_t* data, std::size_t size, std::size_t calculatorCount) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto header = [&](std::size_t i, char fallback) {
        return static_cast<unsigned char>(i < bytes.size() ? bytes[i] : fallback);
    };
    Input in;
    const int pick = static_cast<int>(header(0, 'A')) - 'A';
    const int count = static_cast<int>(calculatorCount);
    in.calculator = static_cast<unsigned>(((pick % count) + count) % count);
    const unsigned flags = static_cast<unsigned>(static_cast<int>(header(1, '0')) - '0') & 0x1fu;
    in.separator = (flags & 16u) ? "" : (flags & 1u) ? "," : ".";
    in.settings.units = (flags & 2u) != 0 ? torvex::UnitSystem::Us : torvex::UnitSystem::Metric;
    in.settings.language = (flags & 4u) != 0 ? torvex::Language::English : torvex::Language::German;
    in.skinEffect = (flags & 8u) != 0;
    for (int i = 0; i < 4; ++i)
        in.position[i] = static_cast<int>(header(2 + static_cast<std::size_t>(i), '1')) - '0';

    std::string_view body = bytes.size() > kHeaderSize ? bytes.substr(kHeaderSize) : std::string_view{};
    if (!body.empty() && body.front() == '\n')
        body.remove_prefix(1);
    in.fields = SplitFields(body);
    in.settings.decimalSeparator = in.separator;
    return in;
}

// ---------------------------------------------------------------------------
// How the calculators are driven.

struct FieldUse {
    std::size_t index;
    bool temperature = false; // "-" reads 0
    bool alwaysRead = true;   // read on every run that gets that far
};

using ExtraCheck = std::function<void(const Outcome&, const Input&, const std::string&)>;

struct Calculator {
    const char* name;
    std::function<Outcome(const Input&)> run;
    std::function<std::vector<FieldUse>(const Input&)> fields;
    // Shown fields that a run may leave empty while it sets later ones
    // (a unit shown in one unit system only, or only for non-zero values).
    std::set<std::string_view> skippable = {};
    ExtraCheck extra = {};
};

std::vector<FieldUse> FirstFields(std::size_t n) {
    std::vector<FieldUse> uses;
    for (std::size_t i = 0; i < n; ++i)
        uses.push_back({i});
    return uses;
}

torvex::WindingFields Winding(const Input& in) {
    return {in.field(0), in.position[2], in.field(1), in.position[3], in.field(2)};
}

torvex::CataloguePageInputs Page(const Input& in) { return {{in.position[0], in.position[1]}, Winding(in)}; }

torvex::ResonanceRowInputs Row(const Input& in) { return {in.field(0), in.position[0], in.field(1), in.position[1]}; }

auto Fixed(std::size_t n) {
    return [n](const Input&) { return FirstFields(n); };
}

// ---------------------------------------------------------------------------
// The texts of the program's own that a run may show.

const std::set<std::string, std::less<>>& ProgramTexts() {
    static const std::set<std::string, std::less<>> texts = [] {
        std::set<std::string, std::less<>> t{"xxx", "", " cm", " AWG", "t < -200 °C", "t > 250 °C", "0.000"};
        for (std::string_view prefix : {"T", "G", "M", "k", "", "m", "µ", "n", "p"})
            for (std::string_view unit : {"", "H", "F", "Hz"})
                t.insert(std::string(prefix) + std::string(unit));
        for (const char* unit : {"Tm", "Gm", "Mm", "km", "m", "cm", "mm", "nm", "pm", " in", " ft", " yd"})
            t.insert(unit);
        for (std::string_view name : torvex::AwgNames)
            t.insert(std::string(name));

        auto inches = [&t](const auto& sizes) {
            for (const auto& s : sizes)
                for (std::string_view x : {s.daInch, s.diInch, s.hInch})
                    t.insert(std::string(x));
        };
        inches(torvex::IronSizeTable);
        inches(torvex::FtSizeTable);
        inches(torvex::SiferritSizeTable);
        for (const auto& m : torvex::IronMixTable) {
            t.insert(std::string(m.frequencyRange));
            t.insert(std::to_string(m.mu));
        }
        for (const auto& m : torvex::FtMaterialTable) {
            for (std::string_view x : {m.resonant, m.wideBand, m.choke})
                t.insert(std::string(x));
            t.insert(std::to_string(m.mu));
        }
        for (const auto& m : torvex::SiferritMaterialTable) {
            for (std::string_view x : {m.applicationGerman, m.applicationEnglish, m.frequencyRange})
                t.insert(std::string(x));
            t.insert(std::to_string(m.mu));
            for (const auto& s : torvex::SiferritSizeTable)
                t.insert("B64290-" + std::string(s.sizeCode) + "-X" + std::string(m.materialCode));
        }
        for (const auto& m : torvex::FerroxcubeMaterialTable)
            t.insert(std::to_string(m.mu));
        return t;
    }();
    return texts;
}

// ---------------------------------------------------------------------------
// The checks.

// Widest width any result is padded to.
constexpr std::size_t kWidestPadding = 5;
constexpr std::size_t kSaneLength = 64;
// A result may reach the sixth power of an input: the cylinder coil's
// length coefficient is a fourth-degree polynomial in D/length for a
// negative ratio, and the inductance multiplies it by D and D/length again.
constexpr double kCharactersPerDecade = 7;

std::string NumberTextProblem(std::string_view text) {
    const std::size_t blanks = text.find_first_not_of(' ');
    if (blanks == std::string_view::npos)
        return "only blanks";
    if (blanks > 0 && text.size() > kWidestPadding)
        return "blanks beyond the padding of a width of 5";
    std::string_view number = text.substr(blanks);
    int maxDecimals = 3;
    if (number.size() > 3 && number.substr(number.size() - 3) == " in") {
        // The inch diameter of the gauge table: six decimals and its unit.
        number.remove_suffix(3);
        if (fuzzcheck::DecimalsOf(number) != 6)
            return "an inch text without 6 decimals";
        maxDecimals = 6;
    } else if (fuzzcheck::DecimalsOf(number) > maxDecimals) {
        return "more than 3 decimals";
    }
    const int decimals = fuzzcheck::DecimalsOf(number);
    if (decimals == 0 && number.find('.') != std::string_view::npos)
        return "a \".\" without decimals";
    return FixedFormProblem(number, decimals);
}

// A colour code as the field list writes it: "rrggbb over rrggbb", either
// half "unpainted".
bool IsColourCode(std::string_view text) {
    const std::size_t over = text.find(" over ");
    if (over == std::string_view::npos)
        return false;
    for (std::string_view half : {text.substr(0, over), text.substr(over + 6)}) {
        if (half == "unpainted")
            continue;
        if (half.size() != 6 || half.find_first_not_of("0123456789abcdef") != std::string_view::npos)
            return false;
    }
    return true;
}

std::optional<long double> ReadField(const Input& in, const FieldUse& use) {
    const std::string& text = in.field(use.index);
    if (text.empty() || (use.temperature && text == "-"))
        return 0.0L;
    return torvex::ParseNumber(text, in.separator);
}

// How many decades the numeric inputs reach away from 1, added up.
double DecadesFromOne(const Input& in, const std::vector<FieldUse>& uses) {
    double decades = 0;
    for (const FieldUse& use : uses) {
        const std::optional<long double> v = ReadField(in, use);
        if (v && *v != 0 && std::isfinite(*v))
            decades += std::fabs(static_cast<double>(std::log10(std::fabs(*v))));
    }
    return decades;
}

std::string Describe(const Input& in, const Calculator& calc) {
    std::string s = std::string(calc.name) + ", separator " + Quote(in.separator) +
                    (in.settings.usUnits() ? ", US units" : ", metric") + (in.settings.english() ? ", English" : "") +
                    (in.skinEffect ? ", skin effect" : "") + ", positions";
    for (int p : in.position)
        s += " " + std::to_string(p);
    for (std::size_t i = 0; i < in.fields.size(); ++i)
        s += ", field " + std::to_string(i) + " " + Quote(in.fields[i]);
    return s;
}

void CheckShown(const Outcome& o, const Input& in, const std::vector<FieldUse>& uses, const std::string& where) {
    const auto& program = ProgramTexts();
    const double budget = kSaneLength + kCharactersPerDecade * DecadesFromOne(in, uses);
    for (const torvex::shown::Field& f : o.fields) {
        if (!f.value)
            continue;
        const std::string& text = *f.value;
        const std::string seen = where + "; " + std::string(f.name) + " shows " + Quote(text);
        if (f.name == "colourCode") {
            Require(IsColourCode(text), "a colour code is two colours or unpainted halves", seen);
            continue;
        }
        if (f.name == "ordering") {
            Require(text == "not made" || program.count(text), "an ordering code is one of the catalogue's", seen);
            continue;
        }
        if (!f.isText)
            continue;
        Require(static_cast<double>(text.size()) <= budget, "no text is longer than its inputs warrant",
                seen + " (" + std::to_string(text.size()) + " characters, budget " +
                    std::to_string(static_cast<long>(budget)) + ")");
        if (program.count(text))
            continue;
        Require(!fuzzcheck::HasNanOrInf(text), "no text shows nan or inf", seen);
        const std::string problem = NumberTextProblem(text);
        Require(problem.empty(), "a text is the program's own or a number text of the promised form",
                seen + ": " + problem);
    }
}

// A failed run keeps what it showed before the failing step: once a field
// that no run skips is empty, every later field is empty too.
void CheckCutAtTheError(const Outcome& o, const Calculator& calc, const std::string& where) {
    if (!o.error)
        return;
    std::string_view firstEmpty;
    for (const torvex::shown::Field& f : o.fields) {
        if (firstEmpty.empty()) {
            if (!f.value && !calc.skippable.count(f.name))
                firstEmpty = f.name;
            continue;
        }
        Require(!f.value, "a failed run shows nothing after its failing step",
                where + "; " + std::string(f.name) + " is set after " + std::string(firstEmpty) + " is empty");
    }
}

void CheckError(const Outcome& o, const Input& in, const std::vector<FieldUse>& uses, const std::string& where) {
    // The fields whose texts do not read as numbers.
    std::vector<const std::string*> refused;
    bool refusedAlwaysRead = false;
    for (const FieldUse& use : uses) {
        if (!ReadField(in, use)) {
            refused.push_back(&in.field(use.index));
            refusedAlwaysRead = refusedAlwaysRead || use.alwaysRead;
        }
    }
    if (!o.error) {
        Require(!refusedAlwaysRead, "a field that does not read as a number gives an error", where);
        return;
    }
    const std::string message = o.error->message();
    const std::string seen = where + "; error " + Quote(message);
    if (o.error->kind() == torvex::CalcError::Kind::FloatingPoint) {
        Require(message == "Fehler bei Fließkommaoperation", "the floating-point error has its message", seen);
        return;
    }
    Require(o.error->kind() == torvex::CalcError::Kind::Conversion, "an error is one of the two kinds", seen);
    bool quotesRefusedField = false;
    for (const std::string* text : refused)
        quotesRefusedField = quotesRefusedField || message == "'" + *text + "' ist kein gültiger Fließkommawert";
    Require(quotesRefusedField, "the conversion error quotes a field that does not read as a number", seen);
}

bool SameOutcome(const Outcome& a, const Outcome& b) {
    if (a.fields.size() != b.fields.size() || a.error.has_value() != b.error.has_value())
        return false;
    for (std::size_t i = 0; i < a.fields.size(); ++i)
        if (a.fields[i].name != b.fields[i].name || a.fields[i].value != b.fields[i].value)
            return false;
    return !a.error || (a.error->kind() == b.error->kind() && a.error->message() == b.error->message());
}

// A catalogue page must compute what CalculateWinding computes for its core,
// and fail where and how it fails.
template <class Sizes, class Table>
ExtraCheck AgreesWithCalculateWinding(const Sizes& sizes, const Table& alTable, long double alFactor) {
    return [&sizes, &alTable, alFactor](const Outcome& o, const Input& in, const std::string& where) {
        long double da = 0, di = 0, h = 0;
        const int s = in.position[0];
        if (s >= 0 && static_cast<std::size_t>(s) < sizes.size()) {
            const auto& row = sizes[static_cast<std::size_t>(s)];
            da = row.da, di = row.di, h = row.h;
        }
        const long double al = torvex::AlAt(alTable, in.position[0], in.position[1]) * alFactor;
        try {
            const torvex::WindingResult r = torvex::CalculateWinding(da, di, h, al, Winding(in), in.settings);
            Require(!o.error, "a page fails only where CalculateWinding fails", where);
            Require(o["turns"] == torvex::FormatFixed(r.N, 3, 1), "the page shows CalculateWinding's turns", where);
            const std::string wire =
                in.settings.usUnits() ? torvex::DiameterToAwg(r.D) : torvex::FormatFixed(r.D, 3, 2);
            Require(o["wireDiameter"] == wire, "the page shows CalculateWinding's wire diameter", where);
            // N wires against the inside of the hole: neighbouring centres, a
            // chord of the circle of Di − D, are at least D apart.
            if (r.N >= 2) {
                const long double chord = (di - r.D) * std::sin(3.14159265358979323846264338327950288L / r.N);
                Require(chord >= r.D * (1 - 1e-12L), "the largest wire fits one layer in the hole", where);
            }
            Require(o["reactance"] == torvex::FormatScaled(r.XL), "the page shows CalculateWinding's XL", where);
            Require(o["made"] == (r.available ? "yes" : "no"), "the page shows whether the core is made", where);
        } catch (const torvex::CalcError& e) {
            Require(o.error && o.error->kind() == e.kind() && o.error->message() == e.message(),
                    "a page fails as CalculateWinding fails", where + "; CalculateWinding: " + Quote(e.message()));
        }
    };
}

// The copper window shows the prefix where there is one.
void CheckCopperPrefix(const Outcome& o, const Input&, const std::string& where) {
    const std::optional<std::string> prefix = o["prefix"];
    const std::optional<std::string> hasPrefix = o["hasPrefix"];
    Require(prefix.has_value() == hasPrefix.has_value(), "the prefix and its state are set together", where);
    if (prefix)
        Require(*hasPrefix == (prefix->empty() ? "no" : "yes"), "the prefix state says whether there is one",
                where + "; prefix " + Quote(*prefix));
}

// The AL shown by the AL-and-µi window, taken over into the unknown-cores
// page's AL field, must read there as the number it shows.
void CheckAlTakeOver(const Outcome& o, const Input& in, const std::string& where) {
    const std::optional<std::string> shown = o["al"];
    if (!shown)
        return;
    const std::string taken = torvex::ShownAlAsEntryText(*shown, in.separator);
    const std::string seen = where + "; AL " + Quote(*shown) + " taken over as " + Quote(taken);
    if (*shown == "xxx") {
        Require(taken.empty(), "\"xxx\" is taken over as an empty field", seen);
        return;
    }
    const std::optional<long double> there = torvex::ParseNumber(taken, in.separator);
    const std::optional<long double> here = torvex::ParseNumber(*shown, ".");
    Require(there.has_value() && here.has_value() && *there == *here,
            "the AL text reads on the unknown-cores page as the number shown", seen);
}

// ---------------------------------------------------------------------------
// The calculators. Each entry runs one calculator on the input, names the
// fields it reads, and may add a check of its own.

const std::set<std::string_view> kMetricLengthUnit{"wireLengthUnit"};

// clang-format off
const std::vector<Calculator> kCalculators = {
    {"iron powder", [](const Input& in) { return Flat(torvex::RecomputeIronPowder(Page(in), in.settings)); },
     Fixed(3), {},
     // The iron-powder catalogue is in µH per 100 turns; 0.1 makes nH/N².
     AgreesWithCalculateWinding(torvex::IronSizeTable, torvex::IronAlTable, 0.1L)},
    {"ferrite FT", [](const Input& in) { return Flat(torvex::RecomputeFerriteFt(Page(in), in.settings)); },
     Fixed(3), kMetricLengthUnit, AgreesWithCalculateWinding(torvex::FtSizeTable, torvex::FtAlTable, 1.0L)},
    {"SIFERRIT", [](const Input& in) { return Flat(torvex::RecomputeSiferrit(Page(in), in.settings)); },
     Fixed(3), kMetricLengthUnit,
     AgreesWithCalculateWinding(torvex::SiferritSizeTable, torvex::SiferritAlTable, 1.0L)},
    {"Ferroxcube", [](const Input& in) { return Flat(torvex::RecomputeFerroxcube(Page(in), in.settings)); },
     Fixed(3), kMetricLengthUnit,
     AgreesWithCalculateWinding(torvex::FerroxcubeSizeTable, torvex::FerroxcubeAlTable, 1.0L)},
    {"unknown core",
     [](const Input& in) {
         torvex::UnknownCoreInputs u{in.field(0), in.position[0], in.field(1), in.position[1], in.field(2),
                                     in.field(3), in.field(4),    in.field(5), in.position[2], in.field(6)};
         return Flat(torvex::RecomputeUnknownCore(u, in.settings));
     },
     Fixed(7), kMetricLengthUnit},
    {"coil inductance",
     [](const Input& in) {
         return Flat(torvex::RecomputeCoilInductance({in.field(0), in.field(1), in.field(2)}, in.settings));
     },
     Fixed(3), {"inductanceUnit"}},
    {"coil turns",
     [](const Input& in) {
         return Flat(torvex::RecomputeCoilTurns({in.field(0), in.position[0], in.field(1), in.field(2)}, in.settings));
     },
     Fixed(3), {"wireLengthUnit", "wireDiameterUnit"}},
    {"straight conductor",
     [](const Input& in) {
         return Flat(torvex::RecomputeStraightConductor({in.field(0), in.position[0], in.field(1), in.skinEffect},
                                                        in.settings));
     },
     Fixed(2)},
    {"resonant frequency",
     [](const Input& in) { return Flat(torvex::RecomputeResonantFrequency(Row(in), in.settings)); }, Fixed(2),
     {"unit"}},
    {"resonant capacitance",
     [](const Input& in) { return Flat(torvex::RecomputeResonantCapacitance(Row(in), in.settings)); }, Fixed(2),
     {"unit"}},
    {"resonant inductance",
     [](const Input& in) { return Flat(torvex::RecomputeResonantInductance(Row(in), in.settings)); }, Fixed(2),
     {"unit"}},
    {"AL and permeability",
     [](const Input& in) {
         return Flat(torvex::RecomputeAlPermeability(
             {in.field(0), in.field(1), in.field(2), in.field(3), in.field(4), in.field(5)}, in.settings));
     },
     Fixed(6), {}, CheckAlTakeOver},
    {"copper resistance",
     [](const Input& in) {
         return Flat(torvex::RecomputeCopperResistance(
             {in.field(0), in.position[0], in.field(1), in.position[1], in.field(2)}, in.settings));
     },
     // In US units the diameter comes from the gauge list, not from the text.
     [](const Input& in) {
         return std::vector<FieldUse>{{0}, {1, false, !in.settings.usUnits()}, {2, true}};
     },
     {}, CheckCopperPrefix},
    {"imperial to metric",
     [](const Input& in) {
         return Flat(torvex::RecomputeImperialToMetric({in.field(0), in.position[0]}, in.settings));
     },
     Fixed(1)},
    {"metric to imperial",
     [](const Input& in) {
         return Flat(torvex::RecomputeMetricToImperial({in.field(0), in.position[0]}, in.settings));
     },
     Fixed(1)},
    {"gauge diameter",
     [](const Input& in) { return Flat(torvex::RecomputeGaugeDiameter({in.position[0]}, in.settings)); }, Fixed(0)},
    {"Fahrenheit", [](const Input& in) { return Flat(torvex::RecomputeFahrenheit({in.field(0)}, in.settings)); },
     [](const Input&) { return std::vector<FieldUse>{{0, true}}; }},
};
// clang-format on

Outcome Watched(const Calculator& calc, const Input& in) {
    __real_feclearexcept(FE_ALL_EXCEPT);
    g_faultsLost = 0;
    g_faultJustSeen = false;
    g_watching = true;
    Outcome o = calc.run(in);
    g_watching = false;
    return o;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input in = ParseInput(data, size, kCalculators.size());
    const Calculator& calc = kCalculators[in.calculator];
    const std::vector<FieldUse> uses = calc.fields(in);
    const std::string where = Describe(in, calc);

    const Outcome first = Watched(calc, in);
    Require(g_faultsLost == 0, "no floating-point fault is cleared without ending the run",
            where + (!first.error ? "; the run succeeded" : "; error " + Quote(first.error->message())));
    CheckShown(first, in, uses, where);
    CheckError(first, in, uses, where);
    CheckCutAtTheError(first, calc, where);

    // Stale fault flags from whatever ran before must not change anything.
    std::feraiseexcept(kFaultFlags);
    const Outcome second = calc.run(in);
    __real_feclearexcept(FE_ALL_EXCEPT);
    Require(SameOutcome(first, second), "the same inputs give the same outcome", where);

    if (calc.extra)
        calc.extra(first, in, where);
    return 0;
}
