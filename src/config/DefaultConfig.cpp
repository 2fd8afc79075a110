// The default configuration, applied from the option table.
#include "config/DefaultConfig.h"

#include "config/OptionTable.h"

namespace skrivo {

namespace {

// Kept as it is stored: one text, lines separated by CR.
constexpr std::string_view kDefaultSubstitutions =
    "* for *=| ^*:=| {|}\r"
    " := |\r"
    "* for *:= * | ^* for *:=* to *| ^* downto *| {|}\r"
    " to | do\r"
    "* for *:=* to * | ^* do *| {|}\r"
    " do |\r"
    "* wh | {|}\r"
    "while | do\r"
    "* while | {|}\r"
    "while | do\r"
    "* if | ^{|*then*} {|}\r"
    "if | then\r"
    "* if*=| ^* =| ^*<=| ^*>=| ^* then *|\r"
    " = |\r"
    "*=| ^* =| ^*:=*| ^*<=| ^*>=| {|}\r"
    " := |;\r"
    "*=| ^* =| ^*:=*| ^*<=| ^*>=| ^*while *| ^*until *| ^*case *|\r"
    " := |\r"
    "*.fb\\|\r"
    ".FieldByName( '|' ).As&\r"
    "* bg |\r"
    "begin |\r"
    "*b\\|\r"
    "begin |\r"
    "*ee\\|\r"
    "else |\r"
    "*e\\|\r"
    "end;|\r"
    "*end\\| {|;}\r"
    "end\\  else\\begin\\  |\\end\r"
    "*:i| {|} ^*(*|\r"
    ": Integer;|\r"
    "*:i|\r"
    ": Integer|\r"
    "*:d| {|} ^*(*|\r"
    ": Double;|\r"
    "*:d|\r"
    ": Double|\r"
    "*:b| {|} ^*(*|\r"
    ": Boolean;|\r"
    "*:b|\r"
    ": Boolean|\r"
    "*:s| {|} ^*(*|\r"
    ": String;|\r"
    "*:s|\r"
    ": String|\r"
    "*:a| {|} ^*(*|\r"
    ": array[ & ] of &;|\r"
    "*:a|\r"
    ": array|\r"
    "* try|\r"
    "TRY\\  |\\FINALLY\\\\END;\r"
    "* e| {|FINALLY}\r"
    "EXCEPT|//\r"
    "* FINALLYe|\r"
    "EXCEPT|\r"
    "* EXCEPTf|\r"
    "FINALLY|\r"
    "* repeat|\r"
    "REPEAT\\  |\\UNTIL &;\r"
    "* case |\r"
    "CASE | OF\\\\END;\r"
    "*t\\|\r"
    "TRUE|\r"
    "*f\\|\r"
    "FALSE|";

}  // namespace

std::string_view DefaultSubstitutionText() { return kDefaultSubstitutions; }

void ApplyDefaultConfig(TExpertConfig& cfg, const std::string& directory) {
    for (const OptionDef& d : OptionTable()) {
        if (d.Has(ofKeepOnReset)) continue;
        switch (d.kind) {
            case OptionKind::Boolean: d.Bool(cfg) = d.defaultValue != 0; break;
            case OptionKind::Integer: d.Int(cfg) = d.defaultValue; break;
            case OptionKind::Shortcut: d.Shortcut(cfg) = d.DefaultShortcut(); break;
            case OptionKind::String:
                d.Text(cfg) = d.Has(ofDefaultAppPath) ? directory.substr(0, kMaxOptionString) : std::string();
                break;
            case OptionKind::FastReadText: break;  // the expert base's own
            case OptionKind::WordList:
                cfg.WordsList.Clear();
                for (std::string_view w : kDefaultHideAfterWords) cfg.WordsList.Add(std::string(w));
                break;
            case OptionKind::ConditionList: cfg.ConditionList.Clear(); break;
            case OptionKind::SubstList: cfg.SubstList.Clear(); break;
            case OptionKind::MacroList: cfg.MacroList.Clear(); break;
        }
    }
}

}  // namespace skrivo
