// Writes the generated unit statement by statement, noting each pair's positions as it goes.
#include "source/PascalUnitGenerator.h"

#include <algorithm>
#include <cctype>
#include <random>
#include <string_view>

namespace skrivo::test {

namespace {

class UnitWriter {
 public:
  explicit UnitWriter(unsigned seed) : rng_(seed) {}

  GeneratedUnit Write(int classes, int routines) {
    Line("unit Generated;");
    Line("");
    Line("{ Generated for navigation tests: a begin or an end in a comment is no keyword. }");
    Line("");
    Line("interface");
    Line("");
    Line("uses");
    Line("  SysUtils, Classes;");
    Line("");
    Line("const");
    Line("  SGreeting = 'begin here, end there';");
    Line("  SQuote = 'it''s the end; begin again';");
    Line("");
    Line("type");
    for (int i = 0; i < classes; ++i) TypeDeclarations(i);
    Line("");
    Line("implementation");
    Line("");
    Line("(* Routines follow; (* does not nest *)");
    for (int i = 0; i < routines; ++i) Routine(i);
    // Old-style initialization: its begin is closed by the final end.
    const int mainBegin = Keyword("begin");
    unit_.beginEnd.push_back({mainBegin, -1});
    Newline();
    indent_ = 1;
    Indent();
    Statement(2);
    Text(";");
    Newline();
    indent_ = 0;
    Keyword("end");
    Text(".");
    Newline();
    unit_.lines = lines_;
    return std::move(unit_);
  }

  GeneratedUnit WriteLongRoutine(int bodyBytes) {
    Line("unit Long;");
    Line("");
    Line("interface");
    Line("");
    Line("implementation");
    Line("");
    Line("procedure Everything(const S: string);");
    const int open = Keyword("begin");
    Newline();
    unit_.beginEnd.push_back({open, -1});
    const std::size_t stop = unit_.source.size() + static_cast<std::size_t>(bodyBytes);
    indent_ = 1;
    while (unit_.source.size() < stop) {
      Indent();
      Statement(3);
      Text(";");
      Remark();
      Newline();
    }
    indent_ = 0;
    unit_.beginEnd.front().close = Keyword("end");
    Text(";");
    Newline();
    Line("");
    Line("end.");
    unit_.lines = lines_;
    return std::move(unit_);
  }

 private:
  int Chance(int percent) { return static_cast<int>(rng_() % 100) < percent; }
  int Pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }

  void Text(std::string_view s) { unit_.source += s; }
  void Newline() {
    unit_.source += "\r\n";
    ++lines_;
  }
  void Indent() { unit_.source.append(static_cast<std::size_t>(indent_ * 2), ' '); }
  void Line(std::string_view s) {
    Indent();
    Text(s);
    Newline();
  }

  // Writes a keyword in one of the casings people use and returns where it starts.
  int Keyword(std::string_view word) {
    const int at = static_cast<int>(unit_.source.size());
    std::string spelled(word);
    switch (Pick(6)) {
      case 0: std::transform(spelled.begin(), spelled.end(), spelled.begin(), ::toupper); break;
      case 1: spelled[0] = static_cast<char>(::toupper(spelled[0])); break;
      default: break;
    }
    Text(spelled);
    return at;
  }

  // Starts an indented line with a keyword.
  int KeywordLine(std::string_view word) {
    Indent();
    return Keyword(word);
  }

  std::string Name(std::string_view prefix) { return std::string(prefix) + std::to_string(++names_); }

  // A trailing remark, often quoting keywords, in any comment style.
  void Remark() {
    static const std::string_view remarks[] = {
        " // end of this step", " { begin again }", " (* end; begin *)", " { case x of }",
        " // repeat until done", " {}", " (* try ... finally ** end **)", " { don't end here }",
    };
    if (Chance(30)) Text(remarks[Pick(8)]);
  }

  std::string Expression(int depth) {
    static const char* const atoms[] = {"A", "B", "Count", "FValue", "I", "J", "Length(S)", "$FF", "#13"};
    if (depth <= 0 || Chance(40)) return atoms[Pick(9)];
    switch (Pick(4)) {
      case 0: return "(" + Expression(depth - 1) + " + " + Expression(depth - 1) + ")";
      case 1: return "Max(" + Expression(depth - 1) + ", " + Expression(depth - 1) + ")";
      case 2: return "Items[" + Expression(depth - 1) + "]";
      default: return "Ord(S[" + Expression(depth - 1) + "]) * 2";
    }
  }

  std::string Literal() {
    static const char* const literals[] = {"'begin'", "'end;'", "'it''s the end'", "''", "'(*'",
                                           "'{ not a comment }'", "'case'#13#10'end'", "'try // end'"};
    return literals[Pick(8)];
  }

