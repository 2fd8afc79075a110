// TSkrivoExpert's substitutions: the typed tail replaced by the first fitting pattern's replacement, and pattern checks at the cursor.
#include <exception>

#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "config/ExpertConfig.h"
#include "config/SoundEvents.h"
#include "expert/KeyDispatchState.h"
#include "expert/ReplacementRecord.h"
#include "expert/SkrivoExpert.h"
#include "host/api/Host.h"
#include "platform/ScopedValue.h"
#include "platform/VirtualKeys.h"
#include "subst/MatchText.h"
#include "subst/Replacement.h"
#include "subst/SubstitutionEngine.h"

namespace skrivo {

namespace {

// How far DoSubstitutions looks after the cursor; the line ends earlier.
constexpr int kAfterCursorRead = 1000;

}  // namespace

bool TSkrivoExpert::DoSubstitutions(TQvNotifier* notifier) {
    if (FInSubstitution || FInserting || !notifier) return false;
    // The host reports every own insertion while its guard (FInSubstitution,
    // FInserting) is still set, so a notification that gets here is the
    // user's next edit: the mark left for the idle timer ends, and the edit
    // is examined as usual.
    FOwnEdit = false;
    const TExpertConfig& cfg = *GetCfg();
    if (!cfg.UseSubstitutions || FKeys->FDeleting) return false;
    if (host::Host()->Windows().GetAsyncKeyState(win::VK_CONTROL) < 0 || IsRecording() || IsPlaying() ||
        MacroExecuting() || !IsEditorForeground())
        return false;

    ScopedValue inSubstitution(FInSubstitution, true);
    Rpt("Subst");
    try {
        const std::string before = ReadText(-100);
        const std::string after = ReadAheadUntil(kAfterCursorRead, "\r");
        Rpt("ADVANCED READ TEXT: <", before, "||", after, ">");
        const std::optional<subst::SubstitutionFit> fit = FSubst->FindFit(cfg.SubstList, before, after);
        if (!fit) return false;

        const subst::ExpandedReplacement r =
            subst::ExpandReplacement(fit->replacement, subst::LeadingIndent(before), "\r\n");
        // Exactly what the typed tail matched goes, so that a blank of the
        // tail takes the whole run of blanks it stood for.
        const std::size_t removed = std::min(fit->removeBefore, before.size());
        const std::string typed = before.substr(before.size() - removed);

        FLastEditPos = notifier->GetEditPos();
        Notifier2Replace = notifier;
        FReplacement->FReplaceNotifier = notifier;
        FReplacement->FNewText = r.text;
        FReplacement->FOldText = typed;
        FReplacement->FReplacePos = notifier->GetPosition() - static_cast<int>(removed);
        Rpt("Replaced from: <", typed, "> to: <", r.text, ">");

        BackSpaceDelete(static_cast<int>(removed));
        const auto reReadInserted = [&] {
            // The editor may have indented the new lines by itself.
            if (FReplacement->FNewText.find('\r') == std::string::npos) return;
            const std::string standing = notifier->ReadChars(FReplacement->FReplacePos, notifier->GetPosition() - FReplacement->FReplacePos);
            if (standing != FReplacement->FNewText) Rpt("Inserted <", FReplacement->FNewText, "> stands as <", standing, ">");
            FReplacement->FNewText = standing;
        };
        if (r.cursor == r.text.size()) {
            InsertText(r.text);
            FReplacement->FReplaceEndPos = notifier->GetEditPos();
            reReadInserted();
        } else {
            const std::size_t head = r.cursor == std::string::npos ? 0 : r.cursor;
            InsertText(r.text.substr(0, head));
            FReplacement->FReplaceEndPos = notifier->GetEditPos();
            InsertText(r.text.substr(head));
            reReadInserted();
            notifier->SetEditPos(FReplacement->FReplaceEndPos);
        }

        FOwnEdit = true;
        FReplacement->FJustReplaced = true;
        ResetTimer();
        Play(seReplaced);
        ForceCodeParam();
        HideSuggestion(false);
        return true;
    } catch (const std::exception&) {
        Rpt("fin008");
        throw;
    }
}

bool TSkrivoExpert::CheckAtCursor(const std::string& pattern) {
    Rpt("Checking: <", pattern, ">");
    TQvNotifier* notifier = GetCurrentNotifier();
    if (!notifier) return false;
    const int cursor = notifier->GetPosition();
    if (cursor < 0) return false;
    const auto read = [notifier](int pos, int count) { return notifier->ReadChars(pos, count); };
    subst::BlockMatchText before(read, cursor, subst::BlockMatchText::Backward);
    subst::BlockMatchText after(read, cursor, subst::BlockMatchText::Forward);
    return subst::SubstitutionEngine::LineFitsInModule(pattern, before, after);
}

}  // namespace skrivo
