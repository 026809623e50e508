#include "core/seriescaps.h"

#include <gtest/gtest.h>

using namespace ampero;

struct SeriesCase {
    FieldTexts fields; // missing trailing fields read as empty
    int target;        // -1: nothing written
    const char* text;
};

class SeriesCaps : public ::testing::TestWithParam<SeriesCase> {};

TEST_P(SeriesCaps, ComputesTotalOrMissingValue) {
    const SeriesCase& c = GetParam();
    Outcome out = EvalSeriesCapacitors(c.fields);
    EXPECT_TRUE(out.messages.empty());
    if (c.target < 0) {
        EXPECT_TRUE(out.Empty());
        return;
    }
    ASSERT_EQ(out.fields.size(), 1u);
    EXPECT_EQ(out.fields[0].index, c.target);
    EXPECT_EQ(out.fields[0].text, c.text);
}

static FieldTexts Row(std::initializer_list<std::pair<int, const char*>> filled) {
    FieldTexts f(10);
    for (auto& [i, t] : filled) f[i] = t;
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Total, SeriesCaps,
    ::testing::Values(
        SeriesCase{Row({{0, "22"}, {1, "48"}}), 8, "15.1"}, SeriesCase{Row({{0, "22"}, {5, "48"}}), 8, "15.1"},
        SeriesCase{Row({{3, "47"}}), 8, "47"},
        SeriesCase{
            Row({{0, "100"}, {1, "100"}, {2, "100"}, {3, "100"}, {4, "100"}, {5, "100"}, {6, "100"}, {7, "100"}}), 8,
            "12.5"},
        SeriesCase{Row({{0, "0.25"}, {1, "0.25"}}), 8, "0.1"}, // 0.125 -> even
        SeriesCase{Row({{0, "0.75"}, {1, "0.75"}}), 8, "0.4"}, // 0.375 -> up
        SeriesCase{Row({{0, "22"}, {9, "5"}}), 8, "22"},       // next field not read
        SeriesCase{{"22", "48"}, 8, "15.1"}));

INSTANTIATE_TEST_SUITE_P(
    Missing, SeriesCaps,
    ::testing::Values(SeriesCase{Row({{0, "22"}, {8, "15"}}), 9, "47.1"},
                      SeriesCase{Row({{0, "22"}, {8, "30"}}), 9, "82.5"},
                      SeriesCase{Row({{0, "22"}, {1, "48"}, {8, "15.1"}}), 9, "15945.6"}, // second "Räkna"
                      SeriesCase{Row({{0, "22"}, {1, "48"}, {8, "15,1"}}), 9, "2640"},    // read as 15
                      SeriesCase{Row({{6, "100"}, {8, "50"}, {9, "1"}}), 9, "100"}));

// Every division by zero leaves both result fields as they are.
INSTANTIATE_TEST_SUITE_P(DivisionByZero, SeriesCaps,
                         ::testing::Values(SeriesCase{Row({}), -1, ""}, SeriesCase{{}, -1, ""},
                                           SeriesCase{Row({{0, "22"}, {1, "0"}}), -1, ""},
                                           SeriesCase{Row({{0, "."}}), -1, ""},
                                           SeriesCase{Row({{0, "abc"}, {1, "48"}}), -1, ""},
                                           SeriesCase{Row({{0, "5"}, {1, "-5"}}), -1, ""}, // reciprocals cancel
                                           SeriesCase{Row({{8, "15"}}), -1, ""},           // no value given
                                           SeriesCase{Row({{0, "22"}, {8, "0"}}), -1, ""},
                                           SeriesCase{Row({{0, "22"}, {8, "x"}}), -1, ""},
                                           SeriesCase{Row({{0, "22"}, {8, "22"}}), -1, ""}, // total already reached
                                           SeriesCase{Row({{0, "1E-320"}}), -1, ""},        // 1/value overflows
                                           SeriesCase{Row({{0, "0"}, {8, "15"}}), -1, ""}));
