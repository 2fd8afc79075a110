// Commands that reach into the running expert: options, command operations by name, the learnt dictionary.
#include <functional>
#include <map>

#include "CommandTable.h"
#include "LoadedExpert.h"
#include "ScriptLine.h"
#include "Session.h"
#include "completion/SelfTeachingDictionary.h"
#include "config/ConfigStore.h"
#include "config/ExpertConfig.h"
#include "config/OptionAccess.h"
#include "expert/SkrivoExpert.h"
#include "expert/SkrivoPackage.h"

namespace skrivo::replay {

namespace {

// The expert's command operations by name. Boolean ones print their result;
// the others print nothing.
using BoolCommand = std::function<bool(TSkrivoExpert&)>;
using VoidCommand = std::function<void(TSkrivoExpert&)>;

const std::map<std::string, BoolCommand>& BoolCommands() {
    static const std::map<std::string, BoolCommand> commands = {
        {"DoBeginEnd", [](TSkrivoExpert& e) { return e.DoBeginEnd(); }},
        {"DoLevelUp", [](TSkrivoExpert& e) { return e.DoLevelUp(); }},
        {"DoJump", [](TSkrivoExpert& e) { return e.DoJump(); }},
        {"DoHistory", [](TSkrivoExpert& e) { return e.DoHistory(); }},
        {"DoRestore", [](TSkrivoExpert& e) { return e.DoRestore(); }},
        {"DoUndo", [](TSkrivoExpert& e) { return e.DoUndo(); }},
        {"DoRedo", [](TSkrivoExpert& e) { return e.DoRedo(); }},
        {"DoShowTip", [](TSkrivoExpert& e) { return e.DoShowTip(); }},
    };
    return commands;
}

const std::map<std::string, VoidCommand>& VoidCommands() {
    static const std::map<std::string, VoidCommand> commands = {
        {"SaveDictionary", [](TSkrivoExpert& e) { e.SaveDictionary(); }},
        {"CheckDicChanged", [](TSkrivoExpert& e) { e.CheckDicChanged(); }},
        {"MergeDictionary", [](TSkrivoExpert& e) { e.MergeDictionary(); }},
        {"LoadfixedDic", [](TSkrivoExpert& e) { e.LoadfixedDic(); }},
        {"SaveCfg", [](TSkrivoExpert& e) { e.SaveCfg(); }},
        {"ForceShowWordsList", [](TSkrivoExpert& e) { e.ForceShowWordsList(); }},
        {"ReLoadSounds", [](TSkrivoExpert& e) { e.ReLoadSounds(); }},
    };
    return commands;
}

std::string CommandNames() {
    std::string names;
    for (const auto& [name, _] : BoolCommands()) names += (names.empty() ? "" : ", ") + name;
    for (const auto& [name, _] : VoidCommands()) names += ", " + name;
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
                   if (auto it = BoolCommands().find(a[0]); it != BoolCommands().end()) {
                       s.Out() << (it->second(expert) ? "True" : "False") << '\n';
                       return;
                   }
                   if (auto it = VoidCommands().find(a[0]); it != VoidCommands().end()) {
                       it->second(expert);
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
