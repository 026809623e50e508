// Seven significant digits at the edge of a decade, where a single is
// coarser than the digits below the power of ten (found by fuzz_numrules).
#include <gtest/gtest.h>

#include <cmath>

#include "core/numrules.h"

using namespace ampero;

namespace {

// The single just above 1E+28 and the one just below; 1E+28 lies between
// them, nearer the lower one.
const float kAbove = 1.00000006e28f;
const float kBelow = 9.99999944e27f;

} // namespace

TEST(SingleFormatAtDecadeEdge, NeighboursOfThePowerAreOneStepApart) {
    ASSERT_EQ(std::nextafter(kBelow, 2e28f), kAbove);
    EXPECT_LT(static_cast<double>(kBelow), 1e28);
    EXPECT_GT(static_cast<double>(kAbove), 1e28);
}

TEST(SingleFormatAtDecadeEdge, EachSingleIsWrittenToItsNearestSevenDigits) {
    // 1.000000062E+28 and 9.999999442E+27.
    EXPECT_EQ(FormatSingle(kAbove), "1E+28");
    EXPECT_EQ(FormatSingle(kBelow), "9.999999E+27");
}

TEST(SingleFormatAtDecadeEdge, ThePowerReadsBackAsTheSingleNearestToIt) {
    // "1E+28" is read as the single nearest to 10^28, the one below, which
    // is written one step under the power; in double precision the text
    // comes back unchanged.
    const double back = ParsePrefix(FormatSingle(kAbove));
    EXPECT_EQ(static_cast<float>(back), kBelow);
    EXPECT_EQ(FormatSingle(static_cast<float>(back)), "9.999999E+27");
    EXPECT_EQ(FormatGeneral(back), "1E+28");
}

TEST(SingleFormatAtDecadeEdge, PowersInTheFieldsRangeComeBackUnchanged) {
    for (const char* text : {"0.001", "0.01", "0.1", "1", "10", "1000", "1000000", "1E+07", "1E+09", "1E+10"}) {
        const float v = static_cast<float>(ParsePrefix(text));
        EXPECT_EQ(FormatSingle(v), text) << text;
    }
}
