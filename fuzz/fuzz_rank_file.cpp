// The smart ranking's file: any bytes load into bounded tables with sound chances, and what is saved loads back.
#include <cmath>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "completion/SmartRanking.h"
#include "completion/TokenContext.h"
#include "platform/FileIO.h"

using namespace skrivo;

namespace {

void CheckChances(const WordFrecency& f, const std::vector<std::string>& context, const std::string& word) {
    const double chance = f.Chance(context, word);
    FUZZ_CHECK(std::isfinite(chance) && chance >= 0 && chance <= 1 + 1e-9);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    // The text typed after loading, then the file.
    const std::string typed(in.Piece());
    const std::string_view file = in.Rest();
    const std::string folder = fuzz::ScratchFolder();
    WriteFileAtomic(folder + std::string(WordFrecency::kFileName), std::string(file));

    WordFrecency f;
    f.Load(folder);
    FUZZ_CHECK(f.ContextCount() <= WordFrecency::kMaxContexts);
    FUZZ_CHECK(!f.Modified());

    // Learning every word of the text after the tokens before it.
    std::vector<std::string> words;
    for (std::size_t end = 1; end <= typed.size(); ++end) {
        const std::string before = typed.substr(0, end);
        const std::string word(TrailingWordOf(before));
        if (word.empty() || (end < typed.size() && !TrailingWordOf(typed.substr(0, end + 1)).empty())) continue;
        f.Use(word);
        f.UseAfter(TokensBeforeWord("\n" + before), word);
        words.push_back(word);
    }
    const std::vector<std::string> context = TokensBeforeWord("\n" + typed);
    for (const std::string& word : words) CheckChances(f, context, word);
    CheckChances(f, context, "Unknown");

    // What is saved loads back with no more than it had (faded counts are
    // left out) and the same chances for what it kept.
    f.Save(folder);
    WordFrecency again;
    again.Load(folder);
    FUZZ_CHECK(again.Count() <= f.Count());
    FUZZ_CHECK(again.ContextCount() <= f.ContextCount());
    for (const std::string& word : words) CheckChances(again, context, word);
    return 0;
}
