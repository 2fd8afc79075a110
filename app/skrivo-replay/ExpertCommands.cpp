// Commands that reach into the running expert: options, its commands by name, the learnt dictionary.
#include <optional>

#include "ArgParsing.h"
#include "CommandTable.h"
#include "LoadedExpert.h"
#include "ScriptLine.h"
#include "Session.h"
#include "completion/SelfTeachingDictionary.h"
#include "config/ConfigStore.h"
#include "config/ExpertConfig.h"
#include "config/OptionAccess.h"
#include "expert/SkrivoCommands.h"
#include "expert/SkrivoExpert.h"
#include "expert/SkrivoPackage.h"

namespace skrivo::replay {

namespace {

std::string CommandNames() {
    std::string names;
    for (const TExpertCommand& command : ExpertCommands())
        names += (names.empty() ? "" : ", ") + std::string(command.name);
    return names;
}

// Options as the record renders them, so "on" and "1" compare equal. List
// counts and entries cannot be set; their text is compared as written.
std::string Normalised(const ConfigStore& store, const std::string& name, const std::string& text) {
    TExpertConfig scratch = *store.GetCfg();
    ConfigContext context = store.Context();
    bool fast = store.FastReadText();
    context.getFastReadText = [&fast] { return fast; };
    context.setFastReadText = [&fast](bool value) { fast = value; };
    try {
        SetOptionText(scratch, context, name, text);
    } catch (const EOptionError&) {
        return text;
    }
    return GetOptionText(scratch, context, name);
}

}  // namespace

void AddExpertCommands(CommandTable& table) {
    table.Add({"set", 2, 2, "OPTION VALUE", [](Session& s, const ScriptArgs& a) {
                   try {
                       LoadedExpert(s).Config().SetOption(a[0], s.ToAnsi(a[1]));
                   } catch (const EOptionError& e) {
                       throw ReplayError(e.what());
                   }
               }});

    table.Add({"expect option", 2, 2, "OPTION VALUE", [](Session& s, const ScriptArgs& a) {
                   ConfigStore& store = LoadedExpert(s).Config();
                   std::string got, expected;
                   try {
                       got = store.OptionText(a[0]);
                       expected = Normalised(store, a[0], s.ToAnsi(a[1]));
                   } catch (const EOptionError& e) {
                       throw ReplayError(e.what());
                   }
                   if (got != expected)
                       throw ExpectationFailed(QuoteScriptText(s.ToUtf8(expected)), QuoteScriptText(s.ToUtf8(got)));
               }});

    table.Add({"call", 1, 2, "COMMAND [TEXT]", [](Session& s, const ScriptArgs& a) {
                   TSkrivoExpert& expert = LoadedExpert(s);
                   // The one command with an argument: a pattern line tested at the cursor.
                   if (a[0] == "CheckAtCursor") {
                       if (a.size() != 2) throw ReplayError("call CheckAtCursor takes a pattern line");
                       s.Out() << (expert.CheckAtCursor(s.ToAnsi(a[1])) ? "True" : "False") << '\n';
                       return;
                   }
                   if (a.size() != 1) throw ReplayError("call " + a[0] + " takes no argument");
                   if (const TExpertCommand* command = FindExpertCommand(a[0])) {
                       const bool result = command->run(expert);
                       if (command->reportsResult) {
                           s.SetLastResult(result);
                           s.Out() << (result ? "True" : "False") << '\n';
                       }
                       return;
                   }
                   throw ReplayError("unknown command " + a[0] + " (known: " + CommandNames() + ")");
               }});

    table.Add({"expect result", 1, 1, "True|False", [](Session& s, const ScriptArgs& a) {
                   if (a[0] != "True" && a[0] != "False") throw ReplayError("a result is True or False, got " + QuoteScriptText(a[0]));
                   const std::optional<bool> got = s.LastResult();
                   if (!got) throw ExpectationFailed(a[0], "no call with a result before");
                   if (*got != (a[0] == "True")) throw ExpectationFailed(a[0], *got ? "True" : "False");
               }});

    table.Add({"expect dict count", 1, 1, "N", [](Session& s, const ScriptArgs& a) {
                   const long long expected = ParseNumber(a[0], "the count", 0, 0x7FFFFFFF);
                   const std::size_t got = LoadedExpert(s).Dict().Entries().Count();
                   if (got != static_cast<std::size_t>(expected)) throw ExpectationFailed(a[0], std::to_string(got));
               }});

    table.Add({"expect no dict", 1, 1, "ENTRY", [](Session& s, const ScriptArgs& a) {
                   const StringList& dict = LoadedExpert(s).Dict().Entries();
                   const std::string entry = s.ToAnsi(a[0]);
                   for (std::size_t i = 0; i < dict.Count(); ++i)
                       if (dict[i] == entry)
                           throw ExpectationFailed("no entry " + QuoteScriptText(a[0]), "it at index " + std::to_string(i));
               }});

    table.Add({"expect dict", 2, 2, "INDEX ENTRY", [](Session& s, const ScriptArgs& a) {
                   const StringList& dict = LoadedExpert(s).Dict().Entries();
                   std::size_t index = 0;
                   try {
                       std::size_t used = 0;
                       index = std::stoul(a[0], &used);
                       if (used != a[0].size()) throw std::invalid_argument(a[0]);
                   } catch (const std::exception&) {
                       throw ReplayError("not an index: " + a[0]);
                   }
                   const std::string expected = s.ToAnsi(a[1]);
                   if (index >= dict.Count())
                       throw ExpectationFailed(QuoteScriptText(a[1]),
                                               "no entry " + a[0] + " (the dictionary holds " +
                                                   std::to_string(dict.Count()) + ")");
                   if (dict[index] != expected)
                       throw ExpectationFailed(QuoteScriptText(a[1]), QuoteScriptText(s.ToUtf8(dict[index])));
               }});
}

}  // namespace skrivo::replay
