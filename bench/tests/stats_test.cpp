#include "../common/stats.h"

#include <gtest/gtest.h>

namespace vardek::bench {
namespace {

TEST(Summarize, OddCount_MedianIsMiddleOfSorted)
{
    const Summary s = Summarize({9, 1, 5, 3, 7});
    EXPECT_EQ(s.median, 5);
    EXPECT_EQ(s.count, 5u);
}

TEST(Summarize, EvenCount_MedianIsMeanOfMiddlePair)
{
    EXPECT_EQ(Summarize({4, 1, 3, 2}).median, 2.5);
}

TEST(Summarize, TwentySamples_P95IsNineteenthByRank)
{
    std::vector<double> samples;
    for (int i = 20; i >= 1; --i) {
        samples.push_back(i);
    }
    EXPECT_EQ(Summarize(samples).p95, 19);
}

TEST(Summarize, HundredSamplesWithOutliers_P95IgnoresTopFive)
{
    std::vector<double> samples(95, 1.0);
    samples.insert(samples.end(), {50, 60, 70, 80, 90});
    const Summary s = Summarize(samples);
    EXPECT_EQ(s.p95, 1);
    EXPECT_EQ(s.median, 1);
}

TEST(Summarize, OneSample_IsBothFigures)
{
    const Summary s = Summarize({7});
    EXPECT_EQ(s.median, 7);
    EXPECT_EQ(s.p95, 7);
}

TEST(Summarize, NoSamples_CountsZero)
{
    const Summary s = Summarize({});
    EXPECT_EQ(s.count, 0u);
    EXPECT_EQ(s.median, 0);
}

TEST(Ratio, NothingToDivideBy_IsZero)
{
    EXPECT_EQ(Ratio(3, 0), 0);
    EXPECT_EQ(Ratio(3, 2), 1.5);
}

}  // namespace
}  // namespace vardek::bench