  // One simple statement without a block of its own, on the current line.
  void Simple() {
    switch (Pick(5)) {
      case 0: Text("X := " + Expression(3)); break;
      case 1: Text("S := " + Literal() + " + " + Literal()); break;
      case 2: Text("DoWork(" + Expression(2) + ", [" + Expression(1) + ", 2], " + Literal() + ")"); break;
      case 3: Text("Inc(I)"); break;
      default: Text("FList.Add(Format('%d', [" + Expression(2) + "]))"); break;
    }
  }

  // A begin ... end block of statements, recorded as a pair. The caller has
  // placed the cursor where "begin" goes; `after` follows the "end".
  void Block(int depth, std::string_view after) {
    const int open = Keyword("begin");
    Remark();
    Newline();
    ++indent_;
    Statements(depth);
    --indent_;
    const int close = KeywordLine("end");
    unit_.beginEnd.push_back({open, close});
    Text(after);
  }

  void Statements(int depth) {
    const int count = 1 + Pick(depth > 0 ? 4 : 2);
    for (int i = 0; i < count; ++i) {
      Indent();
      Statement(depth);
      // The last statement of a block may go without its ";".
      if (i + 1 < count || Chance(70)) Text(";");
      Remark();
      Newline();
    }
  }

  // One statement at the current indentation (already written), without the
  // ";" that ends it.
  void Statement(int depth) {
    if (depth <= 0) return Simple();
    switch (Pick(12)) {
      case 0:
        Keyword("if");
        Text(" " + Expression(2) + " > 0 ");
        Keyword("then");
        Newline();
        Indent();
        Block(depth - 1, "");
        Newline();
        KeywordLine("else");
        Newline();
        Indent();
        Block(depth - 1, "");
        return;
      case 1:
        Keyword("if");
        Text(" A = B ");
        Keyword("then");
        Text(" ");
        Simple();
        if (Chance(50)) {
          Text(" ");
          Keyword("else");
          Text(" ");
          Simple();
        }
        return;
      case 2:
        Keyword("for");
        Text(" I := 0 ");
        Keyword(Chance(50) ? "to" : "downto");
        Text(" " + Expression(1) + " ");
        Keyword("do");
        Newline();
        Indent();
        Block(depth - 1, "");
        return;
      case 3:
        Keyword("while");
        Text(" I < 10 ");
        Keyword("do");
        Text(" ");
        Block(depth - 1, "");
        return;
      case 4:
        Keyword("repeat");
        Newline();
        ++indent_;
        Statements(depth - 1);
        --indent_;
        KeywordLine("until");
        Text(" I > " + Expression(1));
        return;
      case 5:
        Keyword("try");
        Newline();
        ++indent_;
        Statements(depth - 1);
        --indent_;
        if (Chance(50)) {
          KeywordLine("finally");
          Newline();
          ++indent_;
          Statements(depth - 1);
          --indent_;
        } else {
          KeywordLine("except");
          Newline();
          ++indent_;
          Indent();
          Keyword("on");
          Text(" E: Exception ");
          Keyword("do");
          Text(" ");
          Block(depth - 1, ";");
          Newline();
          --indent_;
        }
        KeywordLine("end");
        return;
      case 6:
        Keyword("case");
        Text(" " + Expression(1) + " ");
        Keyword("of");
        Newline();
        ++indent_;
        Line("0: " + std::string("Inc(J);"));
        Indent();
        Text("1, 2: ");
        Block(depth - 1, ";");
        Newline();
        if (Chance(50)) {
          KeywordLine("else");
          Newline();
          ++indent_;
          Statements(depth - 1);
          --indent_;
        }
        --indent_;
        KeywordLine("end");
        return;
      case 7:
        Keyword("with");
        Text(" FList ");
        Keyword("do");
        Text(" ");
        Block(depth - 1, "");
        return;
      case 8:
        Keyword("asm");
        Newline();
        Line("  mov eax, 1   // end");
        Line("@@loop:");
        Line("  dec eax");
        Line("  jnz @@loop");
        KeywordLine("end");
        return;
      case 9: {
        // Both branches of a directive keep the blocks balanced.
        const int open = static_cast<int>(unit_.source.size());
        // {$IF} pairs with {$IFEND} (older compilers) or with {$ENDIF}.
        const int kind = Pick(4);
        const char* const opening[] = {"{$IFDEF DEBUG}", "{$ifndef RELEASE}", "{$IF Defined(DEBUG) and (CompilerVersion > 14)}", "{$if not Defined(X)}"};
        Text(opening[kind]);
        Newline();
        Indent();
        Statement(depth - 1);
        Text(";");
        Newline();
        if (Chance(50)) {
          Line("{$ELSE}");
          Indent();
          Simple();
          Text(";");
          Newline();
        }
        Indent();
        unit_.directives.push_back({open, static_cast<int>(unit_.source.size())});
        Text(kind == 2 ? "{$IFEND}" : "{$ENDIF}");
        Newline();
        Indent();
        Simple();
        return;
      }
      case 10:
        Block(depth - 1, "");
        return;
      default:
        Simple();
        return;
    }
  }

