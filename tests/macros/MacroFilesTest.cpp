// Macro portions and macro list files: layouts byte by byte, round trips, and damaged data read safely.
#include <random>

#include <gtest/gtest.h>

#include "macros/MacroListFile.h"
#include "macros/MacroPortions.h"

namespace skrivo {
namespace {

std::string Int32(std::int32_t v) {
    TMemoryStream s;
    s.WriteInt32(v);
    return std::string(s.Bytes());
}

std::unique_ptr<TMacro> Macro(std::string name, std::uint16_t shortCut, std::string data) {
    auto m = std::make_unique<TMacro>();
    m->SetName(std::move(name));
    m->SetShtcut(shortCut);
    TMemoryStream s(std::move(data));
    m->LoadFromStream(s);
    return m;
}

std::string ListBytes(const std::vector<std::unique_ptr<TMacro>>& macros) {
    std::vector<const TMacro*> view;
    for (const auto& m : macros) view.push_back(m.get());
    return MacroListBytes(view);
}

TEST(MacroPortions, SearchAndCallPortionsHaveTheirLayoutAndReadBack) {
    TMemoryStream out;
    WriteSearchPortion(out, {true, false, true, false, false, true, "abc"});
    WriteCallPortion(out, {3, true, false, "x:=", std::string("\x05\x00\x00\x00", 4)});
    const std::string expected = Int32(-1) + std::string("\x01\x00\x01\x00\x00\x01", 6) + Int32(3) + "abc" +
                                 Int32(-2) + Int32(3) + std::string("\x01\x00", 2) + Int32(3) + "x:=" + Int32(4) +
                                 std::string("\x05\x00\x00\x00", 4);
    EXPECT_EQ(out.Bytes(), expected);

    out.SetPosition(0);
    ASSERT_EQ(out.ReadInt32(), kSearchPortionTag);
    const TSearchPortion search = ReadSearchPortion(out);
    EXPECT_TRUE(search.caseSensitive && search.regularExpression && search.fromCursor);
    EXPECT_FALSE(search.wholeWords || search.wholeFile || search.forward);
    EXPECT_EQ(search.text, "abc");
    ASSERT_EQ(out.ReadInt32(), kCallPortionTag);
    const TCallPortion call = ReadCallPortion(out);
    EXPECT_EQ(call.repeatCount, 3);
    EXPECT_TRUE(call.checkOnce);
    EXPECT_FALSE(call.stopIfNotMatches);
    EXPECT_EQ(call.textAtCursor, "x:=");
    EXPECT_EQ(call.inner.size(), 4u);
    EXPECT_EQ(out.Remaining(), 0u);
}

TEST(MacroPortions, LyingLengthsAreDataErrors) {
    const std::string flags(6, '\0');
    for (const std::string& body : {flags + Int32(-5), flags + Int32(1000) + "ab", flags + Int32(2) + "a",
                                    std::string("\x01\x01", 2)}) {
        TMemoryStream in(body);
        EXPECT_THROW(ReadSearchPortion(in), EMacroDataError);
    }
    TMemoryStream huge(Int32(1) + std::string("\0\0", 2) + Int32(0) + Int32(0x7FFFFFFF));
    EXPECT_THROW(ReadCallPortion(huge), EMacroDataError);
    TMemoryStream keys("abc");
    EXPECT_THROW(ReadKeystrokePortion(keys, 4), EMacroDataError);
    EXPECT_THROW(ReadKeystrokePortion(keys, -3), EMacroDataError);
}

TEST(MacroListFile, HandBuiltFileHasEveryFieldWhereTheFormatSays) {
    std::vector<std::unique_ptr<TMacro>> macros;
    macros.push_back(Macro("ab", 0x6041, std::string("\x00\xFF\x10", 3)));
    macros.push_back(Macro("", 0, ""));
    const std::string bytes = ListBytes(macros);
    std::size_t at = 0;
    auto take = [&](std::size_t n) {
        std::string part = bytes.substr(at, n);
        at += n;
        return part;
    };
    EXPECT_EQ(take(28), "Skrivo Expert - macros list.");
    EXPECT_EQ(take(4), Int32(2));
    EXPECT_EQ(take(4), Int32(2));
    EXPECT_EQ(take(2), "ab");
    EXPECT_EQ(take(4), Int32(0x6041));
    EXPECT_EQ(take(4), Int32(3));
    EXPECT_EQ(take(3), std::string("\x00\xFF\x10", 3));
    EXPECT_EQ(take(4), Int32(0));  // an empty name has no name bytes
    EXPECT_EQ(take(4), Int32(0));
    EXPECT_EQ(take(4), Int32(0));
    EXPECT_EQ(at, bytes.size());
}

TEST(MacroListFile, AFileReadBackIsWrittenByteIdentical) {
    std::vector<std::unique_ptr<TMacro>> macros;
    macros.push_back(Macro("first", 0x4045, Int32(3) + "abc" + Int32(-1) + std::string(6, '\1') + Int32(1) + "z"));
    macros.push_back(Macro("", 0x2008, ""));
    macros.push_back(Macro("\xE4\xF6", 0, std::string(300, '\x7F')));
    const std::string bytes = ListBytes(macros);
    const TMacroListRead read = ReadMacroList(bytes);
    ASSERT_TRUE(read.recognised);
    EXPECT_FALSE(read.damaged);
    ASSERT_EQ(read.macros.size(), 3u);
    EXPECT_EQ(read.macros[1]->FName, "");
    EXPECT_EQ(read.macros[1]->FShtcut, 0x2008);
    EXPECT_EQ(ListBytes(read.macros), bytes);
}

TEST(MacroListFile, OnlyTheTwentyEightHeaderBytesDecide) {
    const std::string header(kMacroListHeader);
    EXPECT_TRUE(ReadMacroList(header + Int32(0)).recognised);
    EXPECT_FALSE(ReadMacroList(header.substr(0, 27)).recognised);
    EXPECT_FALSE(ReadMacroList("Skrivo Expert - macros list!" + Int32(0)).recognised);
    // Nothing after the header: recognised, nothing read, damaged.
    EXPECT_TRUE(ReadMacroList(header).damaged);
}

// Every cut of a file and random damage to it: the reader never throws and
// keeps exactly the macros it could read whole, in order.
TEST(MacroListFile, DamagedFilesKeepTheMacrosReadWholeBeforeTheDamage) {
    std::vector<std::unique_ptr<TMacro>> macros;
    for (int i = 0; i < 4; ++i) macros.push_back(Macro("m" + std::to_string(i), static_cast<std::uint16_t>(i), std::string(static_cast<std::size_t>(5 * i), 'k')));
    const std::string bytes = ListBytes(macros);
    for (std::size_t cut = kMacroListHeader.size(); cut < bytes.size(); ++cut) {
        const TMacroListRead read = ReadMacroList(bytes.substr(0, cut));
        EXPECT_TRUE(read.damaged) << cut;
        for (std::size_t i = 0; i < read.macros.size(); ++i) {
            EXPECT_EQ(read.macros[i]->FName, macros[i]->FName);
            EXPECT_EQ(read.macros[i]->FData.Bytes(), macros[i]->FData.Bytes());
        }
    }
    std::mt19937 random(14);
    for (int round = 0; round < 2000; ++round) {
        std::string damaged = bytes;
        for (int n = 0; n < 4; ++n)
            damaged[kMacroListHeader.size() + random() % (damaged.size() - kMacroListHeader.size())] = static_cast<char>(random());
        const TMacroListRead read = ReadMacroList(damaged);
        EXPECT_LE(read.macros.size(), static_cast<std::size_t>(0x7FFFFFFF));
    }
}

}  // namespace
}  // namespace skrivo
