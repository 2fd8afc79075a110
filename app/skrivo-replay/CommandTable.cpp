// Command lookup and the table of every replay command.
#include "CommandTable.h"

namespace skrivo::replay {

void CommandTable::Add(CommandSpec spec) {
    for (auto& existing : commands_)
        if (existing.name == spec.name) {
            // A group added later replaces a command of the same name.
            existing = std::move(spec);
            return;
        }
    commands_.push_back(std::move(spec));
}

const CommandSpec* CommandTable::Find(const ScriptArgs& words, std::size_t& wordsUsed) const {
    const CommandSpec* best = nullptr;
    wordsUsed = 0;
    for (const auto& spec : commands_) {
        std::size_t used = 0;
        std::size_t start = 0;
        bool matches = true;
        while (start <= spec.name.size()) {
            const std::size_t blank = spec.name.find(' ', start);
            const std::string word = spec.name.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
            if (used >= words.size() || words[used] != word) {
                matches = false;
                break;
            }
            ++used;
            if (blank == std::string::npos) break;
            start = blank + 1;
        }
        if (matches && used > wordsUsed) {
            best = &spec;
            wordsUsed = used;
        }
    }
    return best;
}

}  // namespace skrivo::replay
