// How values look in each store: registry types, INI texts, macro data as hexadecimal.
#include <gtest/gtest.h>

#include <filesystem>

#include "TempHome.h"
#include "config/ConfigBackend.h"
#include "config/ConfigError.h"
#include "config/ConfigStore.h"
#include "config/HexText.h"
#include "platform/FileIO.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"

namespace skrivo {
namespace {

TEST(HexText, UpperCaseDigitPairs) {
    EXPECT_EQ(BytesToHex(std::string("\x00\xFF\x10", 3)), "00FF10");
    EXPECT_EQ(BytesToHex(""), "");
    EXPECT_EQ(BytesToHex("\xAB\x0c"), "AB0C");
}

TEST(HexText, DecoderSkipsForeignCharactersAndAnOddLastDigit) {
    EXPECT_EQ(HexToBytes("00FF10"), std::string("\x00\xFF\x10", 3));
    EXPECT_EQ(HexToBytes("00ff1"), std::string("\x00\xFF", 2));
    EXPECT_EQ(HexToBytes("aB Cd"), "\xAB\xCD");
    // Skipped characters neither split a pair nor pad the result.
    EXPECT_EQ(HexToBytes("0-0 f/f"), std::string("\x00\xFF", 2));
    EXPECT_EQ(HexToBytes("xyz"), "");
    EXPECT_EQ(HexToBytes("G1"), "");
}

class FileForms : public ::testing::Test {
protected:
    testing::TempHome home_;
    std::string file_ = home_.File("forms.sk");

    void Write(const std::string& text) { WriteFileAtomic(file_, "[Skrivo configuration]\r\n" + text); }
};

TEST_F(FileForms, MacroDataIsWrittenAsHexadecimalAndReadBack) {
    ConfigStore store;
    auto m = std::make_unique<TMacro>();
    TMemoryStream data(std::string("\x00\xFF\x10", 3));
    m->LoadFromStream(data);
    store.GetCfg()->MacroList.Add(std::move(m));
    store.LoadSaveConfig(true, file_);

    std::string text = ReadFileBytes(file_);
    EXPECT_NE(text.find("[Skrivo configuration]\r\n"), std::string::npos);
    EXPECT_NE(text.find("Macro0Data=00FF10\r\n"), std::string::npos);
    EXPECT_NE(text.find("DelayTime=250\r\n"), std::string::npos);
    EXPECT_NE(text.find("FastReadText=1\r\n"), std::string::npos);

    Write("MacrosCount=1\r\nMacro0Name=m\r\nMacro0Data=00ff1\r\n");
    ConfigStore loaded;
    loaded.LoadSaveConfig(false, file_);
    ASSERT_EQ(loaded.GetCfg()->MacroList.Count(), 1u);
    EXPECT_EQ(loaded.GetCfg()->MacroList[0].FData.Bytes(), std::string("\x00\xFF", 2));
}

// Every numeric form (integer, Boolean, shortcut, a macro's shortcut) keeps
// what it had when the file holds a word instead, and is named.
TEST_F(FileForms, ValuesThatAreNotNumbersKeepTheirOptionsAndAreNamed) {
    Write("DelayTime=fast\r\nAllowSounds=yes\r\nShortcutEnglish=Ctrl+E\r\nMacrosCount=1\r\nMacro0Shortcut=x\r\n");
    ConfigStore store;
    store.GetCfg()->AllowSounds = true;
    const auto english = store.GetCfg()->Shortcuts[ShortcutEnglish];
    try {
        store.LoadSaveConfig(false, file_);
        FAIL() << "no error raised";
    } catch (const EConfigValueError& e) {
        EXPECT_EQ(e.ValueNames(),
                  (std::vector<std::string>{"DelayTime", "ShortcutEnglish", "AllowSounds", "Macro0Shortcut"}));
    }
    EXPECT_EQ(store.GetCfg()->DelayTime, 250);
    EXPECT_TRUE(store.GetCfg()->AllowSounds);
    EXPECT_EQ(store.GetCfg()->Shortcuts[ShortcutEnglish], english);
    ASSERT_EQ(store.GetCfg()->MacroList.Count(), 1u);
    EXPECT_EQ(store.GetCfg()->MacroList[0].FShtcut, 0);
}

TEST_F(FileForms, OtherSectionsAndCommentsOfTheFileSurviveASave) {
    WriteFileAtomic(file_, "; my notes\r\n[Other]\r\nKey=Value\r\n");
    ConfigStore store;
    store.LoadSaveConfig(true, file_);
    std::string text = ReadFileBytes(file_);
    EXPECT_EQ(text.rfind("; my notes\r\n[Other]\r\nKey=Value\r\n", 0), 0u);
}

class RegistryForms : public ::testing::Test {
protected:
    testing::TempHome home_;
};

TEST_F(RegistryForms, ValuesHaveTheirRegistryTypes) {
    ConfigStore store;
    store.GetCfg()->MacroList.Add(std::make_unique<TMacro>());
    store.LoadSaveConfig(true, "");
    Registry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\Quorvel\\Skrivo\\Delphi7", false));
    EXPECT_EQ(reg.GetDataType("AllowSounds"), RegDataType::Integer);
    EXPECT_EQ(reg.GetDataType("DelayTime"), RegDataType::Integer);
    EXPECT_EQ(reg.GetDataType("ShortcutEnglish"), RegDataType::Integer);
    EXPECT_EQ(reg.ReadInteger("ShortcutEnglish"), 0x4045);
    EXPECT_EQ(reg.GetDataType("Directory"), RegDataType::String);
    EXPECT_EQ(reg.GetDataType("Word0"), RegDataType::String);
    EXPECT_EQ(reg.GetDataType("Macro0Shortcut"), RegDataType::Integer);
    EXPECT_EQ(reg.GetDataType("Macro0Data"), RegDataType::Binary);
    EXPECT_FALSE(reg.ValueExists("SearchInHints"));
}

TEST_F(RegistryForms, MissingKeyLoadsNothingAndCreatesNothing) {
    ConfigStore store;
    store.GetCfg()->DelayTime = 1234;
    std::vector<std::string> log;
    ConfigStore logged(ConfigContext{.log = [&](const std::string& s) { log.push_back(s); }});
    EXPECT_NO_THROW(store.LoadSaveConfig(false, ""));
    EXPECT_NO_THROW(logged.LoadSaveConfig(false, ""));
    EXPECT_EQ(store.GetCfg()->DelayTime, 1234);
    EXPECT_TRUE(log.empty());
    Registry reg;
    EXPECT_FALSE(reg.KeyExists("Software\\Quorvel\\Skrivo\\Delphi7"));
}

// A registry that cannot be opened is an error for a save, never a silent
// success; the start-up load still leaves the defaults in force.
TEST_F(RegistryForms, UnusableRegistryFailsLoudly) {
    std::filesystem::create_directory(home_.File("registry.db"));
    ConfigStore store;
    EXPECT_THROW(store.LoadSaveConfig(true, ""), ERegistryException);
    EXPECT_THROW(store.ResetDefaultConfig(), ERegistryException);
    EXPECT_EQ(store.GetCfg()->SubstList.Count(), 66u);
    EXPECT_EQ(store.GetCfg()->DelayTime, 250);
}

}  // namespace
}  // namespace skrivo
