// TSkrivoExpert's handling of keys that type characters: learning the finished word, placeholders, completion by separators.
#include "bridge/QvNotifier.h"
#include "suggest/SuggestWindow.h"
#include "config/ExpertConfig.h"
#include "config/SoundEvents.h"
#include "expert/SkrivoExpert.h"
#include "host/api/Host.h"
#include "platform/KeyboardLayout.h"
#include "platform/VirtualKeys.h"
#include "subst/Replacement.h"
#include "source/CharClasses.h"
#include "subst/AutoBrackets.h"

namespace skrivo {
namespace {


bool CtrlOrAlt(win::TShiftState shift) { return (shift & (win::ssCtrl | win::ssAlt)) != 0; }

bool IsLetterKeyButJ(win::WPARAM key) { return key >= 'A' && key <= 'Z' && key != 'J'; }
bool IsFunctionKey(win::WPARAM key) { return key >= win::VK_F1 && key <= win::VK_F24; }

}  // namespace

void TSkrivoExpert::CharacterKey(TKeyCall& call) {
    win::BYTE keyState[256] = {};
    host::Host()->Windows().GetKeyboardState(keyState);
    win::WORD produced = 0;
    call.charCount = win::ToAscii(static_cast<win::UINT>(call.msg.wParam), win::ScanCodeOf(call.msg.lParam),
                                  keyState, &produced, 0);
    call.ch = static_cast<char>(produced & 0xFF);
    call.fillBlanks.clear();
    if (call.charCount == 1) {
        TQvNotifier* notifier = GetCurrentNotifier();
        if (notifier) {
            if (!IsAlphaDigit(call.ch) && !CtrlOrAlt(call.shift)) Work(ReadText(-100), false);
            if (ReadText(1) == std::string(1, subst::kPlaceholderMark)) DeleteChars(1);
            call.stepOver = StepsOverAutoCloser(notifier, call.ch);
            call.fillBlanks = call.stepOver ? std::string() : MirroredBlanks(call.ch);
        }
        if (call.stepOver) {
            // The bracket is there already: a word being completed by it gets
            // only the word, and the cursor moves past the bracket.
            CompleteByCharacter(call);
            if (SuggestionListVisible()) HideSuggestion(false);
            notifier->MoveCursor(1);
            call.handled = true;
            return;
        }
        if (!subst::BracketPair(call.ch).empty()) {
            call.handled = AutoCloseBracket(call.ch, call.fillBlanks);
        } else if (call.ch == '\'' || call.ch == '"') {
            call.handled = AutoCloseQuote(call.ch, call.fillBlanks);
        } else if (notifier && !call.fillBlanks.empty()) {
            // The editor then inserts the typed character before the blanks.
            InsertFillBlanks(notifier, call.fillBlanks);
        }
    }
    if (!call.handled) CompleteByCharacter(call);
}

void TSkrivoExpert::CompleteByCharacter(TKeyCall& call) {
    const TExpertConfig& cfg = *GetCfg();
    if (!SuggestionListVisible() || !(cfg.SpaceComplete || cfg.SeparatorComplete || cfg.SemicolonComplete)) return;
    const auto key = call.msg.wParam;
    if (key == 'J' && call.shift == win::ssCtrl) {
        HideSuggestion(true);  // the IDE's own Ctrl+J list follows
        return;
    }
    if (IsLetterKeyButJ(key) || IsFunctionKey(key) || call.charCount != 1) return;
    const char ch = call.ch;
    const bool completes = (ch == ' ' && cfg.SpaceComplete) || (ch == ';' && cfg.SemicolonComplete) ||
                           (IsSeparator(ch) && cfg.SeparatorComplete);
    TfmSuggest* list = SggListIfCreated();
    const int item = list->lvWords->Selected();
    if (!completes || item < 0) return;
    Play(seReplaced);
    ReplaceWord(-1, call.stepOver ? list->lvWords->Caption(item) : list->lvWords->Caption(item) + ch);
    call.handled = true;
}

}  // namespace skrivo
