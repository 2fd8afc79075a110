// Commands that prepare the start: the home folder, the code page and the keyboard layouts.
#include "ArgParsing.h"
#include "CommandTable.h"
#include "Session.h"

namespace skrivo::replay {

void AddSetupCommands(CommandTable& table) {
    table.Add({"home", 1, 1, "DIR", [](Session& s, const ScriptArgs& a) { s.SetHome(a[0]); }});

    table.Add({"codepage", 1, 1, "1251|1252", [](Session& s, const ScriptArgs& a) {
                   if (a[0] == "1251")
                       s.SetCodePage(win::CodePage::Cp1251);
                   else if (a[0] == "1252")
                       s.SetCodePage(win::CodePage::Cp1252);
                   else
                       throw ReplayError("the code page is 1251 or 1252, got " + QuoteScriptText(a[0]));
               }});

    table.Add({"layouts", 1, -1, "HEX ...", [](Session& s, const ScriptArgs& a) {
                   std::vector<win::HKL> layouts;
                   for (const auto& text : a) layouts.push_back(ParseLayout(text));
                   s.SetLayouts(layouts);
               }});

    table.Add({"env", 2, 2, "NAME VALUE", [](Session& s, const ScriptArgs& a) { s.SetEnv(a[0], a[1]); }});

    table.Add({"screen", 2, 2, "WIDTH HEIGHT", [](Session& s, const ScriptArgs& a) {
                   s.SetScreen(static_cast<int>(ParseNumber(a[0], "the width", 320, 16384)),
                               static_cast<int>(ParseNumber(a[1], "the height", 200, 16384)));
               }});

    table.Add({"restart", 0, 0, "", [](Session& s, const ScriptArgs&) { s.Restart(); }});

    table.Add({"layout", 1, 1, "HEX", [](Session& s, const ScriptArgs& a) { s.SwitchLayout(ParseLayout(a[0])); }});
}

}  // namespace skrivo::replay
