// Finding the call at the cursor and the declared parameters of the routine it calls.
#include "host/editor/ParameterHints.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace skrivo::host {

namespace {

using hints::IsNameChar;

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(hints::LowerByte(static_cast<unsigned char>(c)));
    return out;
}

// Library routines a Pascal unit calls most.
constexpr std::array<std::string_view, 32> kLibrary = {
    "Writeln(const Args)",
    "Format(const Format: string; const Args: array of const): string",
    "IntToStr(Value: Integer): string",
    "StrToInt(const S: string): Integer",
    "StrToIntDef(const S: string; Default: Integer): Integer",
    "FloatToStr(Value: Extended): string",
    "Copy(S: string; Index, Count: Integer): string",
    "Pos(Substr: string; S: string): Integer",
    "Length(S): Integer",
    "Delete(var S: string; Index, Count: Integer)",
    "Insert(Source: string; var S: string; Index: Integer)",
    "SetLength(var S; NewLength: Integer)",
    "Inc(var X; N: Longint)",
    "Dec(var X; N: Longint)",
    "Trim(const S: string): string",
    "UpperCase(const S: string): string",
    "LowerCase(const S: string): string",
    "CompareText(const S1, S2: string): Integer",
    "SameText(const S1, S2: string): Boolean",
    "StringReplace(const S, OldPattern, NewPattern: string; Flags: TReplaceFlags): string",
    "FileExists(const FileName: string): Boolean",
    "ExtractFileName(const FileName: string): string",
    "ShowMessage(const Msg: string)",
    "MessageDlg(const Msg: string; DlgType: TMsgDlgType; Buttons: TMsgDlgButtons; HelpCtx: Longint): Integer",
    "FreeAndNil(var Obj)",
    "Assigned(var P): Boolean",
    "Round(X: Extended): Int64",
    "Trunc(X: Extended): Int64",
    "Max(A, B: Integer): Integer",
    "Min(A, B: Integer): Integer",
    "FieldByName(const FieldName: string): TField",
    "Move(const Source; var Dest; Count: Integer)",
};

// The heading's text from the "(" of its parameter list to its ";" or the
// end of the return type.
std::optional<std::string> HeadingAt(std::string_view text, std::size_t nameEnd, std::string_view name) {
    std::size_t i = nameEnd;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i >= text.size() || (text[i] != '(' && text[i] != ':' && text[i] != ';')) return std::nullopt;
    std::string params;
    if (text[i] == '(') {
        const std::size_t close = text.find(')', i);
        if (close == std::string_view::npos) return std::nullopt;
        params = std::string(text.substr(i, close - i + 1));
        i = close + 1;
    } else {
        params = "()";
    }
    std::string result;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && text[i] == ':') {
        const std::size_t semi = text.find(';', i);
        std::string type(text.substr(i + 1, (semi == std::string_view::npos ? text.size() : semi) - i - 1));
        while (!type.empty() && std::isspace(static_cast<unsigned char>(type.front()))) type.erase(0, 1);
        while (!type.empty() && std::isspace(static_cast<unsigned char>(type.back()))) type.pop_back();
        result = ": " + type;
    }
    std::string flat;
    for (char c : params) {
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
        if (c == ' ' && !flat.empty() && flat.back() == ' ') continue;
        flat += c;
    }
    return std::string(name) + flat + result;
}

}  // namespace

std::optional<CallAtCursor> FindCallAtCursor(std::string_view line) {
    int depth = 0;
    int commas = 0;
    bool inString = false;
    // Apostrophes before the cursor decide which characters are inside strings.
    std::string masked(line);
    for (char& c : masked) {
        if (c == '\'') {
            inString = !inString;
            continue;
        }
        if (inString) c = ' ';
    }
    for (std::size_t i = masked.size(); i-- > 0;) {
        const char c = masked[i];
        if (c == ')' || c == ']') {
            ++depth;
        } else if (c == '[' && depth > 0) {
            --depth;
        } else if (c == ',' && depth == 0) {
            ++commas;
        } else if (c == '(') {
            if (depth > 0) {
                --depth;
                continue;
            }
            std::size_t end = i;
            while (end > 0 && (masked[end - 1] == ' ' || masked[end - 1] == '\t')) --end;
            std::size_t begin = end;
            while (begin > 0 && (IsNameChar(masked[begin - 1]) || masked[begin - 1] == '.')) --begin;
            if (begin == end) return std::nullopt;
            return CallAtCursor{std::string(line.substr(begin, end - begin)), begin, commas};
        }
    }
    return std::nullopt;
}

