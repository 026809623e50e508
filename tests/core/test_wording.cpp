// SPDX-License-Identifier: GPL-3.0-or-later
// The words the core writes: the values go where the translation puts them,
// and every word of every line and message comes through the translator.
#include <algorithm>
#include <cstring>
#include <functional>
#include <regex>

#include "core/calculators.h"
#include "core/eseries.h"
#include "core/ne555.h"
#include "core/partmarks.h"
#include "core/wording.h"
#include "tests/core/rows.h"

namespace ampero {
namespace {

// A translation may put the values in any order; a value is not read again.
TEST(Say, PutsEachValueWhereThePatternHasIt) {
    EXPECT_EQ(Say("%2 ger %1", {"3,3 V", "R2"}), "R2 ger 3,3 V");
    EXPECT_EQ(Say("%3 och %1 · 100 %", {"%2", "x"}), "%3 och %2 · 100 %");
}

// A translator that keeps only the places of the values, in brackets: a
// word left in a line never reached it. Units, codes and values stay as they
// are: letters two at most, or SMD.
std::string Bracketed(const char* swedish) {
    std::string kept = "[";
    for (const char* c = swedish; *c; ++c)
        if (*c == '%' && c[1] >= '1' && c[1] <= '9') kept += std::string{c[0], c[1], ' '};
    return kept + "]";
}

std::string Untranslated(const std::string& text) {
    static const std::regex kWord("[A-Za-z\\xC3\\xA5\\xC3\\xA4\\xC3\\xB6\\xC3\\x85\\xC3\\x84\\xC3\\x96]{3,}");
    std::string words;
    for (std::sregex_iterator w(text.begin(), text.end(), kWord), end; w != end; ++w)
        if (w->str() != "SMD") words += w->str() + " ";
    return words;
}

// Every text of an evaluation: the rule's message, the messages, the
// captions (the capacitor's picture told what to draw by a mark no one
// reads) and the note.
std::vector<std::string> Written(const char* calculator, FieldTexts fields, std::array<bool, 4> confirmed, int variant,
                                 std::vector<double> own = {}) {
    const CalculatorInfo& info = FindCalculator(calculator);
    const Inputs in{.fields = fields, .confirmed = confirmed, .variant = variant, .decimalSep = ',', .ownParts = own};
    std::vector<std::string> texts;
    if (const std::optional<Stop> stop = info.rule ? info.rule(in) : std::nullopt) texts.push_back(stop->message);
    const Outcome o = info.eval(in);
    texts.insert(texts.end(), o.messages.begin(), o.messages.end());
    for (const CaptionResult& c : o.captions)
        texts.push_back(c.text.starts_with(kCapacitorPicture) ? c.text.substr(std::strlen(kCapacitorPicture)) : c.text);
    texts.push_back(o.note);
    return texts;
}

ROW(LineRow, std::function<std::vector<std::string>()> texts;)

// The texts of one evaluation and then another's.
std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) { return a.insert(a.end(), b.begin(), b.end()), a; }

const std::array<bool, 4> kBoth{true, false, false, true}; // the divider's Uin and Uut
const LineRow kLines[] = {
    {"Combination", [] { return Written("Komb", {"667"}, {}, 0) + Written("Komb", {"0"}, {}, 1); }},
    {"CombinationOwn", [] { return Written("Komb", {"667"}, {}, 3) + Written("Komb", {"1500"}, {}, 3, {1000}); }},
    {"DividerBestPair", [] { return Written("Div", {"5", "", "", "3.3"}, kBoth, 1) + Written("Div", {"5", "", "", "3.3"}, kBoth, 3, {1e3, 2.2e3}); }},
    {"DividerMessages", [] { return Written("Div", {"5", "", "", "3.3"}, kBoth, 3) + Written("Div", {"3", "", "", "5"}, kBoth, 0) + Written("Div", {"0", "", "", "5"}, kBoth, 0) + Written("Div", {"5"}, {true}, 0); }},
    {"Marking", [] { return Written("Mark", {"472"}, {}, 0) + Written("Mark", {"4702"}, {}, 0) + Written("Mark", {"zz"}, {}, 0) + Written("Mark", {"q"}, {}, 1); }},
    {"NE555", [] { return Written("RC555", {"", "3300", "1000", "100"}, {false, true, true, true}, 0) + std::vector{*NE555Refusal(NE555Ra, "4000"), *NE555Refusal(NE555C, "0"), *NE555Refusal(NE555F, "400000")}; }},
    {"EntryRules", [] { return Written("AL", {"", "10", "", ""}, {false, true, true}, 0) + Written("Coil", {"", "", "10", ""}, {false, false, true}, 0) + Written("iRes", {"100", "", "10", ""}, {true, false, true}, 0); }},
    {"StandardValuesAndPower", [] { return std::vector{StandardValuesLine("667", Quantity::Resistance, ','), LedPowerText(15, 680, ','), LedPowerText(3000, 1000, ',')}; }},
};

using Lines = testing::TestWithParam<LineRow>;

TEST_P(Lines, ComeThroughTheTranslator) {
    SetTranslator(Bracketed);
    const std::vector<std::string> texts = GetParam().texts();
    SetTranslator(nullptr);
    for (const std::string& t : texts) EXPECT_EQ(Untranslated(t), "") << t;
    EXPECT_GE(std::ranges::count_if(texts, [](const std::string& t) { return t.find('[') != std::string::npos; }), 2) << "too few words";
}
ROWS(Core, Lines, kLines);

} // namespace
} // namespace ampero
