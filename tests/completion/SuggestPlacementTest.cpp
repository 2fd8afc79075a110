// Suggestion list geometry: size for the items, place against the caret and the screen edges, moves and opacity under the mouse, list keys.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>

#include "completion/SuggestPlacement.h"
#include "platform/VirtualKeys.h"

namespace skrivo {
namespace win {
// Readable rectangles in failure messages (found by argument lookup).
[[maybe_unused]] static void PrintTo(const TRect& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
[[maybe_unused]] static void PrintTo(const TPoint& p, std::ostream* out) { *out << "(" << p.x << ", " << p.y << ")"; }
}  // namespace win

namespace {

using win::TPoint;
using win::TRect;

constexpr SuggestScreen kScreen{1280, 1024, 17};

TEST(SuggestSize, RowsStopAtEightAndMoreItemsScroll) {
    EXPECT_EQ(SuggestListHeight(1), 22);
    EXPECT_EQ(SuggestListHeight(3), 3 * 17 + 5);
    EXPECT_EQ(SuggestListHeight(8), 141);
    EXPECT_EQ(SuggestListHeight(12), 141);
    EXPECT_EQ(SuggestShownRows(12), 8);
    EXPECT_EQ(SuggestShownRows(-3), 0);
}

TEST(SuggestSize, WidthIsTheWidestCaptionWithRoomForTheScrollBarButNeverUnderEighty) {
    EXPECT_EQ(SuggestListWidth(10, true, 17), 80);
    EXPECT_EQ(SuggestListWidth(72, true, 17), 80);
    EXPECT_EQ(SuggestListWidth(73, true, 17), 81);
    EXPECT_EQ(SuggestListWidth(100, true, 17), 108);
    EXPECT_EQ(SuggestListWidth(100, false, 17), 100 + 17 + 4 + 8);
    // Scrolling short words still leave room beside the scroll bar.
    EXPECT_EQ(SuggestListWidth(60, false, 17), 89);
}

TEST(SuggestSize, ColumnSpansTheClientAreaBesideTheScrollBar) {
    EXPECT_EQ(SuggestColumnWidth(108, true, 17), 107);
    EXPECT_EQ(SuggestColumnWidth(129, false, 17), 111);
}

TEST(SuggestLayoutTest, TwelveItemsScrollInEightRowsAndOneItemHasOneRow) {
    const SuggestLayout twelve = LayOutSuggestList(50, 12, {100, 200}, 13, kScreen);
    EXPECT_TRUE(twelve.scrolls);
    EXPECT_EQ(twelve.bounds, (TRect{100, 213, 100 + 80, 213 + 141}));
    EXPECT_EQ(twelve.columnWidth, 80 - 2 - 17 - 1);

    const SuggestLayout one = LayOutSuggestList(30, 1, {100, 200}, 13, kScreen);
    EXPECT_FALSE(one.scrolls);
    EXPECT_EQ(one.bounds, (TRect{100, 213, 180, 235}));
    EXPECT_EQ(one.columnWidth, 77);

    const SuggestLayout eight = LayOutSuggestList(120, 8, {100, 200}, 13, kScreen);
    EXPECT_FALSE(eight.scrolls);
    EXPECT_EQ(eight.bounds.Width(), 128);
}

struct OriginCase {
    const char* name;
    TPoint caret;
    int lineHeight;
    int width;
    int height;
    TPoint expected;
};

class SuggestOrigin : public ::testing::TestWithParam<OriginCase> {};

TEST_P(SuggestOrigin, PlacesTheListAgainstTheCaretAndTheScreenEdges) {
    const OriginCase& c = GetParam();
    EXPECT_EQ(SuggestListOrigin(c.caret, c.lineHeight, c.width, c.height, kScreen), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SuggestOrigin,
    ::testing::Values(
        OriginCase{"BelowTheCaretLine", {300, 400}, 16, 120, 141, {300, 416}},
        OriginCase{"FitsExactlyAtTheRightEdge", {1160, 400}, 16, 120, 141, {1160, 416}},
        OriginCase{"FlushWithTheRightEdge", {1200, 400}, 16, 120, 141, {1160, 416}},
        OriginCase{"FitsExactlyAtTheBottom", {300, 867}, 16, 120, 141, {300, 883}},
        OriginCase{"AboveTheCaretLineNearTheBottom", {300, 900}, 16, 120, 141, {300, 759}},
        OriginCase{"CaretLineBelowTheScreen", {300, 1020}, 16, 120, 141, {300, 879}},
        OriginCase{"BottomRightCorner", {1270, 1000}, 16, 120, 141, {1160, 859}},
        OriginCase{"WiderThanTheScreenKeepsTheWordBeginningsInView", {500, 400}, 16, 1400, 141, {0, 416}}),
    [](const auto& info) { return std::string(info.param.name); });

struct SwitchCase {
    const char* name;
    TRect window;
    TPoint caret;
    TPoint cursor;
    std::optional<TRect> expected;
};

class SuggestSwitch : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(SuggestSwitch, JumpsToTheOtherSideOfTheCaretLineOrAside) {
    const SwitchCase& c = GetParam();
    EXPECT_EQ(SwitchSuggestPosition(c.window, c.caret, 16, c.cursor, kScreen), c.expected);
}

// Caret at (300, 400) with a 16-pixel line: below the line the list starts
// at 416; above it, a 141-pixel list starts at 259.
INSTANTIATE_TEST_SUITE_P(
    Cases, SuggestSwitch,
    ::testing::Values(
        SwitchCase{"FromBelowToAbove", {300, 416, 400, 557}, {300, 400}, {350, 450}, TRect{300, 259, 400, 400}},
        SwitchCase{"FromAboveToBelow", {300, 259, 400, 400}, {300, 400}, {350, 300}, TRect{300, 416, 400, 557}},
        SwitchCase{"NoRoomAboveStepsLeft", {300, 26, 400, 167}, {300, 10}, {350, 100}, TRect{200, 26, 300, 167}},
        SwitchCase{"NoRoomBelowStepsBackToTheCaret", {200, 870, 300, 1011}, {300, 1011}, {250, 900},
                   TRect{300, 870, 400, 1011}},
        SwitchCase{"AsideIsClampedToTheLeftEdge", {40, 26, 140, 167}, {40, 10}, {100, 100}, TRect{0, 26, 100, 167}},
        SwitchCase{"AsideIsClampedToTheRightEdge", {1100, 870, 1200, 1011}, {1250, 1011}, {1150, 900},
                   TRect{1180, 870, 1280, 1011}},
        SwitchCase{"StaysWhenTheNewPlaceIsUnderTheMouseToo", {1180, 870, 1280, 1011}, {1250, 1011}, {1200, 900},
                   std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct AlphaCase {
    bool inside;
    bool semiTransparent;
    int level;
    int expected;
};

class SuggestAlpha : public ::testing::TestWithParam<AlphaCase> {};

TEST_P(SuggestAlpha, FadesUnderTheMouse) {
    const AlphaCase& c = GetParam();
    EXPECT_EQ(SuggestMouseOverAlpha(c.inside, c.semiTransparent, c.level), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SuggestAlpha,
                         ::testing::Values(AlphaCase{false, true, 220, 220}, AlphaCase{true, true, 220, 165},
                                           AlphaCase{true, false, 220, 220}, AlphaCase{false, false, 220, 255},
                                           AlphaCase{true, true, 255, 191}, AlphaCase{true, true, 1000, 191},
                                           AlphaCase{false, true, -5, 0}));

TEST(SuggestAlphaShown, SemiTransparentTakesTheConfiguredLevelWithinRange) {
    EXPECT_EQ(SuggestShownAlpha(false, 100), 255);
    EXPECT_EQ(SuggestShownAlpha(true, 100), 100);
    EXPECT_EQ(SuggestShownAlpha(true, 300), 255);
    EXPECT_EQ(SuggestShownAlpha(true, -1), 0);
}

struct KeyCase {
    const char* name;
    win::WORD vk;
    int reference;
    int top;
    int expected;
};

class ListKeys : public ::testing::TestWithParam<KeyCase> {};

// Twenty items, eight rows in view.
TEST_P(ListKeys, MoveAsTheListViewDoes) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(ListViewKeyTarget(c.vk, c.reference, c.top, 8, 20), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListKeys,
    ::testing::Values(KeyCase{"DownMovesOne", win::VK_DOWN, 3, 0, 4}, KeyCase{"DownStopsAtTheEnd", win::VK_DOWN, 19, 12, 19},
                      KeyCase{"DownWithoutFocusStartsAtTheTop", win::VK_DOWN, -1, 0, 0},
                      KeyCase{"UpMovesOne", win::VK_UP, 3, 0, 2}, KeyCase{"UpStopsAtTheTop", win::VK_UP, 0, 0, 0},
                      KeyCase{"Home", win::VK_HOME, 13, 6, 0}, KeyCase{"End", win::VK_END, 2, 0, 19},
                      KeyCase{"PageDownGoesToTheLastRowInView", win::VK_NEXT, 2, 0, 7},
                      KeyCase{"PageDownFromTheLastRowInViewGoesAPageOn", win::VK_NEXT, 7, 0, 14},
                      KeyCase{"PageDownStopsAtTheEnd", win::VK_NEXT, 18, 11, 19},
                      KeyCase{"PageUpGoesToTheFirstRowInView", win::VK_PRIOR, 9, 5, 5},
                      KeyCase{"PageUpFromTheFirstRowInViewGoesAPageBack", win::VK_PRIOR, 9, 9, 2},
                      KeyCase{"PageUpStopsAtTheTop", win::VK_PRIOR, 3, 3, 0},
                      KeyCase{"OtherKeysDoNotMove", win::VK_LEFT, 3, 0, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListKeysEmpty, NothingToMoveToInAnEmptyList) {
    EXPECT_EQ(ListViewKeyTarget(win::VK_DOWN, -1, 0, 8, 0), -1);
    EXPECT_EQ(ListViewKeyTarget(win::VK_END, -1, 0, 0, 3), 2);
    EXPECT_EQ(ListViewKeyTarget(win::VK_NEXT, 0, 0, 0, 3), 0);  // no full row in view: a page is one row
}

}  // namespace
}  // namespace skrivo
