// Commands that reach into the running expert: options, its commands by name, the learnt dictionary.
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

    table.Add({"call", 1, 1, "COMMAND", [](Session& s, const ScriptArgs& a) {
                   TSkrivoExpert& expert = LoadedExpert(s);
                   if (const TExpertCommand* command = FindExpertCommand(a[0])) {
                       const bool result = command->run(expert);
                       if (command->reportsResult) s.Out() << (result ? "True" : "False") << '\n';
                       return;
                   }
                   throw ReplayError("unknown command " + a[0] + " (known: " + CommandNames() + ")");
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
