#include "core/placement.h"

#include <gtest/gtest.h>

using ampero::CenteredOrigin;

TEST(Placement, CentresAndTruncatesTowardZero) {
    struct {
        double screen, window;
        int64_t origin;
    } cases[] = {
        {19200, 11820, 3690},                      // 1280 px screen, the window's 788 px
        {11821, 11820, 0},                         // 1 / 2 truncates to 0
        {11823, 11820, 1},      {11820, 11821, 0}, // -1 / 2 truncates toward zero
        {11000, 11820, -410},                      // larger than the screen: negative
        {11000.5, 11820, -410},                    // -819.5 rounds to the even -820 first
        {11001.5, 11820, -409},                    // -818.5 rounds to -818
    };
    for (const auto& c : cases) EXPECT_EQ(CenteredOrigin(c.screen, c.window), c.origin) << c.screen << " " << c.window;
}
