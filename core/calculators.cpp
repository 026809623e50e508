#include "core/calculators.h"

#include <array>

#include "core/capacitive.h"
#include "core/coilwinding.h"
#include "core/impedance.h"
#include "core/inductive.h"
#include "core/led.h"
#include "core/ne555.h"
#include "core/ohm.h"
#include "core/rcnetwork.h"
#include "core/resonance.h"
#include "core/seriescaps.h"

namespace ampero {

namespace {

// name, fields, confirm limit, evaluates with, minus key, routine, entry rule
constexpr std::array kRows{
    CalculatorInfo{"Ohm", 4, 2, 2, false, EvalOhmsLaw, nullptr},
    CalculatorInfo{"txtLed", 5, 0, 0, false, EvalLedSeriesResistor, nullptr},
    CalculatorInfo{"RC", 3, 2, 2, false, EvalRCNetwork, nullptr},
    CalculatorInfo{"RC555", 4, 3, 3, false, EvalNE555, nullptr},
    CalculatorInfo{"Cap", 3, 2, 2, false, EvalCapacitiveReactance, nullptr},
    CalculatorInfo{"Serie", 10, 0, 0, false, EvalSeriesCapacitors, nullptr},
    CalculatorInfo{"Ind", 3, 2, 2, false, EvalInductiveReactance, nullptr},
    CalculatorInfo{"Coil", 4, 3, 3, false, EvalCoilWinding, CoilDimensionsRule},
    CalculatorInfo{"AL", 4, 2, 2, false, EvalCoilFromAL, CoilALRule},
    CalculatorInfo{"Res", 3, 2, 0, false, EvalResonance, nullptr},
    CalculatorInfo{"iRes", 4, 3, 0, true, EvalImpedance, ImpedanceRule},
};

} // namespace

std::span<const CalculatorInfo> Calculators() { return kRows; }

const CalculatorInfo& FindCalculator(std::string_view name) {
    for (const CalculatorInfo& c : kRows)
        if (name == c.name) return c;
    return kRows.front();
}

} // namespace ampero
