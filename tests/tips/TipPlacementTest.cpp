// Where the tip window goes for carets across the screen: near the caret, never over the point beside it.
#include <gtest/gtest.h>

#include "tips/TipPlacement.h"

namespace skrivo {
namespace {

struct PlacementCase {
    win::TPoint caret;
    win::TRect expected;
};

class TipPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(TipPlacementTest, KeepsThePointBesideTheCaretFree) {
    const win::TRect placed = PlaceTipWindow(GetParam().caret, {0, 0, 246, 120}, 1280, 1024);
    EXPECT_EQ(placed, GetParam().expected);
    const win::TPoint beside{GetParam().caret.x + 20, GetParam().caret.y + 20};
    EXPECT_FALSE(win::PtInRect(placed, beside));
}

INSTANTIATE_TEST_SUITE_P(
    Carets, TipPlacementTest,
    ::testing::Values(PlacementCase{{400, 300}, {570, 315, 816, 435}},     // left of it was too close to the edge
                      PlacementCase{{800, 300}, {424, 315, 670, 435}},     // to its left
                      PlacementCase{{40, 40}, {210, 0, 456, 120}},         // near the top-left corner: to its right
                      PlacementCase{{1200, 950}, {824, 745, 1070, 865}})); // bottom-right: up and to the left

}  // namespace
}  // namespace skrivo
