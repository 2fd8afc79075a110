// TMacro and the macro list: copying, streaming and ownership.
#include <gtest/gtest.h>

#include "macros/Macro.h"
#include "macros/MacroList.h"

namespace skrivo {
namespace {

TMacro MakeMacro(std::string name, std::uint16_t shortcut, std::string data) {
    TMacro m;
    m.SetName(std::move(name));
    m.SetShtcut(shortcut);
    TMemoryStream s(std::move(data));
    m.LoadFromStream(s);
    return m;
}

TEST(Macro, NewMacroIsEmptyUnnamedWithoutShortcut) {
    TMacro m;
    EXPECT_TRUE(m.Empty());
    EXPECT_EQ(m.GetSize(), 0);
    EXPECT_EQ(m.FName, "");
    EXPECT_EQ(m.FShtcut, 0);
    EXPECT_EQ(m.FListIndex, -1);
}

TEST(Macro, LoadFromStreamTakesWholeStreamFromItsStart) {
    TMemoryStream s(std::string("\x00\xFF\x10", 3));
    s.SetPosition(2);  // the position of the source does not matter
    TMacro m;
    m.LoadFromStream(s);
    EXPECT_EQ(m.GetSize(), 3);
    EXPECT_EQ(std::string(m.GetData(), 3), std::string("\x00\xFF\x10", 3));
    EXPECT_EQ(m.FData.Position(), 0u);  // ready to be played from the start

    TMemoryStream shorter("x");
    m.LoadFromStream(shorter);
    EXPECT_EQ(m.GetSize(), 1);  // replaced, not merged
}

TEST(Macro, SaveToStreamWritesWholeDataAtStreamPosition) {
    TMacro m = MakeMacro("m", 0, "data");
    m.FData.SetPosition(2);
    TMemoryStream out("head:");
    out.Seek(0, TSeekOrigin::soEnd);
    m.SaveToStream(out);
    EXPECT_EQ(out.Bytes(), "head:data");
}

TEST(Macro, AppendFromStreamAddsRestOfStreamAtEnd) {
    TMacro m = MakeMacro("m", 0, "abc");
    TMemoryStream s("0123");
    s.SetPosition(1);
    m.AppendFromStream(s);
    EXPECT_EQ(m.FData.Bytes(), "abc123");
    EXPECT_EQ(m.FData.Position(), 6u);  // the next portion goes after this one

    // An exhausted stream appends nothing (not the whole stream again).
    m.AppendFromStream(s);
    EXPECT_EQ(m.FData.Bytes(), "abc123");
}

TEST(Macro, AssignCopiesNameShortcutAndDataButNotListIndex) {
    TMacro src = MakeMacro("first", 0x4045, std::string("\x01\x00\x02", 3));
    src.FListIndex = 7;
    TMacro dst = MakeMacro("old", 0x2008, "longer old data");
    dst.FListIndex = 2;
    dst.Assign(src);
    EXPECT_EQ(dst.FName, "first");
    EXPECT_EQ(dst.FShtcut, 0x4045);
    EXPECT_EQ(dst.FData.Bytes(), src.FData.Bytes());
    EXPECT_EQ(dst.FListIndex, 2);
    dst.FData.WriteBytes("zz");  // independent data
    EXPECT_EQ(src.GetSize(), 3);
}

TEST(MacroList, CopyIsDeepAndKeepsOrder) {
    TMacroList list;
    list.Add(std::make_unique<TMacro>(MakeMacro("a", 1, "1")));
    list.Add(std::make_unique<TMacro>(MakeMacro("b", 2, "22")));
    TMacroList snapshot = list;
    list[0].SetName("changed");
    ASSERT_EQ(snapshot.Count(), 2u);
    EXPECT_EQ(snapshot[0].FName, "a");
    EXPECT_EQ(snapshot[1].FData.Bytes(), "22");
    EXPECT_NE(&snapshot[0], &list[0]);
}

TEST(MacroList, ReorderingKeepsMacroAddresses) {
    TMacroList list;
    TMacro& a = list.Add(std::make_unique<TMacro>(MakeMacro("a", 0, "")));
    TMacro& b = list.Add(std::make_unique<TMacro>(MakeMacro("b", 0, "")));
    TMacro& head = list.Insert(0, std::make_unique<TMacro>(MakeMacro("rec", 0, "")));
    EXPECT_EQ(list.IndexOf(&head), 0);
    list.Move(2, 0);  // b to the top
    EXPECT_EQ(&list[0], &b);
    EXPECT_EQ(list.IndexOf(&a), 2);
    auto taken = list.Extract(1);
    EXPECT_EQ(taken.get(), &head);
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.IndexOf(&head), -1);
    EXPECT_THROW(list.Move(0, 2), std::out_of_range);
    EXPECT_THROW(list.Insert(3, std::make_unique<TMacro>()), std::out_of_range);
}

}  // namespace
}  // namespace skrivo
