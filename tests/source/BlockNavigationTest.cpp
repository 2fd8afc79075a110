// Block navigation over real Object Pascal constructs, one table per construct.
#include "source/BlockNavigation.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <ostream>
#include <string>

#include "bridge/TokenText.h"

namespace skrivo {
namespace {

// A case is Object Pascal source with two marks that are removed before the
// walk: '`' where the cursor stands and '~' where it must land. Without '~'
// the command must find no target.
struct NavCase {
  const char* name;
  const char* marked;
};

std::ostream& operator<<(std::ostream& out, const NavCase& c) { return out << c.marked; }

struct Marked {
  std::string source;
  int cursor = -1;
  std::optional<int> target;
};

Marked Unmark(std::string_view marked) {
  Marked m;
  for (char c : marked) {
    if (c == '`') m.cursor = static_cast<int>(m.source.size());
    else if (c == '~') m.target = static_cast<int>(m.source.size());
    else m.source += c;
  }
  return m;
}

std::string CaseName(const ::testing::TestParamInfo<NavCase>& info) { return info.param.name; }

class BeginEndTest : public ::testing::TestWithParam<NavCase> {};

TEST_P(BeginEndTest, LandsOnTheOtherEnd) {
  const Marked m = Unmark(GetParam().marked);
  ASSERT_GE(m.cursor, 0) << "no cursor mark";
  EXPECT_EQ(BeginEndTarget(MakeTokenText(m.source), m.cursor), m.target);
}

class LevelUpTest : public ::testing::TestWithParam<NavCase> {};

TEST_P(LevelUpTest, LandsOnTheEnclosingOpening) {
  const Marked m = Unmark(GetParam().marked);
  ASSERT_GE(m.cursor, 0) << "no cursor mark";
  EXPECT_EQ(LevelUpTarget(MakeTokenText(m.source), m.cursor), m.target);
}

INSTANTIATE_TEST_SUITE_P(Blocks, BeginEndTest, ::testing::Values(
    NavCase{"BeginToEnd", "`begin\r\n  X := 1;\r\n~end;"},
    NavCase{"EndToBegin", "~begin\r\n  X := 1;\r\n`end;"},
    NavCase{"CursorRightAfterKeyword", "begin` \r\n  X := 1;\r\n~end;"},
    NavCase{"CursorInsideKeyword", "be`gin X; ~end;"},
    NavCase{"NestedBlockSkippedForward", "`begin\r\n  begin Y; end;\r\n  if A then begin Z end;\r\n~end;"},
    NavCase{"NestedBlockSkippedBackward", "~begin\r\n  begin Y; end;\r\n  case A of 1: ; end;\r\n`end;"},
    NavCase{"FinalEndIsNoTarget", "`begin\r\n  Run;\r\nend."},
    NavCase{"UppercaseKeywords", "`BEGIN X; ~End;"},
    NavCase{"KeywordsInStringsAndComments",
            "`begin\r\n  S := 'end; begin'; { end } (* end *) // end\r\n  T := 'it''s end';\r\n~end;"},
    NavCase{"StatementToEndOfItsBlock", "begin\r\n  X := `Y + 1;\r\n  Z;\r\n~end;"},
    NavCase{"StatementInRepeatToUntil", "repeat\r\n  `Inc(I);\r\n~until I > 3;"}), CaseName);

INSTANTIATE_TEST_SUITE_P(TryRepeatCaseAsm, BeginEndTest, ::testing::Values(
    NavCase{"TryFinallyForward", "`try\r\n  A;\r\nfinally\r\n  B;\r\n~end;"},
    NavCase{"TryFinallyBackward", "~try\r\n  A;\r\nfinally\r\n  B;\r\n`end;"},
    NavCase{"TryExceptWithHandlers",
            "`try\r\n  A;\r\nexcept\r\n  on E: Exception do begin Log(E); end;\r\n~end;"},
    NavCase{"RepeatForward", "`repeat\r\n  A;\r\n~until Done;"},
    NavCase{"RepeatBackward", "~repeat\r\n  repeat B until C;\r\n`until Done;"},
    NavCase{"CaseForward", "`case X of\r\n  1: A;\r\n  2: begin B; end;\r\nelse\r\n  C;\r\n~end;"},
    NavCase{"CaseBackward", "~case X of\r\n  1: A;\r\n`end;"},
    NavCase{"AsmForward", "`asm\r\n  mov eax, 1\r\n@@l: dec eax\r\n  jnz @@l\r\n~end;"},
    NavCase{"AsmBackward", "~asm\r\n  mov eax, 1\r\n`end;"}), CaseName);

INSTANTIATE_TEST_SUITE_P(Directives, BeginEndTest, ::testing::Values(
    NavCase{"OuterIfdefForward",
            "`{$IFDEF A}\r\n{$ifdef B} X; {$endif}\r\n~{$ENDIF}"},
    NavCase{"OuterEndifBackward",
            "~{$IFDEF A}\r\n{$ifdef B} X; {$endif}\r\n`{$ENDIF}"},
    NavCase{"InnerIfdefForward", "{$ifdef A} `{$ifdef B} X; ~{$endif} {$endif}"},
    NavCase{"ElseToEndif", "{$ifdef A} X; `{$else} {$ifndef C} Y {$endif} ~{$endif}"},
    NavCase{"IfndefAndIfopt", "`{$ifndef A} {$ifopt R+} X {$endif} ~{$endif}"},
    NavCase{"EndifBackToIfopt", "~{$ifopt R+} X; {$else} Y; `{$endif}"},
    NavCase{"UnclosedIfdef", "`{$ifdef A} X;"},
    NavCase{"EndifWithoutOpening", "X; `{$endif}"}), CaseName);

// What real units hold beyond the classic pairs.
INSTANTIATE_TEST_SUITE_P(RealCode, BeginEndTest, ::testing::Values(
    NavCase{"IfToIfend", "{$IFDEF A} `{$IF CompilerVersion > 14} X; ~{$IFEND} {$ENDIF}"},
    NavCase{"IfendBackToIf", "{$IFDEF A} ~{$IF Defined(B)} X; `{$IFEND} {$ENDIF}"},
    NavCase{"IfToEndifPassingAnInnerIfend", "~{$if A} {$if B} X; {$ifend} `{$endif}"},
    NavCase{"IfdefIsNotIf", "`{$IFDEF A} {$IF B} {$IFEND} ~{$ENDIF}"},
    NavCase{"CursorOnTheDirectiveName", "{$IF`DEF A} X; ~{$ENDIF}"},
    NavCase{"CursorRightAfterTheBrace", "begin {$IFDEF A}` X; ~{$ENDIF} end;"},
    NavCase{"CursorInsideTheClosingDirective", "~{$IFDEF A} X; {$END`IF}"},
    NavCase{"VariantRecordToItsEnd",
            "T = `record\r\n  N: Integer;\r\n  case K: Byte of\r\n    0: (A: Integer);\r\n    1: (B: Word);\r\n~end;"},
    NavCase{"VariantRecordEndBack", "T = ~record case Byte of 0: (A: Integer); 1: (B: Word); `end;"},
    NavCase{"ClassWithNestedRecordToItsOwnEnd",
            "T = `class\r\n  type TInner = record X: Integer; end;\r\n  procedure Run;\r\n~end;"},
    NavCase{"NestedRecordToItsEnd", "T = class type TInner = `record X: Integer; ~end; end;"},
    NavCase{"CaseStatementStillOpensABlock", "`begin case X of 1: Y; end; ~end;"}), CaseName);

INSTANTIATE_TEST_SUITE_P(Brackets, BeginEndTest, ::testing::Values(
    NavCase{"OpenToClose", "X := F`(A, (B + C) * 2, [1, 2]~);"},
    NavCase{"CloseToOpen", "X := F~(A, (B + C) * 2, [1, 2]`);"},
    NavCase{"SquareBrackets", "X := A`[I, B[J]~];"},
    NavCase{"UnbalancedCloseStopsAfterSemicolon", "F(A; ~X := B`);"},
    NavCase{"UnbalancedOpenStopsAtSemicolon", "X := F`(A~; Y;"},
    NavCase{"UnbalancedCloseAtStart", "  A + B`);"},
    NavCase{"BracketsInStringsIgnored", "X := F`(')', '(' + G~);"}), CaseName);

INSTANTIATE_TEST_SUITE_P(Declarations, BeginEndTest, ::testing::Values(
    NavCase{"ClassToEnd",
            "TFoo = `class(TObject)\r\nprivate\r\n  FX: Integer;\r\npublic\r\n  procedure Run;\r\n  class function Make: TFoo;\r\n~end;"},
    NavCase{"ClassWithoutParent", "TFoo = `class\r\n  FX: Integer;\r\n~end;"},
    NavCase{"ClassOpeningWithAMethod", "TFoo = `class\r\n  function Get: Integer;\r\n~end;"},
    NavCase{"ForwardClass", "TFoo = `class;\r\nTBar = class X: Integer; end;"},
    NavCase{"ClassMethodImplementation", "end;\r\n\r\n`class function TFoo.Make: TFoo;\r\nbegin\r\nend;"},
    NavCase{"ClassProcedure", "`class procedure TFoo.Reset;\r\nbegin\r\nend;"},
    NavCase{"ClassReference", "TFooClass = `class of TFoo;\r\nTBar = class X: Integer; end;"},
    NavCase{"DescendantWithoutBody", "EFoo = `class(Exception);\r\nTBar = class X: Integer; end;"},
    NavCase{"MethodPointerObject", "TEvent = procedure(Sender: TObject) of `object;\r\nTBar = class X: Integer; end;"},
    NavCase{"ObjectType", "TOld = `object\r\n  X: Integer;\r\n  procedure P;\r\n~end;"},
    NavCase{"RecordToEnd", "TPoint = packed `record\r\n  X, Y: Integer;\r\n~end;"},
    NavCase{"RecordBackward", "TPoint = packed ~record\r\n  X, Y: Integer;\r\n`end;"},
    NavCase{"ClassBackward", "TFoo = ~class(TObject)\r\n  class function Make: TFoo;\r\n  FX: Integer;\r\n`end;"},
    NavCase{"InterfaceType", "IFoo = `interface\r\n  ['{00000000-0000-0000-0000-000000000000}']\r\n  procedure Run;\r\n~end;"},
    NavCase{"InterfaceTypeBackward", "IFoo = ~interface(IUnknown)\r\n  procedure Run;\r\n`end;"},
    NavCase{"UnitInterfaceSectionIsNoDeclaration",
            "unit U;\r\n`interface\r\nprocedure P;\r\nimplementation\r\nprocedure P;\r\nbegin\r\nend;\r\nend."}), CaseName);

INSTANTIATE_TEST_SUITE_P(Loops, BeginEndTest, ::testing::Values(
    NavCase{"ForToEndOfBody", "`for I := 0 to 9 do\r\nbegin\r\n  A;\r\n  begin B; end;\r\n~end;"},
    NavCase{"ToToEndOfBody", "for I := 0 `to 9 do begin A; ~end;"},
    NavCase{"DowntoToEndOfBody", "for I := 9 `downto 0 do begin A; ~end;"},
    NavCase{"WhileToEndOfBody", "`while I < 9 do begin Inc(I); ~end;"},
    NavCase{"FromDoNoMove", "for I := 0 to 9 `do begin A; end;"},
    NavCase{"SingleStatementBody", "`for I := 0 to 9 do A;\r\nbegin B; end;"},
    NavCase{"NestedHeaders", "`for I := 0 to 9 do for J := 0 to 9 do begin A; ~end;"},
    NavCase{"WithIsNoLoopHeader", "begin `with A do B; ~end;"}), CaseName);

INSTANTIATE_TEST_SUITE_P(IfThenElse, BeginEndTest, ::testing::Values(
    NavCase{"IfToElse", "`if A then\r\nbegin\r\n  B;\r\nend\r\n~else\r\n  C;"},
    NavCase{"ThenToElse", "if A `then\r\nbegin\r\n  B;\r\nend\r\n~else\r\n  C;"},
    NavCase{"SingleStatementThenToElse", "`if A then B := (C + 1) ~else D;"},
    NavCase{"ElseToThen", "if A ~then\r\nbegin\r\n  B;\r\nend\r\n`else\r\n  C;"},
    NavCase{"ElseSkipsNestedIf", "if A ~then begin if B then C; end `else D;"},
    NavCase{"ElseOfInnerIf", "if A then if B ~then C `else D;"},
    NavCase{"SingleStatementThenNoMove", "`if A then B;\r\nC;"},
    NavCase{"ThenBlockWithoutElse", "`if A then begin B; ~end;\r\nC;"},
    NavCase{"IfAsLastStatementOfBlock", "begin `if A then B ~end;"},
    NavCase{"CaseElseToCase", "~case X of\r\n  1: A;\r\n`else\r\n  B;\r\nend;"},
    NavCase{"CaseElseAfterIfBranch", "~case X of\r\n  1: if A then B;\r\n`else\r\n  C;\r\nend;"},
    NavCase{"ExceptElseToTry", "~try A; except on E: EFoo do if B then C; `else D; end;"}), CaseName);

INSTANTIATE_TEST_SUITE_P(EdgesOfText, BeginEndTest, ::testing::Values(
    NavCase{"EmptyText", "`"},
    NavCase{"OnlyBlanks", "   `  "},
    NavCase{"CursorPastEnd", "~begin X; end`"},
    NavCase{"CursorAfterTrailingSemicolon", "begin X; end;   `"},
    NavCase{"EndAtStart", "`end;"},
    NavCase{"UnclosedBegin", "`begin X;"}), CaseName);

INSTANTIATE_TEST_SUITE_P(Enclosing, LevelUpTest, ::testing::Values(
    NavCase{"StatementToBegin", "~begin\r\n  X := 1;\r\n  `Y;\r\nend;"},
    NavCase{"ArgumentToBlockNotBracket", "~begin\r\n  F(A, `B);\r\nend;"},
    NavCase{"FromClosingBracketToEnclosingOne", "X := G~(F(A`), B);"},
    NavCase{"FromOpeningBracketToEnclosingOne", "X := G~(F`(A), B);"},
    NavCase{"BracketWalkStopsAtSemicolon", "X; F(A`);"},
    NavCase{"FromEndToOpening", "~try\r\n  begin A; end;\r\nfinally\r\n  B;\r\n`end;"},
    NavCase{"FromUntilToRepeat", "~repeat A; begin B; end; `until C;"},
    NavCase{"SkipsClosedBlocks", "~begin\r\n  begin A; end;\r\n  repeat B until C;\r\n  `D;\r\nend;"},
    NavCase{"InsideRecord", "TR = ~record\r\n  `X: Integer;\r\nend;"},
    NavCase{"InsideClassPastClassMethod",
            "TFoo = ~class\r\n  class function Make: TFoo;\r\n  procedure P(E: TEvent);\r\n  `FX: Integer;\r\nend;"},
    NavCase{"PastMethodPointerType", "TFoo = ~class\r\n  FOnRun: procedure of object;\r\n  `FX: Integer;\r\nend;"},
    // Declarations without a body open nothing: the walk finds no opening.
    NavCase{"PastForwardAndReference",
            "begin\r\n  X;\r\nend;\r\ntype\r\n  TA = class;\r\n  TB = class of TA;\r\n  EC = class(Exception);\r\n  `TD = Integer;"},
    NavCase{"NothingEncloses", "X := 1;\r\n`Y := 2;"},
    NavCase{"AtStart", "`begin end;"},
    NavCase{"FinalEndToMainBegin", "unit U;\r\ninterface\r\nimplementation\r\n~begin\r\n  X;\r\n`end."}), CaseName);

TEST(Navigation, UnknownCursorHasNoTarget) {
  const std::string tokens = MakeTokenText("begin X; end;");
  EXPECT_EQ(BeginEndTarget(tokens, -1), std::nullopt);
  EXPECT_EQ(LevelUpTarget(tokens, -1), std::nullopt);
}

// Fragments of Object Pascal, glued at random into text that is mostly not
// valid: every walk must still end, and only ever inside the text.
TEST(Navigation, ArbitraryTextYieldsATargetInsideTheTextOrNone) {
  static const char* const fragments[] = {
      "begin", "end", "end.", "until", "repeat", "try", "case", "asm", "record", "class", "object",
      "interface", "of", "=", "function", "if", "then", "else", "for", "to", "do", "while", ";",
      "(", ")", "[", "]", "{$ifdef a}", "{$endif}", "{$else}", "{ c }", "}", "{", "'s'", "'",
      "// x\r\n", "(*", "*)", "x", "#", "\r\n", " ", "  "};
  std::mt19937 rng(99);
  for (int round = 0; round < 300; ++round) {
    std::string source;
    const int count = 1 + static_cast<int>(rng() % 60);
    for (int i = 0; i < count; ++i) {
      source += fragments[rng() % std::size(fragments)];
      if (rng() % 3 != 0) source += ' ';
    }
    const std::string tokens = MakeTokenText(source);
    const int length = static_cast<int>(tokens.size());
    for (int cursor = 0; cursor <= length; ++cursor) {
      for (const std::optional<int> target : {BeginEndTarget(tokens, cursor), LevelUpTarget(tokens, cursor)}) {
        if (!target) continue;
        ASSERT_GE(*target, 0) << source << " @" << cursor;
        ASSERT_LT(*target, length) << source << " @" << cursor;
      }
    }
  }
}

}  // namespace
}  // namespace skrivo
