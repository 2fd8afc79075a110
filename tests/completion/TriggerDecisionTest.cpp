// The trigger's rules as a table: line, options, and what is learnt, hidden or asked for.
#include <gtest/gtest.h>

#include "CompletionTestSupport.h"
#include "completion/TriggerDecision.h"

namespace skrivo {
namespace {

const StringList& DefaultHideWords() {
    static const StringList words = test::ListOf({"begin", "end", "try", "finally", "except", "then", "else", "do",
                                                  "repeat", "and", "or", "xor", "mod", "div", "0", "1", "2", "3",
                                                  "4", "5", "6", "7", "8", "9", " S", " I"});
    return words;
}

enum Tweak { None, Smart, SmartNoSubstitutions, NoHideAtLineStart, CaseSensitive, ShortUsed, ShowAfterSpace };

struct Row {
    const char* line;
    bool doSuggest;
    Tweak tweak;
    TriggerAction action;
    TriggerReason reason;
    std::vector<std::string> collect;
    const char* request;  // only for Suggest
};

TriggerOptions OptionsFor(Tweak tweak) {
    TriggerOptions o;
    o.hideWords = &DefaultHideWords();
    o.smart = tweak == Smart || tweak == SmartNoSubstitutions;
    o.useSubstitutions = tweak != SmartNoSubstitutions;
    o.hideAtTheBeginningOfLine = tweak != NoHideAtLineStart;
    o.wordsCaseSensitive = tweak == CaseSensitive;
    o.doNotShowForShorterUsed = tweak == ShortUsed;
    o.hideAfterSpace = tweak != ShowAfterSpace;
    return o;
}

using A = TriggerAction;
using R = TriggerReason;

class TriggerRules : public ::testing::TestWithParam<Row> {
protected:
    void SetUp() override { win::SetACP(win::CodePage::Cp1252); }
};

TEST_P(TriggerRules, Decide) {
    const Row& row = GetParam();
    const TriggerDecision d = DecideTrigger(row.line, row.doSuggest, OptionsFor(row.tweak));
    EXPECT_EQ(d.action, row.action);
    EXPECT_EQ(d.reason, row.reason);
    EXPECT_EQ(d.collect, row.collect);
    if (row.action == A::Suggest) {
        EXPECT_EQ(d.request, row.request);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TriggerRules,
    ::testing::Values(
        // A word being typed is suggested for with the word before it.
        Row{"  Result := Form", true, None, A::Suggest, R::Suggest, {}, "Result := Form"},
        Row{"x.Pro", true, None, A::Suggest, R::Suggest, {}, "x.Pro"},
        // A key that ends the word learns it, alone and with its context.
        Row{"x := Form", false, None, A::Suggest, R::Suggest, {" Form", "x := Form"}, "x := Form"},
        Row{"Caption", false, None, A::Suggest, R::Suggest, {"Caption"}, "Caption"},
        // After a separator the request is the last word and what follows.
        Row{"x := Foo.", true, None, A::Suggest, R::Suggest, {" Foo", "x := Foo"}, "Foo."},
        Row{"x := Form ", true, None, A::HideUntilNext, R::LastCharacter, {" Form", "x := Form"}, ""},
        Row{"x := Form ", true, ShowAfterSpace, A::Suggest, R::Suggest, {" Form", "x := Form"}, "Form "},
        Row{"a;", true, None, A::HideUntilNext, R::LastCharacter, {"a"}, ""},
        // Only the part after the last line break counts, unless told otherwise.
        Row{"abc\r\n   ", true, None, A::Hide, R::BlankLine, {}, ""},
        Row{"abc\r\nCapt", true, None, A::Suggest, R::Suggest, {}, "Capt"},
        Row{"abc\r\nCapt", true, NoHideAtLineStart, A::Suggest, R::Suggest, {}, "abc Capt"},
        Row{"", true, NoHideAtLineStart, A::Hide, R::EmptyLine, {}, ""},
        // Hide-after words match the line's end, not whole words.
        Row{"if x then", true, None, A::Hide, R::HideAfterWord, {}, ""},
        Row{"Append", true, None, A::Hide, R::HideAfterWord, {}, ""},
        Row{"x1", false, None, A::Hide, R::HideAfterWord, {}, ""},
        Row{"IF X THEN", true, CaseSensitive, A::Suggest, R::Suggest, {}, "X THEN"},
        Row{"x: S", true, None, A::Hide, R::HideAfterWord, {}, ""},
        Row{"if S", true, None, A::Hide, R::HideAfterWord, {}, ""},
        Row{"w", true, ShortUsed, A::Hide, R::TooShort, {}, ""},
        // Smart ranking learns words the list stays away after, and keeps
        // the blank-led entries for a declaration's colon.
        Row{"  begin", false, Smart, A::Hide, R::HideAfterWord, {"begin"}, ""},
        Row{"if x then", false, Smart, A::Hide, R::HideAfterWord, {" then", "x then"}, ""},
        Row{"if x then", true, Smart, A::Hide, R::HideAfterWord, {}, ""},
        Row{"x: S", true, Smart, A::Hide, R::HideAfterWord, {}, ""},
        Row{"x :  I", true, Smart, A::Hide, R::HideAfterWord, {}, ""},
        Row{"if S", true, Smart, A::Suggest, R::Suggest, {}, "if S"},
        Row{"x := I", true, Smart, A::Suggest, R::Suggest, {}, "x := I"},
        // Without substitutions nothing else completes ": S".
        Row{"x: S", true, SmartNoSubstitutions, A::Suggest, R::Suggest, {}, "x: S"},
        Row{"if x then", true, SmartNoSubstitutions, A::Hide, R::HideAfterWord, {}, ""}));

}  // namespace
}  // namespace skrivo
