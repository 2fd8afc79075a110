// The default substitution list: which pair fits which typed line, and how much typed text it replaces.
#include <gtest/gtest.h>

#include "config/DefaultConfig.h"
#include "platform/StringList.h"
#include "subst/SubstitutionEngine.h"

namespace skrivo::subst {
namespace {

struct Typed {
    const char* before;
    const char* after;
    int pair;              // 1-based entry of the default list; 0: none fits
    std::size_t removed;   // characters of typed text it replaces
};

class DefaultSubstitutions : public ::testing::TestWithParam<Typed> {
protected:
    static StringList Defaults() {
        StringList list;
        list.SetText(std::string(DefaultSubstitutionText()));
        return list;
    }
};

TEST_P(DefaultSubstitutions, FirstFittingEntry) {
    const Typed& t = GetParam();
    SubstitutionEngine engine;
    const auto fit = engine.FindFit(Defaults(), t.before, t.after);
    if (t.pair == 0) {
        EXPECT_FALSE(fit) << "entry " << (fit ? fit->pair + 1 : 0) << " fits";
        return;
    }
    ASSERT_TRUE(fit);
    EXPECT_EQ(static_cast<int>(fit->pair) + 1, t.pair);
    EXPECT_EQ(fit->removeBefore, t.removed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DefaultSubstitutions,
    ::testing::Values(
        Typed{"  for i=", "", 1, 1}, Typed{"  for i:=", "", 0, 0},  // ":=" already there
        Typed{"  for i := 1 ", "", 2, 1}, Typed{"  for i := 1 to 10 ", "", 3, 1},
        Typed{"  for i := 1 to 10 ", "x", 0, 0},
        Typed{"  wh ", "", 4, 3}, Typed{"wh ", "", 4, 3}, Typed{"  wh ", "x := 1;", 0, 0}, Typed{"  wh  ", "", 4, 4},
        Typed{"  while ", "", 5, 6}, Typed{"  if ", "", 6, 3}, Typed{"  if ", "a then", 0, 0},
        Typed{"  if a=", "", 7, 1}, Typed{"  x=", "", 8, 1}, Typed{"  x=", "y", 9, 1},
        Typed{"  x :=", "", 0, 0}, Typed{"  x<=", "", 0, 0}, Typed{"  while x=", "y", 0, 0}, Typed{"  while x=", "", 8, 1},
        Typed{"  q.fb\\", "", 10, 4}, Typed{"  bg ", "", 11, 3}, Typed{"  b\\", "", 12, 2},
        Typed{"  ee\\", "", 13, 3}, Typed{"  e\\", "", 14, 2}, Typed{"  end\\", ";", 15, 4},
        Typed{"  x:i", "", 16, 2}, Typed{"  f(x:i", "", 17, 2}, Typed{"  x:d", "", 18, 2}, Typed{"  f(x:d", ")", 19, 2},
        Typed{"  x:b", "", 20, 2}, Typed{"  f(x:b", "", 21, 2}, Typed{"  x:s", "", 22, 2}, Typed{"  f(x:s", "", 23, 2},
        Typed{"  x:a", "", 24, 2}, Typed{"  f(x:a", "", 25, 2}, Typed{"  try", "", 26, 3},
        Typed{"  e", "FINALLY", 27, 1}, Typed{"  FINALLYe", "", 28, 8}, Typed{"  EXCEPTf", "", 29, 7},
        Typed{"  repeat", "", 30, 6}, Typed{"  case ", "", 31, 5}, Typed{"  t\\", "", 32, 2}, Typed{"  f\\", "", 33, 2},
        Typed{"  begin", "", 0, 0}, Typed{"", "", 0, 0}));

TEST(SubstitutionEngine, DisabledAndOddLinesAreNeverUsed) {
    StringList list;
    list.SetText("~* wh |\rwhile | do\r\x01* if |\rif | then\r* x|");
    SubstitutionEngine engine;
    EXPECT_FALSE(engine.FindFit(list, "  wh ", ""));
    EXPECT_FALSE(engine.FindFit(list, "  if ", ""));
    EXPECT_FALSE(engine.FindFit(list, "  x", ""));
    // The switched-off mark fits only a line that starts with it.
    EXPECT_TRUE(engine.FindFit(list, "\x01x if ", ""));
}

TEST(SubstitutionEngine, FollowsAChangedList) {
    StringList list;
    list.SetText("*ab|\rX");
    SubstitutionEngine engine;
    EXPECT_TRUE(engine.FindFit(list, "ab", ""));
    list.SetText("*cd|\rY");
    EXPECT_FALSE(engine.FindFit(list, "ab", ""));
    EXPECT_EQ(engine.FindFit(list, "cd", "")->replacement, "Y");
}

}  // namespace
}  // namespace skrivo::subst
