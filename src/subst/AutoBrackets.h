// The text rules of automatic brackets and quotes: the blanks mirrored inside brackets, and whether a quote opens a string.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace skrivo::subst {

// How many blanks to add before a closing bracket when ch is typed at a
// cursor with lineBefore before it and nextChar right after it: as many as
// directly follow the matching opening bracket, when only blanks stand
// between it and the cursor. 0 for a blank typed, or anything else.
std::size_t MirroredBlanks(std::string_view lineBefore, char nextChar, char ch);
// False when MirroredBlanks gives 0 whatever the line before: the line need
// not be read then.
bool MayMirrorBlanks(char nextChar, char ch);

// The pair an opening bracket gets ("()", "[]", "{}"); empty for any other character.
std::string_view BracketPair(char ch);

// True when the cursor stands inside a string literal: an odd number of
// apostrophes before it on its line. A typed apostrophe then doubles one
// inside the literal instead of opening a new string.
bool InsideStringLiteral(std::string_view lineBefore);

// The closing brackets and quotes put in with their opening ones on the line
// being typed, innermost last. Each is known by the rest of the line from it
// on: while the text after the cursor is still exactly that, the cursor
// stands right before that very bracket or quote, and typing it steps over it
// instead of adding a second one ("Foo(x" + ")" gives "Foo(x)|", not
// "Foo(x)|)"; "'abc" + "'" gives "'abc'|", not the quoted apostrophe of
// "'abc''|'"). One the user typed is never stepped over.
class AutoClosers {
public:
    // A pair was put in: the cursor stands between its brackets in the given
    // editor (any identity) and line, and restOfLine is the text after it.
    void Opened(const void* editor, int line, std::string restOfLine);
    // Whether typing ch here steps over the innermost closing bracket put
    // in; it is then forgotten.
    bool StepOver(const void* editor, int line, std::string_view restOfLine, char ch);
    void Forget() { closers_.clear(); }

private:
    const void* editor_ = nullptr;
    int line_ = -1;
    std::vector<std::string> closers_;  // rests of the line, innermost last
};

}  // namespace skrivo::subst