  // A record pair: "packed record" ... "end".
  void RecordType(std::string_view name) {
    Indent();
    Text(std::string(name) + " = ");
    if (Chance(50)) Text("packed ");
    const int open = Keyword("record");
    Newline();
    Line("  X, Y: Integer;");
    Line("  Name: string[20];");
    const int close = KeywordLine("end");
    unit_.declarations.push_back({open, close});
    Text(";");
    Newline();
  }

  // A record with a variant part, whose "case" has no "end" of its own.
  void VariantRecordType(std::string_view name) {
    Indent();
    Text(std::string(name) + " = ");
    const int open = Keyword("record");
    Newline();
    Line("  Size: Integer;");
    Line("  case Kind: Byte of");
    Line("    0: (A: Integer);");
    Indent();
    Text("    1, 2: (B, C: Word; Inner: ");
    const int innerOpen = Keyword("record");
    Text(" P: Integer; ");
    const int innerClose = Keyword("end");
    unit_.declarations.push_back({innerOpen, innerClose});
    Text(");");
    Newline();
    Line("    3: (Name: string[10]);");
    const int close = KeywordLine("end");
    unit_.declarations.push_back({open, close});
    Text(";");
    Newline();
  }

  void TypeDeclarations(int index) {
    ++indent_;
    const std::string cls = "TThing" + std::to_string(index);
    Line(cls + "Class = class of " + cls + ";");
    Line("E" + cls + " = class(Exception);");
    Line("T" + cls + "Event = procedure(Sender: TObject; const Msg: string) of object;");
    Line(cls + " = class;");
    RecordType(cls + "Rec");
    if (index % 3 == 0) VariantRecordType(cls + "Var");

    Indent();
    Text(cls + " = ");
    const int open = Keyword("class");
    Text(index % 3 == 0 ? "" : "(TPersistent)");
    Newline();
    if (index % 4 == 1) Line("  function First: Integer;  // a method right after the class");
    KeywordLine("private");
    Newline();
    Line("  FValue: Integer;");
    Line("  FList: TStringList;");
    Line("  FOnEnd: T" + cls + "Event;  { begin and end of work }");
    KeywordLine("public");
    Newline();
    Line("  constructor Create;");
    Line("  class function Make(const S: string = 'end'): " + cls + ";");
    Line("  procedure Run(A, B: Integer);");
    Line("  property Value: Integer read FValue write FValue;");
    if (index % 2 == 0) {
      // A nested type: its "end" is not the class's.
      Line("type");
      Indent();
      Text("  TInner = ");
      const int innerOpen = Keyword("record");
      Text(" X: Integer; ");
      const int innerClose = Keyword("end");
      unit_.declarations.push_back({innerOpen, innerClose});
      Text(";");
      Newline();
    }
    const int close = KeywordLine("end");
    unit_.declarations.push_back({open, close});
    Text(";");
    Newline();

    if (index % 5 == 2) {
      Indent();
      Text("TOld" + std::to_string(index) + " = ");
      const int objOpen = Keyword("object");
      Newline();
      Line("  Left, Top: Integer;");
      Line("  procedure Move(DX, DY: Integer);");
      const int objClose = KeywordLine("end");
      unit_.declarations.push_back({objOpen, objClose});
      Text(";");
      Newline();
    }
    Line("");
    --indent_;
  }

  void Routine(int index) {
    Line("");
    const bool method = index % 2 == 0;
    const std::string name = Name(method ? "TThing0.Step" : "Helper");
    if (index % 7 == 3) {
      Line("function " + name + "(A, B: Integer): Integer; register;");
      KeywordLine("asm");
      Newline();
      Line("  add eax, edx  { end }");
      KeywordLine("end");
      Text(";");
      Newline();
      return;
    }
    Line(std::string(method ? "procedure " : "function ") + name + "(const S: string; var X: Integer)" +
         (method ? ";" : ": Boolean;"));
    if (index % 6 == 1) {
      // A local routine before the body.
      ++indent_;
      Line("");
      Line("procedure Local(N: Integer);");
      Indent();
      Block(1, ";");
      Newline();
      --indent_;
    }
    KeywordLine("var");
    Newline();
    Line("  I, J: Integer;");
    Line("  Items: array[0..9] of Integer;");
    if (index % 4 == 0) {
      Indent();
      Text("  P: ");
      const int open = Keyword("record");
      Text(" A, B: Integer; ");
      const int close = Keyword("end");
      unit_.declarations.push_back({open, close});
      Text(";");
      Newline();
    }
    Indent();
    Block(3, ";");
    Newline();
  }

  std::mt19937 rng_;
  GeneratedUnit unit_;
  int indent_ = 0;
  int lines_ = 0;
  int names_ = 0;
};

}  // namespace

GeneratedUnit GeneratePascalUnit(unsigned seed, int classes, int routines) {
  return UnitWriter(seed).Write(classes, routines);
}

GeneratedUnit GenerateLongRoutine(unsigned seed, int bodyBytes) {
  return UnitWriter(seed).WriteLongRoutine(bodyBytes);
}

}  // namespace skrivo::test
