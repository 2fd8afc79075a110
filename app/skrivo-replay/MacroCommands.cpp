// The keyboard macros as a script sees them: the macro list in order, with names and shortcuts.
#include "CommandTable.h"
#include "ScriptLine.h"
#include "Session.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "expert/SkrivoPackage.h"

namespace skrivo::replay {

namespace {

// NAME, or NAME=SHORTCUT when the shortcut is compared too (the first "="
// ends the name, so a shortcut such as "Ctrl+=" still reads).
std::string Rendered(Session& s, const TMacro& macro, bool withShortcut) {
    std::string text = s.ToUtf8(macro.FName);
    if (withShortcut) text += "=" + s.ToUtf8(win::ShortCutToText(macro.FShtcut));
    return text;
}

}  // namespace

void AddMacroCommands(CommandTable& table) {
    table.Add({"expect macros", 0, -1, "NAME[=SHORTCUT] ...", [](Session& s, const ScriptArgs& a) {
                   s.Host();
                   TSkrivoExpert* expert = RegisteredExpert();
                   if (!expert) throw ReplayError("Skrivo is not loaded");
                   const TMacroList& macros = expert->GetCfg()->MacroList;
                   std::string expected, got;
                   bool same = macros.Count() == a.size();
                   for (std::size_t i = 0; i < std::max(a.size(), macros.Count()); ++i) {
                       const bool withShortcut = i < a.size() && a[i].find('=') != std::string::npos;
                       if (i < a.size()) expected += (expected.empty() ? "" : " ") + QuoteScriptText(a[i]);
                       if (i < macros.Count()) {
                           const std::string text = Rendered(s, macros[i], withShortcut);
                           got += (got.empty() ? "" : " ") + QuoteScriptText(text);
                           if (i < a.size() && text != a[i]) same = false;
                       }
                   }
                   if (!same) throw ExpectationFailed(expected.empty() ? "no macros" : expected, got.empty() ? "no macros" : got);
               }});
}

}  // namespace skrivo::replay
