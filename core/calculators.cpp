// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculators.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "core/capacitive.h"
#include "core/coilwinding.h"
#include "core/combination.h"
#include "core/divider.h"
#include "core/eseries.h"
#include "core/impedance.h"
#include "core/inductive.h"
#include "core/led.h"
#include "core/ne555.h"
#include "core/numrules.h"
#include "core/ohm.h"
#include "core/partmarks.h"
#include "core/rcnetwork.h"
#include "core/resonance.h"
#include "core/seriescaps.h"

namespace ampero {

namespace {

// name, fields, confirm limit, evaluates with, minus key, routine, entry rule,
// field units, standard values per field, current field
constexpr std::array kRows{
    CalculatorInfo{"Ohm", 4, 2, 2, false, EvalOhmsLaw, nullptr, "Ω V W A", "R---"},
    CalculatorInfo{"txtLed", 5, 0, 0, false, EvalLedSeriesResistor, nullptr, "V V mA - Ω", "----R", 2},
    CalculatorInfo{"RC", 3, 2, 2, false, EvalRCNetwork, nullptr, "Ω nF Hz", "RN-"},
    CalculatorInfo{"RC555", 4, 3, 3, false, EvalNE555, nullptr, "kΩ kΩ nF Hz", "KKN-"},
    CalculatorInfo{"Cap", 3, 2, 2, false, EvalCapacitiveReactance, nullptr, "MHz pF Ω", "-P-"},
    CalculatorInfo{"Serie", 10, 0, 0, false, EvalSeriesCapacitors, nullptr, "", "--------XX"},
    CalculatorInfo{"Ind", 3, 2, 2, false, EvalInductiveReactance, nullptr, "MHz µH Ω"},
    CalculatorInfo{"Coil", 4, 3, 3, false, EvalCoilWinding, CoilDimensionsRule, "cm cm µH -"},
    CalculatorInfo{"AL", 4, 2, 2, false, EvalCoilFromAL, CoilALRule, "- cm µH -"},
    CalculatorInfo{"Res", 3, 2, 0, false, EvalResonance, nullptr, "pF MHz µH", "P--"},
    CalculatorInfo{"iRes", 4, 3, 0, true, EvalImpedance, ImpedanceRule, "pF MHz µH Ω", "P---"},
    CalculatorInfo{"Div", 4, 3, 0, false, EvalDivider, nullptr, "V Ω Ω V", "-RR-"},
    CalculatorInfo{"Komb", 1, 1, 1, false, EvalCombinationWithParts, nullptr, "Ω"},
    CalculatorInfo{"Mark", 1, 0, 0, false, EvalMarking, nullptr, ""},
};

// Every confirmed field has a flag and a history slot of its own.
static_assert(std::ranges::all_of(kRows, [](const CalculatorInfo& c) {
    return c.confirmLimit == 0 || c.fieldCount <= kConfirmingFields;
}));

// A row gives a unit token for every field or none at all.
static_assert(std::ranges::all_of(kRows, [](const CalculatorInfo& c) {
    const std::string_view units(c.units);
    return units.empty() || std::ranges::count(units, ' ') + 1 == c.fieldCount;
}));

std::optional<Quantity> QuantityOf(const CalculatorInfo& c, int field) {
    const std::string_view kinds(c.standards);
    if (field < 0 || static_cast<size_t>(field) >= kinds.size()) return std::nullopt;
    switch (kinds[static_cast<size_t>(field)]) {
    case 'R': return Quantity::Resistance;
    case 'K': return Quantity::ResistanceKilo;
    case 'N': return Quantity::CapacitanceNano;
    case 'P': return Quantity::CapacitancePico;
    case 'X': return Quantity::Plain;
    default: return std::nullopt;
    }
}

} // namespace

std::span<const CalculatorInfo> Calculators() { return kRows; }

FieldUnit UnitOf(const CalculatorInfo& c, int field) {
    std::string_view rest(c.units);
    for (int k = 0; k < field; ++k) {
        const size_t blank = rest.find(' ');
        if (blank == std::string_view::npos) return {};
        rest.remove_prefix(blank + 1);
    }
    return field < 0 ? FieldUnit{} : UnitFrom(rest.substr(0, rest.find(' ')));
}

StandardHint StandardHintFor(const CalculatorInfo& c, const Inputs& in, const Outcome& out) {
    if (!out.note.empty()) return {out.note, out.fields.empty() ? -1 : out.fields.front().index};
    for (const FieldResult& r : out.fields) {
        const std::optional<Quantity> q = QuantityOf(c, r.index);
        if (!q) continue;
        StandardHint hint{StandardValuesLine(r.text, *q, in.decimalSep), r.index};
        if (hint.text.empty()) return {};
        if (*q == Quantity::Resistance || *q == Quantity::ResistanceKilo)
            hint.ohms = ParsePrefix(r.text) * (*q == Quantity::ResistanceKilo ? 1000.0 : 1.0);
        if (c.currentField >= 0) {
            const std::string power =
                LedPowerText(FieldValue(in.fields, c.currentField), ParsePrefix(r.text), in.decimalSep);
            if (!power.empty()) hint.text += "  ·  " + power;
        }
        return hint;
    }
    return {};
}

const CalculatorInfo& FindCalculator(std::string_view name) {
    for (const CalculatorInfo& c : kRows)
        if (name == c.name) return c;
    throw std::out_of_range("no calculator named " + std::string(name));
}

} // namespace ampero
