#include "core/colourcode.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ampero;

namespace {

struct ClickCase {
    const char* name;
    std::vector<int> digits;
    const char* text;
    std::vector<int> bands; // band set by each click, -1 none
};

const ClickCase kClickCases[] = {
    {"FourKSeven", {4, 7, 2}, "4700", {0, 1, 2}},
    {"TenK", {1, 0, 3}, "10000", {0, 1, 2}},
    {"TwentyTwo", {2, 2, 0}, "22", {0, 1, 2}},
    {"LeadingBlack", {0, 2, 2}, "200", {-1, 1, 2}},
    {"AllWhite", {9, 9, 9}, "99000000000", {0, 1, 2}},
    {"AllBlack", {0, 0, 0}, "0", {-1, 1, 2}},
    {"SecondValueStartsEmpty", {4, 7, 2, 1, 0, 1}, "100", {0, 1, 2, 0, 1, 2}},
    {"TwoClicksOnly", {5, 6}, "56", {0, 1}},
};

class ColourClicks : public ::testing::TestWithParam<ClickCase> {};

TEST_P(ColourClicks, BuildsTheValue) {
    const ClickCase& c = GetParam();
    int32_t count = 0;
    std::string text = "typed before";
    for (size_t k = 0; k < c.digits.size(); ++k) {
        ColourClickResult r = ApplyColourClick(count, c.digits[k], text);
        EXPECT_EQ(r.band, c.bands[k]) << "click " << k;
        const bool third = k % 3 == 2;
        EXPECT_EQ(r.complete, third) << "click " << k;
        EXPECT_EQ(count, static_cast<int32_t>((k + 1) % 3)) << "click " << k;
    }
    EXPECT_EQ(text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Examples, ColourClicks, ::testing::ValuesIn(kClickCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ColourClicks, TypingBetweenClicksIsKept) {
    int32_t count = 0;
    std::string text;
    ApplyColourClick(count, 3, text);
    text += "3"; // typed by the user
    ApplyColourClick(count, 9, text);
    EXPECT_EQ(text, "339");
    text += "x";
    ColourClickResult r = ApplyColourClick(count, 2, text);
    EXPECT_EQ(text, "339x00");
    EXPECT_TRUE(r.complete);
}

TEST(ColourClicks, LeadingBlackKeepsTextEmptyAndCounts) {
    int32_t count = 0;
    std::string text = "470";
    ColourClickResult r = ApplyColourClick(count, 0, text);
    EXPECT_EQ(text, "");
    EXPECT_EQ(r.band, -1);
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(count, 1);
}

TEST(ColourClicks, CounterOutsideItsCycleStartsANewValue) {
    for (int32_t bad : {-1, 3, 7, INT32_MAX, INT32_MIN}) {
        int32_t count = bad;
        std::string text = "12";
        ColourClickResult r = ApplyColourClick(count, 5, text);
        EXPECT_EQ(text, "5") << bad;
        EXPECT_EQ(r.band, 0) << bad;
        EXPECT_EQ(count, 1) << bad;
    }
}

TEST(ColourClicks, NoSuchSwatchChangesNothing) {
    for (int digit : {-1, 10, 100}) {
        int32_t count = 1;
        std::string text = "4";
        ColourClickResult r = ApplyColourClick(count, digit, text);
        EXPECT_EQ(text, "4");
        EXPECT_EQ(count, 1);
        EXPECT_EQ(r.band, -1);
        EXPECT_FALSE(r.complete);
    }
}

struct ColourCase {
    int digit;
    Rgb rgb;
};

class ColourTable : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourTable, Digit) { EXPECT_EQ(kColourCode[static_cast<size_t>(GetParam().digit)], GetParam().rgb); }

INSTANTIATE_TEST_SUITE_P(Code, ColourTable,
                         ::testing::Values(ColourCase{0, {0, 0, 0}}, ColourCase{1, {158, 0, 0}},
                                           ColourCase{2, {255, 0, 0}}, ColourCase{3, {255, 192, 128}},
                                           ColourCase{4, {255, 255, 0}}, ColourCase{5, {0, 255, 0}},
                                           ColourCase{6, {0, 0, 255}}, ColourCase{7, {192, 0, 192}},
                                           ColourCase{8, {192, 192, 192}}, ColourCase{9, {255, 255, 255}}));

TEST(ColourTable, DefaultBandsAreFourKSevenWithDarkViolet) {
    EXPECT_EQ(kDefaultBands[0], (Rgb{255, 255, 0}));
    EXPECT_EQ(kDefaultBands[1], (Rgb{128, 0, 128}));
    EXPECT_EQ(kDefaultBands[2], (Rgb{255, 0, 0}));
    EXPECT_NE(kDefaultBands[1], kColourCode[7]);
    EXPECT_EQ(kFixedBand, (Rgb{224, 224, 224}));
}

} // namespace
