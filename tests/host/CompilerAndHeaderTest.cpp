// Reading a compiler's message lines and a unit's header name.
#include <gtest/gtest.h>

#include "host/compile/CompilerMessages.h"
#include "host/editor/UnitHeader.h"

namespace skrivo::host {
namespace {

TEST(CompilerMessagesTest, PlacesAreReadAndOtherLinesIgnored) {
    const auto error = ParseCompilerMessage("/home/u/My (old) units/Unit1.pas(12,5) Error: Identifier not found \"x\"\r");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->file, "/home/u/My (old) units/Unit1.pas");
    EXPECT_EQ(error->line, 12);
    EXPECT_EQ(error->column, 5);
    EXPECT_EQ(error->text, "Error: Identifier not found \"x\"");
    for (const char* other : {"Free Pascal Compiler version 3.2.2", "Compiling Unit1.pas", "Fatal: Compilation aborted",
                              "Unit1.pas(0,1) Error: x", "(3,4) Error: no file"})
        EXPECT_FALSE(ParseCompilerMessage(other)) << other;
}

TEST(UnitHeaderTest, TheNameAfterTheFirstWord) {
    struct Case {
        const char* source;
        const char* name;  // nullptr: none
    } cases[] = {
        {"unit Unit2;\r\n", "Unit2"},
        {"{ header }\r\n// note\r\nUNIT (* a *) Skrivo.Tools ;", "Skrivo.Tools"},
        {"program Project1;", "Project1"},
        {"uses Unit2;", nullptr},
        {"unit Unit2", nullptr},
        {"{ unclosed unit Unit2;", nullptr},
        {"unitUnit2;", nullptr},
    };
    for (const Case& c : cases) {
        const std::string_view source = c.source;
        const auto range = FindUnitName(source);
        if (!c.name) {
            EXPECT_FALSE(range) << c.source;
            continue;
        }
        ASSERT_TRUE(range) << c.source;
        EXPECT_EQ(source.substr(range->start, range->end - range->start), c.name);
    }
    for (const char* good : {"Greeter", "_x1", "Skrivo.Tools"}) EXPECT_TRUE(IsUnitIdentifier(good)) << good;
    for (const char* bad : {"", "1st", "my-unit", "A..B", "A.", "Grüße"}) EXPECT_FALSE(IsUnitIdentifier(bad)) << bad;
}

}  // namespace
}  // namespace skrivo::host
