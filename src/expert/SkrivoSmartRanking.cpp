// TSkrivoExpert: what the smart ranking learns and asks beyond the line: the tokens before the cursor, the lists typed past.
#include <algorithm>
#include <string>
#include <vector>

#include "bridge/QvNotifier.h"
#include "completion/PassedOverWords.h"
#include "completion/SmartRanking.h"
#include "completion/TokenContext.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"

namespace skrivo {

namespace {

// The text before the cursor, a line break first when it reaches the unit's
// start so that a first word is not taken for a cut one.
std::string TextBeforeCursor(TQvNotifier& notifier) {
    const int pos = notifier.GetPosition();
    if (pos <= 0) return {};
    const int from = std::max(0, pos - kContextTextLength);
    std::string text = notifier.ReadChars(from, pos - from);
    if (from == 0) text.insert(text.begin(), '\n');
    return text;
}

}  // namespace

SmartRequest TSkrivoExpert::SmartRequestAtCursor() {
    SmartRequest request;
    TQvNotifier* current = GetCurrentNotifier();
    if (!current) return request;
    const std::string text = TextBeforeCursor(*current);
    const std::string_view typed = TrailingWordOf(text);
    request.context = TokensBeforeWord(text);
    const int start = current->GetPosition() - static_cast<int>(typed.size());
    request.passedOver = FPassedOver->At(current, start, typed);
    return request;
}

void TSkrivoExpert::NoteOffered(const std::string& selectedWord) {
    if (!selectedWord.empty()) FPassedOver->Offered(selectedWord);
}

// Called where the trigger collects a word as it is finished (a separator's
// key-down, Enter, an arrow), before the editor has the key: the tokens
// before the cursor's word are what it followed.
void TSkrivoExpert::LearnFinishedWord(std::string_view word) {
    const TExpertConfig& cfg = *GetCfg();
    if (!cfg.SmartRanking || !cfg.SelfTeaching || word.empty()) return;
    TQvNotifier* current = GetCurrentNotifier();
    if (current) FFrecency->UseAfter(TokensBeforeWord(TextBeforeCursor(*current)), word);
}

}  // namespace skrivo
