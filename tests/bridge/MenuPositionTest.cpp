// Where the expert's menu items land among a bar's items and separators.
#include <gtest/gtest.h>

#include "bridge/MenuPosition.h"

namespace skrivo {
namespace {

const std::vector<std::string> kTools = {"Environment Options...", "Editor Options...", "-", "Configure Tools...",
                                         "-", "Database Desktop"};

TEST(MenuPosition, MinusAndPlusHundredBothMeanTheFirstSeparator) {
    EXPECT_EQ(TranslateMenuPosition(kTools, -100), 2);
    EXPECT_EQ(TranslateMenuPosition(kTools, 100), 2);
}

TEST(MenuPosition, LaterSeparatorsCountFromZero) {
    EXPECT_EQ(TranslateMenuPosition(kTools, -101), 4);
    EXPECT_EQ(TranslateMenuPosition(kTools, 101), 4);
}

TEST(MenuPosition, MissingSeparatorMeansTheLastItem) {
    EXPECT_EQ(TranslateMenuPosition(kTools, 102), 5);
    EXPECT_EQ(TranslateMenuPosition(kTools, -110), 5);
    EXPECT_EQ(TranslateMenuPosition({"One", "Two"}, -100), 1);
    EXPECT_EQ(TranslateMenuPosition({}, -100), 0);
}

TEST(MenuPosition, OtherPositionsAreIndexes) {
    EXPECT_EQ(TranslateMenuPosition(kTools, 3), 3);
    EXPECT_EQ(TranslateMenuPosition(kTools, 0), 0);
    EXPECT_EQ(TranslateMenuPosition(kTools, 99), 99);    // just outside the separator range
    EXPECT_EQ(TranslateMenuPosition(kTools, 111), 111);
    EXPECT_EQ(TranslateMenuPosition(kTools, -99), -99);
}

TEST(MenuPosition, BarsAreFoundByTheirComponentNames) {
    EXPECT_STREQ(MenuBarName(mbiFile), "FileMenu");
    EXPECT_STREQ(MenuBarName(mbiView), "ViewsMenu");
    EXPECT_STREQ(MenuBarName(mbiTools), "ToolsMenu");
    EXPECT_STREQ(MenuBarName(mbiHelp), "HelpMenu");
    EXPECT_STREQ(MenuBarName(static_cast<TMenuBarItem>(42)), "");
}

}  // namespace
}  // namespace skrivo
