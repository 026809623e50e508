#include "core/led.h"

#include <gtest/gtest.h>

using namespace ampero;

namespace {

struct LedCase {
    const char* name;
    FieldTexts fields;    // supply V, forward V, mA, count
    const char* expected; // nullptr: the result field keeps its text
};

const LedCase kLedCases[] = {
    {"StartValues", {"5", "2", "8", "1"}, "375"},
    {"Twelve", {"12", "2", "15", "1"}, "667"},
    {"Five", {"5", "2", "15", "1"}, "200"},
    {"White", {"5", "3.6", "25", "1"}, "56"},
    {"ThreeInSeries", {"9", "2", "15", "3"}, "200"},
    {"SixInSeries", {"24", "3.2", "20", "6"}, "240"},
    {"Negative", {"5", "2", "15", "3"}, "-67"},
    {"ZeroCurrent", {"12", "2", "0", "1"}, nullptr},
    {"ZeroCurrentAndZeroVoltage", {"2", "2", "0", "1"}, nullptr},
    {"CurrentOnlyPoint", {"12", "2", ".", "1"}, nullptr},
    {"EmptyCount", {"12", "2", "15", ""}, nullptr},
    {"PointCount", {"12", "2", "15", "."}, nullptr},
    {"LetterCount", {"12", "2", "15", "abc"}, nullptr},
    {"SignOnlyCount", {"12", "2", "15", "-"}, nullptr},
    {"BlankCount", {"12", "2", "15", "  "}, nullptr},
    {"MissingCount", {"12", "2", "15"}, nullptr},
    {"FractionCountCutDown", {"9", "2", "15", "2.9"}, "333"},
    {"TwoPointsCount", {"9", "2", "15", "3.2.1"}, "200"},
    {"LeadingBlankCount", {"9", "2", "15", " 3"}, "200"},
    {"PointFiveCountIsZero", {"9", "2", "15", ".5"}, "600"},
    {"ZeroCount", {"9", "2", "15", "0"}, "600"},
    {"CommaEndsSupply", {"12,5", "2", "15", "1"}, "667"},
    // Exact halves go to the even ohm.
    {"TieDown", {"2.5", "0", "1000", "1"}, "2"},
    {"TieUp", {"3.5", "0", "1000", "1"}, "4"},
    {"TieDownNegative", {"0", "2.5", "1000", "1"}, "-2"},
    // The 32-bit edges.
    {"Int32Max", {"2147483.647", "0", "1", "1"}, "2147483647"},
    {"AboveInt32Max", {"2147483.648", "0", "1", "1"}, nullptr},
    {"Int32Min", {"0", "2147483.648", "1", "1"}, "-2147483648"},
    {"BelowInt32Min", {"0", "2147483.649", "1", "1"}, nullptr},
    {"HugeSupply", {"1E400", "2", "15", "1"}, nullptr},
    {"HugeCount", {"12", "2", "15", "1E400"}, nullptr},
    {"HugeCountNoForwardVoltage", {"12", "0", "15", "1E400"}, "800"},
    {"TinyCurrent", {"12", "2", "1E-300", "1"}, nullptr},
};

class LedSeries : public ::testing::TestWithParam<LedCase> {};

TEST_P(LedSeries, WholeOhmsOrUnchanged) {
    const LedCase& c = GetParam();
    std::optional<std::string> r = CalcLedSeriesResistor(c.fields);
    if (c.expected == nullptr) {
        EXPECT_FALSE(r.has_value()) << *r;
    } else {
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(*r, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, LedSeries, ::testing::ValuesIn(kLedCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
