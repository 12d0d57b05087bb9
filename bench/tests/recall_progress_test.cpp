#include "../common/recall_progress.h"

#include <gtest/gtest.h>

namespace vardek::bench {
namespace {

constexpr std::uintptr_t kView = 0x1234;
constexpr std::uintptr_t kNewView = 0x5678;

// The state both programs end in: "再描写" disabled, the region whole, the view at its place.
RecallSight Finished(std::uintptr_t view)
{
    return {.redrawEnabled = false, .holeCut = false, .view = view, .viewAtPlace = true};
}

TEST(RecallProgress, RestoreFromTheFinishedState_NotDoneBeforeItHasRun)
{
    RecallProgress progress(kView);
    progress.Look(Finished(kView));
    progress.Look(Finished(kView));
    EXPECT_FALSE(progress.Started());
    EXPECT_FALSE(progress.Done());
}

TEST(RecallProgress, ViewKept_DoneWhenRedrawIsDisabledAgain)
{
    RecallProgress progress(kView);
    progress.Look({.redrawEnabled = true, .holeCut = true, .view = kView, .viewAtPlace = true});
    progress.Look({.redrawEnabled = true, .holeCut = false, .view = kView, .viewAtPlace = true});
    EXPECT_TRUE(progress.Started());
    EXPECT_FALSE(progress.Done());
    progress.Look(Finished(kView));
    EXPECT_TRUE(progress.Done());
}

TEST(RecallProgress, ViewMadeAnew_ANewViewAloneShowsItHasRun)
{
    // Looks that missed "再描写" enabled and the hole cut still see the view replaced.
    RecallProgress progress(kView);
    progress.Look(Finished(kNewView));
    EXPECT_TRUE(progress.Done());
}

TEST(RecallProgress, ViewAwayOnTheWay_NotDoneUntilShownAtItsPlace)
{
    RecallProgress progress(kView);
    progress.Look({.redrawEnabled = false, .holeCut = false, .view = 0, .viewAtPlace = false});
    EXPECT_TRUE(progress.Started());
    EXPECT_FALSE(progress.Done());
    progress.Look({.redrawEnabled = false, .holeCut = false, .view = kNewView, .viewAtPlace = false});
    EXPECT_FALSE(progress.Done());
    progress.Look(Finished(kNewView));
    EXPECT_TRUE(progress.Done());
}

TEST(RecallProgress, RedrawFromTheFrame_StartedAtOnceAndDoneOnlyWhenWhole)
{
    // From the frame "再描写" is enabled, the hole cut and the view hidden.
    RecallProgress progress(0);
    progress.Look({.redrawEnabled = true, .holeCut = true, .view = 0, .viewAtPlace = false});
    EXPECT_TRUE(progress.Started());
    progress.Look({.redrawEnabled = true, .holeCut = true, .view = kView, .viewAtPlace = true});
    EXPECT_FALSE(progress.Done());
    progress.Look({.redrawEnabled = false, .holeCut = true, .view = kView, .viewAtPlace = true});
    EXPECT_FALSE(progress.Done());
    progress.Look(Finished(kView));
    EXPECT_TRUE(progress.Done());
}

TEST(RecallProgress, DoneIsTheLatestLook_NotLatched)
{
    RecallProgress progress(kView);
    progress.Look({.redrawEnabled = true, .holeCut = false, .view = kView, .viewAtPlace = true});
    progress.Look(Finished(kView));
    ASSERT_TRUE(progress.Done());
    progress.Look({.redrawEnabled = true, .holeCut = false, .view = kView, .viewAtPlace = true});
    EXPECT_FALSE(progress.Done());
}

}  // namespace
}  // namespace vardek::bench
