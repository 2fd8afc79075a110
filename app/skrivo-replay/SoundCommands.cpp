// What the expert's sounds actually played: "expect played".
#include "CommandTable.h"
#include "LoadedExpert.h"
#include "ScriptLine.h"
#include "sounds/SoundPlayer.h"

namespace skrivo::replay {

namespace {
// "2:wave", or the event and its melody: "7:440,100,0,50".
std::string Described(const PlayedSound& played) {
    std::string text = std::to_string(played.event) + ":";
    if (played.wave) return text + "wave";
    for (std::size_t i = 0; i < played.notes.size(); ++i) text += (i ? "," : "") + std::to_string(played.notes[i]);
    return text;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string out;
    for (const auto& item : items) out += (out.empty() ? "" : " ") + item;
    return out.empty() ? "nothing" : out;
}
}  // namespace

void AddSoundCommands(CommandTable& table) {
    // Each expected item is an event number, or an event with what it
    // played ("2:wave", "7:440,100,0,50"); compared in order.
    table.Add({"expect played", 0, -1, "[EVENT[:wave|:NOTES] ...]", [](Session& s, const ScriptArgs& a) {
                   std::vector<std::string> got;
                   bool same = true;
                   const std::vector<PlayedSound> played = LoadedExpert(s).Sounds().TakePlayed();
                   for (std::size_t i = 0; i < played.size(); ++i) {
                       got.push_back(Described(played[i]));
                       if (i >= a.size()) continue;
                       const bool detailed = a[i].find(':') != std::string::npos;
                       if (detailed ? a[i] != got.back() : a[i] != std::to_string(played[i].event)) same = false;
                   }
                   if (!same || played.size() != a.size())
                       throw ExpectationFailed(Joined(std::vector<std::string>(a.begin(), a.end())), Joined(got));
               }});
}

}  // namespace skrivo::replay
