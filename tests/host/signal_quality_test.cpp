#include <gtest/gtest.h>

#include "station/core/radio/signal_quality.h"

namespace {

struct SignalCase {
    int dbm;
    int percent;
    LinkClass link;
};

// The boundaries of each piece of the mapping, and the classes around 70 and 40 percent.
TEST(SignalToPercent, BoundariesAndClasses) {
    const SignalCase cases[] = {
        {0, 100, LinkClass::Good},     {-50, 100, LinkClass::Good},  {-51, 99, LinkClass::Good},
        {-68, 55, LinkClass::Normal},  {-75, 37, LinkClass::Weak},   {-80, 24, LinkClass::Weak},
        {-81, 23, LinkClass::Weak},    {-85, 13, LinkClass::Weak},   {-90, 0, LinkClass::Weak},
        {-91, 0, LinkClass::Weak},     {-127, 0, LinkClass::Weak},   {-62, 70, LinkClass::Normal},
        {-61, 73, LinkClass::Good},    {-74, 39, LinkClass::Weak},   {-73, 42, LinkClass::Normal},
    };
    for (const SignalCase& c : cases) {
        EXPECT_EQ(SignalToPercent(c.dbm), c.percent) << c.dbm << " dBm";
        EXPECT_EQ(ClassifyQuality(SignalToPercent(c.dbm)), c.link) << c.dbm << " dBm";
    }
}

TEST(SignalToPercent, ClassLimits) {
    EXPECT_EQ(ClassifyQuality(71), LinkClass::Good);
    EXPECT_EQ(ClassifyQuality(70), LinkClass::Normal);
    EXPECT_EQ(ClassifyQuality(41), LinkClass::Normal);
    EXPECT_EQ(ClassifyQuality(40), LinkClass::Weak);
}

}  // namespace
