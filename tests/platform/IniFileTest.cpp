// INI files: values read and written as the profile functions do, everything else kept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlatformTestSupport.h"
#include "platform/FileIO.h"
#include "platform/IniFile.h"

namespace skrivo {
namespace {

constexpr const char* kSection = "Skrivo configuration";

class IniTest : public ::testing::Test {
protected:
    std::string Path() const { return dir_.File("user.LastConfig.sk"); }
    skrivo::testing::TempFolder dir_;
};

TEST_F(IniTest, ValuesRoundTripThroughTheFile) {
    {
        IniFile ini(Path());
        ini.WriteString(kSection, "Directory", "/home/u/dic/");
        ini.WriteInteger(kSection, "DelayTime", 250);
        ini.WriteInteger(kSection, "Min", -2147483647 - 1);
        ini.WriteBool(kSection, "SelfTeaching", true);
        ini.WriteBool(kSection, "WordsFromAllUnits", false);
        ini.WriteString(kSection, "Macro0Data", "00FF10");
        ini.WriteString(kSection, "Word24", " S");  // a hide-after word: blank, then S
        ini.WriteString(kSection, "Quoted", "'x'");
        ini.WriteString(kSection, "Empty", "");
        ini.UpdateFile();
    }
    EXPECT_EQ(ReadFileBytes(Path()),
              "[Skrivo configuration]\r\nDirectory=/home/u/dic/\r\nDelayTime=250\r\nMin=-2147483648\r\n"
              "SelfTeaching=1\r\nWordsFromAllUnits=0\r\nMacro0Data=00FF10\r\nWord24=\" S\"\r\nQuoted=\"'x'\"\r\n"
              "Empty=\r\n");
    IniFile ini(Path());
    EXPECT_EQ(ini.ReadString(kSection, "Directory", ""), "/home/u/dic/");
    EXPECT_EQ(ini.ReadInteger(kSection, "DelayTime", 0), 250);
    EXPECT_EQ(ini.ReadInteger(kSection, "Min", 0), -2147483647 - 1);
    EXPECT_TRUE(ini.ReadBool(kSection, "SelfTeaching", false));
    EXPECT_FALSE(ini.ReadBool(kSection, "WordsFromAllUnits", true));
    EXPECT_EQ(ini.ReadString(kSection, "Word24", ""), " S");
    EXPECT_EQ(ini.ReadString(kSection, "Quoted", ""), "'x'");
    EXPECT_TRUE(ini.ValueExists(kSection, "Empty"));
    EXPECT_EQ(ini.ReadString(kSection, "Empty", "def"), "");
    EXPECT_EQ(ini.ReadString(kSection, "Missing", "def"), "def");
    EXPECT_FALSE(ini.Modified());
}

TEST_F(IniTest, UntouchedContentSurvivesByteForByte) {
    const std::string original =
        "; written by hand\r\n"
        "[Other]\r\n"
        "  Spaced Key  =  spaced value  \r\n"
        "no equals sign here\r\n"
        "\r\n"
        "[Skrivo configuration]\r\n"
        "DelayTime=500\r\n"
        "; keep me\r\n"
        "Language=1\r\n"
        "\r\n"
        "[Last]\n"
        "x=1";
    WriteFileAtomic(Path(), original);
    IniFile ini(Path());
    EXPECT_EQ(ini.ReadString("other", "spaced key", ""), "spaced value");
    ini.WriteInteger(kSection, "DelayTime", 750);   // changed in place
    ini.WriteInteger(kSection, "KeyComplete", 2);   // new: after the section's last entry
    ini.WriteString("New", "a", "b");               // new section at the end
    ini.UpdateFile();
    EXPECT_EQ(ReadFileBytes(Path()),
              "; written by hand\r\n"
              "[Other]\r\n"
              "  Spaced Key  =  spaced value  \r\n"
              "no equals sign here\r\n"
              "\r\n"
              "[Skrivo configuration]\r\n"
              "DelayTime=750\r\n"
              "; keep me\r\n"
              "Language=1\r\n"
              "KeyComplete=2\r\n"
              "\r\n"
              "[Last]\r\n"
              "x=1\r\n"
              "[New]\r\n"
              "a=b\r\n");
}

TEST_F(IniTest, NamesIgnoreCaseAndSurroundingBlanks) {
    WriteFileAtomic(Path(), "[ Skrivo Configuration ]\nDELAYTIME = 300\n");
    IniFile ini(Path());
    EXPECT_TRUE(ini.SectionExists(kSection));
    EXPECT_EQ(ini.ReadInteger(kSection, "DelayTime", 0), 300);
    ini.WriteInteger("SKRIVO CONFIGURATION", "delaytime", 400);
    EXPECT_EQ(ini.ReadSection(kSection), std::vector<std::string>{"DELAYTIME"});
    ini.UpdateFile();
    EXPECT_EQ(ReadFileBytes(Path()), "[ Skrivo Configuration ]\r\nDELAYTIME=400\r\n");
}

struct NumberCase {
    const char* text;
    std::int32_t expected;  // with default -7
};

class IniNumbers : public IniTest, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(IniNumbers, TextThatIsNotANumberReadsAsTheDefault) {
    IniFile ini(Path());
    ini.WriteString(kSection, "N", GetParam().text);
    EXPECT_EQ(ini.ReadInteger(kSection, "N", -7), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IniNumbers,
    ::testing::Values(NumberCase{"42", 42}, NumberCase{" 42 ", 42}, NumberCase{"-5", -5}, NumberCase{"+5", 5},
                      NumberCase{"0x1F", 31}, NumberCase{"$10", 16}, NumberCase{"$FFFFFFFF", -1},
                      NumberCase{"2147483647", 2147483647}, NumberCase{"-2147483648", -2147483647 - 1},
                      NumberCase{"2147483648", -7}, NumberCase{"99999999999999999999", -7},
                      NumberCase{"0x100000000", -7}, NumberCase{"", -7}, NumberCase{"abc", -7},
                      NumberCase{"12abc", -7}, NumberCase{"1.5", -7}, NumberCase{"-", -7}, NumberCase{"0x", -7},
                      NumberCase{"true", -7}));

TEST_F(IniTest, BooleansAreNumbers) {
    IniFile ini(Path());
    for (auto [text, expected] : {std::pair{"1", true}, std::pair{"0", false}, std::pair{"2", true},
                                  std::pair{"-1", true}, std::pair{"yes", true}}) {
        ini.WriteString(kSection, "B", text);
        EXPECT_EQ(ini.ReadBool(kSection, "B", true), expected) << text;
    }
    ini.WriteString(kSection, "B", "no");
    EXPECT_FALSE(ini.ReadBool(kSection, "B", false));
}

TEST_F(IniTest, LineBreaksAndNulsInAValueCannotForgeOrHideEntries) {
    IniFile ini(Path());
    ini.WriteString(kSection, "Condition0", "a\r\nDelayTime=1\n[Evil]");
    // A NUL ends the text for the reader: written as it is, it would hide every line after it.
    ini.WriteString(kSection, "Macro0Name", std::string("m\0x", 3));
    ini.WriteString(kSection, "After", "kept");
    ini.UpdateFile();
    IniFile back(Path());
    EXPECT_FALSE(back.ValueExists(kSection, "DelayTime"));
    EXPECT_FALSE(back.SectionExists("Evil"));
    EXPECT_EQ(back.ReadString(kSection, "Condition0", ""), "a  DelayTime=1 [Evil]");
    EXPECT_EQ(back.ReadString(kSection, "Macro0Name", ""), "m x");
    EXPECT_EQ(back.ReadString(kSection, "After", ""), "kept");
}

TEST_F(IniTest, DeletingKeysAndSections) {
    WriteFileAtomic(Path(), "[A]\r\nx=1\r\ny=2\r\nx=3\r\n[B]\r\nz=1\r\n[a]\r\nw=1\r\n");
    IniFile ini(Path());
    EXPECT_EQ(ini.ReadInteger("A", "x", 0), 1);  // the first of duplicates counts
    ini.DeleteKey("A", "X");
    EXPECT_FALSE(ini.ValueExists("A", "x"));     // duplicates go too
    EXPECT_TRUE(ini.ValueExists("A", "y"));
    ini.DeleteKey("A", "missing");
    ini.DeleteKey("Missing", "x");
    ini.EraseSection("a");
    EXPECT_FALSE(ini.SectionExists("A"));
    EXPECT_TRUE(ini.Modified());
    ini.UpdateFile();
    EXPECT_EQ(ReadFileBytes(Path()), "[B]\r\nz=1\r\n");
}

TEST_F(IniTest, NothingWrittenUntilSomethingChanges) {
    IniFile ini(Path());
    EXPECT_FALSE(ini.SectionExists(kSection));
    ini.UpdateFile();
    EXPECT_FALSE(FileExists(Path()));
    ini.WriteInteger(kSection, "A", 1);
    ini.UpdateFile();
    ASSERT_TRUE(FileExists(Path()));
    SetFileWriteTime(Path(), 130000000000000000ULL);
    ini.WriteInteger(kSection, "A", 1);  // the same value: no change
    EXPECT_FALSE(ini.Modified());
    ini.UpdateFile();
    EXPECT_EQ(GetFileWriteTime(Path()), std::optional<FileTime>(130000000000000000ULL));
}

TEST_F(IniTest, FailuresAreReportedAndKeepTheChanges) {
    IniFile ini(dir_.File("missing/folder/x.sk"));
    ini.WriteInteger(kSection, "A", 1);
    EXPECT_THROW(ini.UpdateFile(), FileError);
    EXPECT_TRUE(ini.Modified());
    ForceDirectories(dir_.File("folder.sk"));
    EXPECT_THROW(IniFile{dir_.File("folder.sk")}, FileError);
}

// Reading stops at a NUL; the first write that would drop what follows keeps
// the whole file beside it first.
TEST_F(IniTest, TextAfterANulIsKeptBesideTheFileBeforeItIsDropped) {
    const std::string path = dir_.File("a.sk");
    const std::string original("[S]\r\nA=1\r\n\0B=2\r\n", 18);
    WriteFileAtomic(path, original);
    IniFile ini(path);
    EXPECT_FALSE(ini.ValueExists("S", "B"));
    ini.WriteInteger("S", "A", 3);
    ini.UpdateFile();
    EXPECT_EQ(ini.KeptBackup(), path + ".bak");
    EXPECT_EQ(ReadFileBytes(path + ".bak"), original);
    EXPECT_EQ(ReadFileBytes(path), "[S]\r\nA=3\r\n");
}

TEST_F(IniTest, LongHexadecimalValuesSurvive) {
    std::string hex;
    for (int i = 0; i < 20000; ++i) hex += "0123456789ABCDEF"[i % 16];
    IniFile ini(Path());
    ini.WriteString(kSection, "Macro0Data", hex);
    ini.UpdateFile();
    EXPECT_EQ(IniFile(Path()).ReadString(kSection, "Macro0Data", ""), hex);
}

}  // namespace
}  // namespace skrivo
