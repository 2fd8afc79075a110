// TSkrivoExpert: what the smart ranking learns and asks beyond the line: the tokens before the cursor.
#include <algorithm>
#include <string>
#include <vector>

#include "bridge/QvNotifier.h"
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

std::vector<std::string> TSkrivoExpert::TokensBeforeCursor() {
    TQvNotifier* current = GetCurrentNotifier();
    return current ? TokensBeforeWord(TextBeforeCursor(*current)) : std::vector<std::string>{};
}

// Called where the trigger collects a word as it is finished (a separator's
// key-down, Enter, an arrow), before the editor has the key: the tokens
// before the cursor's word are what it followed.
void TSkrivoExpert::LearnFinishedWord(std::string_view word) {
    const TExpertConfig& cfg = *GetCfg();
    if (!cfg.SmartRanking || !cfg.SelfTeaching || word.empty()) return;
    FFrecency->UseAfter(TokensBeforeCursor(), word);
}

}  // namespace skrivo
