// SPDX-License-Identifier: GPL-3.0-or-later
// The words the core writes: the values go where the translation puts them,
// and every word of every line and message comes through the translator.
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

// A pattern, its arguments, what Say writes.
ROW(SayRow, const char* pattern; const char* first; const char* second; const char* said;)

const SayRow kSay[] = {
    {"Reordered", "%2 ger %1", "3,3 V", "R2", "R2 ger 3,3 V"},
    {"ArgumentMissingStays", "%3 och %1", "a", "b", "%3 och a"},
    {"PercentSignsStay", "%1 % · 100 %%", "5", "", "5 % · 100 %%"},
    {"ArgumentNotReadAgain", "%1 och %2", "%2", "x", "%2 och x"},
};

class Wording : public testing::TestWithParam<SayRow> {};

TEST_P(Wording, Says) { EXPECT_EQ(Say(GetParam().pattern, {GetParam().first, GetParam().second}), GetParam().said); }
ROWS(Say, Wording, kSay);

// A translator that brackets what it translates: a word outside every
// bracket never reached it. Units, codes and values stay as they are:
// letters two at most, or SMD.
std::string Bracketed(const char* swedish) { return "[" + std::string(swedish) + "]"; }

std::string Untranslated(const std::string& text) {
    std::string outside, words;
    for (int depth = 0; const char c : text) {
        depth += c == '[' ? 1 : c == ']' ? -1 : 0;
        outside += depth == 0 && c != ']' ? c : ' ';
    }
    static const std::regex kWord("[A-Za-z\\xC3\\xA5\\xC3\\xA4\\xC3\\xB6\\xC3\\x85\\xC3\\x84\\xC3\\x96]{3,}");
    for (std::sregex_iterator w(outside.begin(), outside.end(), kWord), end; w != end; ++w)
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

const LineRow kLines[] = {
    {"CombinationE12", [] { return Written("Komb", {"667"}, {}, 0); }},
    {"CombinationNoNearest", [] { return Written("Komb", {"0"}, {}, 1); }},
    {"CombinationOwnEmpty", [] { return Written("Komb", {"667"}, {}, 3); }},
    {"CombinationOwn", [] { return Written("Komb", {"1500"}, {}, 3, {1000}); }},
    {"DividerBestPair", [] { return Written("Div", {"5", "", "", "3.3"}, {true, false, false, true}, 1); }},
    {"DividerOwnBestPair", [] { return Written("Div", {"5", "", "", "3.3"}, {true, false, false, true}, 3, {1e3, 2.2e3}); }},
    {"DividerOwnEmpty", [] { return Written("Div", {"5", "", "", "3.3"}, {true, false, false, true}, 3); }},
    {"DividerOrder", [] { return Written("Div", {"3", "", "", "5"}, {true, false, false, true}, 0); }},
    {"DividerPositive", [] { return Written("Div", {"0", "", "", "5"}, {true, false, false, true}, 0); }},
    {"DividerChoice", [] { return Written("Div", {"5", "", "", ""}, {true, false, false, false}, 0); }},
    {"MarkingResistor", [] { return Written("Mark", {"472"}, {}, 0); }},
    {"MarkingNoBands", [] { return Written("Mark", {"4702"}, {}, 0); }},
    {"MarkingUnknown", [] { return Written("Mark", {"zz"}, {}, 0); }},
    {"MarkingCapacitorUnknown", [] { return Written("Mark", {"q"}, {}, 1); }},
    {"NE555Negative", [] { return Written("RC555", {"", "3300", "1000", "100"}, {false, true, true, true}, 0); }},
    {"NE555Refusals", [] { return std::vector{*NE555Refusal(NE555Ra, "4000"), *NE555Refusal(NE555C, "0"), *NE555Refusal(NE555F, "400000")}; }},
    {"CoilALMissing", [] { return Written("AL", {"", "10", "", ""}, {false, true, true, false}, 0); }},
    {"CoilDimensionsMissing", [] { return Written("Coil", {"", "", "10", ""}, {false, false, true, false}, 0); }},
    {"ImpedanceFrequencyMissing", [] { return Written("iRes", {"100", "", "10", ""}, {true, false, true, false}, 0); }},
    {"StandardValues", [] { return std::vector{StandardValuesLine("667", Quantity::Resistance, ',')}; }},
    {"LedPower", [] { return std::vector{LedPowerText(15, 680, ','), LedPowerText(3000, 1000, ',')}; }},
};

class Lines : public testing::TestWithParam<LineRow> {
protected:
    void SetUp() override { SetTranslator(Bracketed); }
    void TearDown() override { SetTranslator(nullptr); }
};

TEST_P(Lines, ComeThroughTheTranslator) {
    size_t words = 0;
    for (const std::string& t : GetParam().texts()) {
        EXPECT_EQ(Untranslated(t), "") << t;
        words += t.find('[') != std::string::npos;
    }
    EXPECT_GT(words, 0u) << "the row writes no words";
}
ROWS(Core, Lines, kLines);

} // namespace
} // namespace ampero
