#include "../common/op_watch.h"

#include <gtest/gtest.h>

namespace vardek::bench {
namespace {

TEST(OperationWatch, ShownAtEveryLook_NeverWentAway)
{
    OperationWatch watch(MustShow::FromStart);
    for (double t : {0.0, 2.0, 5.0, 6.0}) {
        watch.Look(t, true);
    }
    EXPECT_FALSE(watch.WentAway());
    EXPECT_EQ(watch.LongestAbsence(), 0);
    EXPECT_EQ(watch.LongestGap(), 3);
    EXPECT_EQ(watch.Looks(), 4);
}

TEST(OperationWatch, OneMissedLook_WentAwayUntilTheNextLookFindsIt)
{
    OperationWatch watch(MustShow::FromStart);
    watch.Look(0, true);
    watch.Look(1, false);
    watch.Look(1.5, false);
    watch.Look(4, true);
    watch.Look(5, false);
    watch.Look(5.5, true);
    EXPECT_TRUE(watch.WentAway());
    EXPECT_FALSE(watch.NeverShown());
    // The longer of the two absences, each from its first missed look to the look that found it.
    EXPECT_EQ(watch.LongestAbsence(), 3);
}

TEST(OperationWatch, StillMissingAtTheLastLook_AbsenceRunsToIt)
{
    OperationWatch watch(MustShow::FromStart);
    watch.Look(0, true);
    watch.Look(2, false);
    watch.Look(9, false);
    EXPECT_TRUE(watch.WentAway());
    EXPECT_EQ(watch.LongestAbsence(), 7);
}

TEST(OperationWatch, HiddenAtTheStart_CountsOnlyWhereItMustShowFromTheStart)
{
    OperationWatch fromStart(MustShow::FromStart);
    OperationWatch fromSight(MustShow::FromFirstSight);
    for (OperationWatch* w : {&fromStart, &fromSight}) {
        w->Look(0, false);
        w->Look(3, false);
        w->Look(4, true);
        w->Look(6, true);
    }
    EXPECT_TRUE(fromStart.WentAway());
    EXPECT_EQ(fromStart.LongestAbsence(), 4);
    EXPECT_FALSE(fromSight.WentAway());
    EXPECT_EQ(fromSight.LongestAbsence(), 0);
}

TEST(OperationWatch, FromFirstSight_GoneAgainAfterShowingCounts)
{
    OperationWatch watch(MustShow::FromFirstSight);
    watch.Look(0, false);
    watch.Look(1, true);
    watch.Look(2, false);
    watch.Look(3, true);
    EXPECT_TRUE(watch.WentAway());
    EXPECT_EQ(watch.LongestAbsence(), 1);
}

TEST(OperationWatch, NeverShown_WentAwayWithoutAnAbsenceToMeasure)
{
    OperationWatch watch(MustShow::FromFirstSight);
    watch.Look(0, false);
    watch.Look(8, false);
    EXPECT_TRUE(watch.NeverShown());
    EXPECT_TRUE(watch.WentAway());
    EXPECT_EQ(watch.LongestAbsence(), 0);
}

TEST(WatchTally, CountsAwayAndNeverShownApart_AndKeepsTheWorstGap)
{
    OperationWatch steady(MustShow::FromStart);
    steady.Look(0, true);
    steady.Look(2, true);
    OperationWatch away(MustShow::FromStart);
    away.Look(0, true);
    away.Look(1, false);
    away.Look(6, true);
    OperationWatch never(MustShow::FromFirstSight);
    never.Look(0, false);
    never.Look(1, false);

    WatchTally tally;
    tally.Add(steady);
    tally.Add(away);
    tally.Add(never);
    EXPECT_EQ(tally.operations, 3);
    EXPECT_EQ(tally.wentAway, 2);
    EXPECT_EQ(tally.neverShown, 1);
    // Only the operation that showed and went away has an absence.
    ASSERT_EQ(tally.absences.size(), 1u);
    EXPECT_EQ(tally.absences[0], 5);
    EXPECT_EQ(tally.WorstGap(), 5);
}

TEST(WatchTally, Empty_WorstGapIsZero)
{
    EXPECT_EQ(WatchTally{}.WorstGap(), 0);
}

}  // namespace
}  // namespace vardek::bench
