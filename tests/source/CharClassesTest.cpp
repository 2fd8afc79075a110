// Character classes: letters of code pages 1252 and 1251, word characters and separators.
#include "source/CharClasses.h"

#include <gtest/gtest.h>

#include "source/CodePageGuard.h"
#include "source/SourceWalker.h"

namespace skrivo {
namespace {

using test::CodePageGuard;
using win::CodePage;

char Byte(int code) { return static_cast<char>(code); }

TEST(CharClasses, IdentifierCharactersAreLettersInEveryCodePage) {
  for (CodePage cp : {CodePage::Cp1252, CodePage::Cp1251}) {
    CodePageGuard guard(cp);
    for (char c : {'A', 'z', '_', '@', '$'}) EXPECT_TRUE(IsAlpha(c)) << c;
    for (char c : {'0', ' ', '#', '\0', ';', '\''}) EXPECT_FALSE(IsAlpha(c)) << int(c);
  }
}

TEST(CharClasses, AccentedLatinLettersUnder1252) {
  CodePageGuard guard(CodePage::Cp1252);
  for (int code = 0xC0; code <= 0xFF; ++code) {
    // Multiplication and division signs, and sharp s, which has no upper case here.
    const bool expected = code != 0xD7 && code != 0xF7 && code != 0xDF;
    EXPECT_EQ(IsAlpha(Byte(code)), expected) << std::hex << code;
  }
  for (int code : {0x8A, 0x9A, 0x8C, 0x9C, 0x9F}) EXPECT_TRUE(IsAlpha(Byte(code))) << std::hex << code;
  for (int code : {0x80, 0xA8, 0xB5, 0xB8, 0xAA}) EXPECT_FALSE(IsAlpha(Byte(code))) << std::hex << code;
}

TEST(CharClasses, CyrillicLettersUnder1251) {
  CodePageGuard guard(CodePage::Cp1251);
  for (int code = 0xC0; code <= 0xFF; ++code) EXPECT_TRUE(IsAlpha(Byte(code))) << std::hex << code;
  for (int code : {0xA8, 0xB8, 0x80, 0x90, 0xAA, 0xBA, 0xB2, 0xB3}) {
    EXPECT_TRUE(IsAlpha(Byte(code))) << std::hex << code;
  }
  // Punctuation of the upper half.
  for (int code : {0xAB, 0xBB, 0x96, 0x97, 0xB9, 0xA7}) EXPECT_FALSE(IsAlpha(Byte(code))) << std::hex << code;
}

TEST(CharClasses, LetterTableFollowsCodePageAfterWalkerConstruction) {
  CodePageGuard guard(CodePage::Cp1251);
  const char che = Byte(0xD7);  // Cyrillic letter under 1251, the multiplication sign under 1252
  EXPECT_TRUE(IsAlpha(che));
  win::SetACP(CodePage::Cp1252);
  // The table stays as built until a walker marks it stale: IsAlpha stays a lookup.
  EXPECT_TRUE(IsAlpha(che));
  TSourceWalker walker("x", 0);
  EXPECT_FALSE(IsAlpha(che));
  win::SetACP(CodePage::Cp1251);
  TSourceWalker again("x", 0);
  EXPECT_TRUE(IsAlpha(che));
}

TEST(CharClasses, DigitsAndWordCharacters) {
  CodePageGuard guard(CodePage::Cp1252);
  for (char c = '0'; c <= '9'; ++c) {
    EXPECT_TRUE(IsDigit(c));
    EXPECT_TRUE(IsAlphaDigit(c));
    EXPECT_FALSE(IsSepSpc(c));
  }
  EXPECT_FALSE(IsDigit('a'));
  EXPECT_TRUE(IsAlphaDigit(Byte(0xE9)));
  EXPECT_FALSE(IsAlphaDigit('.'));
}

TEST(CharClasses, SymbolsAreWordCharactersAndEightMarks) {
  CodePageGuard guard(CodePage::Cp1252);
  for (char c : {'!', '"', '%', '\'', '?', '\\', '`', '|', 'a', '7', '_'}) EXPECT_TRUE(IsSymbol(c)) << c;
  for (char c : {' ', '#', '&', '(', ';', '.', '^', '~', '\t'}) EXPECT_FALSE(IsSymbol(c)) << c;
}

TEST(CharClasses, SeparatorsExcludeTheBlankOnly) {
  CodePageGuard guard(CodePage::Cp1252);
  EXPECT_TRUE(IsSepSpc(' '));
  EXPECT_FALSE(IsSeparator(' '));
  for (char c : {';', '.', '(', '\t', '\r', '\n', '\0', '#'}) {
    EXPECT_TRUE(IsSepSpc(c)) << int(c);
    EXPECT_TRUE(IsSeparator(c)) << int(c);
  }
  for (char c : {'a', 'Z', '5', '$', Byte(0xE9)}) {
    EXPECT_FALSE(IsSepSpc(c)) << int(c);
    EXPECT_FALSE(IsSeparator(c)) << int(c);
  }
}

TEST(CharClasses, TokenCharactersAreLowerAsciiDigitsAtAndUnderscore) {
  CodePageGuard guard(CodePage::Cp1251);
  for (char c : {'a', 'z', '0', '9', '@', '_'}) EXPECT_TRUE(IsTokenChar(c)) << c;
  for (char c : {'A', 'Z', '$', '#', ' ', '{', Byte(0xE0), Byte(0xC0)}) EXPECT_FALSE(IsTokenChar(c)) << int(c);
}

}  // namespace
}  // namespace skrivo
