#include "merge/merge_lists.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pendara {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

LineList Lines(std::vector<std::string> lines) { return LineList(std::move(lines)); }

TEST(MergeLeftRight, PadsTheShorterSideWithEmptyLines) {
    const LineList a = Lines({"a1", "a2", "a3"});
    const LineList b = Lines({"b1"});
    EXPECT_THAT(MergeLists(MergeMode::LeftRight, a, b, "[", "|", "]").lines(),
                ElementsAre("[a1|b1]", "[a2|]", "[a3|]"));
    EXPECT_THAT(MergeLists(MergeMode::LeftRight, b, a, "", "", "").lines(),
                ElementsAre("b1a1", "a2", "a3"));
    EXPECT_THAT(
        MergeLists(MergeMode::LeftRight, Lines({}), Lines({"x", "y"}), "<", "-", ">").lines(),
        ElementsAre("<-x>", "<-y>"));
}

TEST(MergeLeftRight, KeepsTextsExactlyAndEmptyLinesInPlace) {
    const LineList left = Lines({"", " a "});
    const LineList right = Lines({"b", ""});
    EXPECT_THAT(MergeLists(MergeMode::LeftRight, left, right, " ", "\t", "  ").lines(),
                ElementsAre(" \tb  ", "  a \t  "));
}

TEST(MergeLeftRight, NoLinesOnEitherSideGivesNoLines) {
    EXPECT_THAT(MergeLists(MergeMode::LeftRight, Lines({}), Lines({}), "[", "|", "]").lines(),
                IsEmpty());
}

TEST(MergeTopBottom, OptionalLinesOnlyForNonEmptyTexts) {
    const LineList top = Lines({"t1", ""});
    const LineList bottom = Lines({"b1"});
    EXPECT_THAT(MergeLists(MergeMode::TopBottom, top, bottom, "", "", "").lines(),
                ElementsAre("t1", "", "b1"));
    EXPECT_THAT(MergeLists(MergeMode::TopBottom, top, bottom, "B", "   ", "A").lines(),
                ElementsAre("B", "t1", "", "   ", "b1", "A"));
    EXPECT_THAT(MergeLists(MergeMode::TopBottom, Lines({}), Lines({}), "B", "", "A").lines(),
                ElementsAre("B", "A"));
    EXPECT_THAT(MergeLists(MergeMode::TopBottom, Lines({}), Lines({}), "", "", "").lines(),
                IsEmpty());
}

TEST(MergeLists, SameListOnBothSidesAndInputsUnchanged) {
    const LineList list = Lines({"x", "y"});
    EXPECT_THAT(MergeLists(MergeMode::LeftRight, list, list, "", "=", "").lines(),
                ElementsAre("x=x", "y=y"));
    EXPECT_THAT(MergeLists(MergeMode::TopBottom, list, list, "", "", "").lines(),
                ElementsAre("x", "y", "x", "y"));
    EXPECT_THAT(list.lines(), ElementsAre("x", "y"));
}

}  // namespace
}  // namespace pendara
