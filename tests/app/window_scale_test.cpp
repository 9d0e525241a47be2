#include "app/window_scale.h"

#include <gtest/gtest.h>

namespace pendara {
namespace {

constexpr PixelSize kWindow{933, 588};
constexpr PixelSize kFrame{12, 40};

TEST(FitWindowScale, KeepsTheLayoutWhereItFitsAndShrinksByTheTighterSideElse) {
    EXPECT_EQ(FitWindowScale(kWindow, kFrame, {1920, 1080}), 1.0);
    EXPECT_EQ(FitWindowScale(kWindow, kFrame, {945, 628}), 1.0);  // exactly room enough
    // A 1280 x 900 screen at scale 2 offers 640 x 450: the width decides.
    EXPECT_DOUBLE_EQ(FitWindowScale(kWindow, kFrame, {640, 450}), 628.0 / 933);
    // 1024 x 600 at scale 1: the height decides.
    EXPECT_DOUBLE_EQ(FitWindowScale(kWindow, kFrame, {1024, 600}), 560.0 / 588);
}

TEST(FitWindowScale, UnknownScreensKeepTheLayoutAndTinyOnesStopAtTheSmallestScale) {
    EXPECT_EQ(FitWindowScale(kWindow, kFrame, {0, 0}), 1.0);
    EXPECT_EQ(FitWindowScale(kWindow, kFrame, {100, 80}), kSmallestWindowScale);
    EXPECT_EQ(FitWindowScale(kWindow, kFrame, {10, 10}), kSmallestWindowScale);
}

}  // namespace
}  // namespace pendara
