// The ".bm" file beside a unit: its name, its ten lines, and what a damaged file still gives.
#include <gtest/gtest.h>

#include "bookmarks/BookmarkFile.h"

namespace skrivo {
namespace {

TEST(BookmarkFileNameTest, NamedAfterTheUnitUpToItsFirstDot) {
    EXPECT_EQ(BookmarkFileName("/src/Unit1.pas"), "/src/Unit1.bm");
    EXPECT_EQ(BookmarkFileName("/src/My.Unit.pas"), "/src/My.bm");
    EXPECT_EQ(BookmarkFileName("/src/v1.2/Unit1.pas"), "/src/v1.2/Unit1.bm");  // a dotted folder stays a folder
    EXPECT_EQ(BookmarkFileName("/src/v1.2/Makefile"), std::nullopt);
    EXPECT_EQ(BookmarkFileName("Unit1."), "Unit1.bm");
}

TEST(BookmarkFormatTest, TenLinesWithZerosForBookmarksNotSet) {
    BookmarkPlaces places{};
    places[1] = {12, 4};
    places[5] = {30, 0};
    const StringList lines = FormatBookmarks(places);
    EXPECT_EQ(lines.Text(), "0 0\r\n12 4\r\n0 0\r\n0 0\r\n0 0\r\n30 0\r\n0 0\r\n0 0\r\n0 0\r\n0 0\r\n");
    EXPECT_TRUE(AnyBookmarkSet(places));
    EXPECT_FALSE(AnyBookmarkSet(BookmarkPlaces{}));
    EXPECT_EQ(ParseBookmarks(lines), places);
}

TEST(BookmarkFormatTest, DamagedLinesGiveBookmarksNotSetAndTheRestIsRead) {
    StringList lines;
    lines.SetText("x 3\r\n7 4\r\n12\r\n99999999999 1\r\n5 -2\r\n8 2 extra\r\n\r\n9 1");
    const BookmarkPlaces places = ParseBookmarks(lines);
    BookmarkPlaces expected{};
    expected[1] = {7, 4};
    expected[4] = {5, -2};  // read as written; the editor refuses it when setting
    expected[7] = {9, 1};
    EXPECT_EQ(places, expected);
}

}  // namespace
}  // namespace skrivo