std::string LowerRoutineName(std::string_view name) { return Lower(name); }

std::optional<std::string> HeadingAfterName(std::string_view name, std::string_view text) { return HeadingAt(text, 0, name); }

bool HoldsWholeHeading(std::string_view text) {
    // Follows HeadingAt: what it reads ends at the ")" of the parameters, or
    // at the ";" after a return type; without one it reads to the text's end.
    const auto skipBlanks = [&](std::size_t i) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        return i;
    };
    std::size_t i = skipBlanks(0);
    if (i >= text.size()) return false;
    if (text[i] == '(') {
        const std::size_t close = text.find(')', i);
        if (close == std::string_view::npos) return false;
        i = skipBlanks(close + 1);
        if (i >= text.size()) return false;
    }
    return text[i] != ':' || text.find(';', i) != std::string_view::npos;
}

std::optional<std::string> LibrarySignature(std::string_view lowerName) {
    for (const std::string_view entry : kLibrary) {
        const std::string_view name = entry.substr(0, entry.find('('));
        if (name.size() == lowerName.size() &&
            std::equal(name.begin(), name.end(), lowerName.begin(), [](char a, char b) { return hints::LowerByte(static_cast<unsigned char>(a)) == b; }))
            return std::string(entry);
    }
    return std::nullopt;
}

std::optional<std::string> FindSignature(std::string_view name, std::string_view unitText) {
    const std::size_t dot = name.rfind('.');
    const std::string_view routine = dot == std::string_view::npos ? name : name.substr(dot + 1);
    if (routine.empty()) return std::nullopt;
    const std::string want = Lower(routine);
    std::vector<Declaration> declarations;
    const auto at = [&](long p) { return p >= 0 && p < static_cast<long>(unitText.size()) ? static_cast<unsigned char>(unitText[static_cast<std::size_t>(p)]) : -1; };
    ScanDeclarations(at, 0, static_cast<long>(unitText.size()), declarations);
    std::stable_sort(declarations.begin(), declarations.end(), [](const Declaration& a, const Declaration& b) { return a.keyword < b.keyword; });
    for (const Declaration& d : declarations) {
        if (d.name != want) continue;
        const auto nameStart = static_cast<std::size_t>(d.nameStart);
        if (auto heading = HeadingAt(unitText, static_cast<std::size_t>(d.end), unitText.substr(nameStart, d.name.size())))
            return heading;
    }
    return LibrarySignature(want);
}

HintRange ParameterRange(std::string_view signature, int argument) {
    const std::size_t open = signature.find('(');
    const std::size_t close = signature.find(')', open == std::string_view::npos ? 0 : open);
    if (open == std::string_view::npos || close == std::string_view::npos) return {};
    std::size_t groupStart = open + 1;
    int seen = 0;
    for (std::size_t i = open + 1; i <= close; ++i) {
        const char c = signature[i];
        if (c == ';' || i == close) {
            const std::string_view group = signature.substr(groupStart, i - groupStart);
            const std::size_t colon = group.find(':');
            const std::string_view names = group.substr(0, colon);
            int count = 1;
            for (char n : names) count += n == ',';
            if (argument < seen + count) {
                std::size_t start = groupStart;
                while (start < i && signature[start] == ' ') ++start;
                return {start, i};
            }
            seen += count;
            groupStart = i + 1;
        }
    }
    return {};
}

}  // namespace skrivo::host
