// TSkrivoExpert's single-key typing aids: brackets and quotes closed as they open, mirrored blanks, Enter at the line end, the parameter hint.
#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "host/api/EditorServices.h"
#include "host/api/Host.h"
#include "subst/AutoBrackets.h"

namespace skrivo {

namespace {

class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

host::IEditorServices* Editors() {
    host::IHost* host = host::Host();
    return host ? host->EditorServices() : nullptr;
}

}  // namespace

std::string TSkrivoExpert::MirroredBlanks(char ch) {
    if (!GetCfg()->SpacesBetweenAutoBrackets) return {};
    const std::string next = ReadText(1);
    if (next.empty()) return {};
    const std::size_t count = subst::MirroredBlanks(ReadText(-100), next[0], ch);
    if (count == 0) return {};
    std::string blanks(count, ' ');
    Rpt("AddSp=<", blanks, ">");
    return blanks;
}

void TSkrivoExpert::InsertFillBlanks(TQvNotifier* notifier, const std::string& blanks) {
    // The blanks are the expert's own: no substitution may take them for typing.
    FlagScope inserting(FInserting);
    notifier->Replace(notifier->GetPosition(), 0, blanks);
    notifier->MoveCursor(-static_cast<int>(blanks.size()));
}

void TSkrivoExpert::RecordOwnInsertion(TQvNotifier* notifier, const std::string& inserted) {
    FOldText.clear();
    FNewText = inserted;
    FReplaceNotifier = notifier;
    FReplaceEndPos = notifier->GetEditPos();
    FOwnEdit = true;
    FJustReplaced = true;
}

bool TSkrivoExpert::AutoCloseBracket(char ch, const std::string& fillBlanks) {
    const TExpertConfig& cfg = *GetCfg();
    TQvNotifier* notifier = GetCurrentNotifier();
    if (!cfg.AutoCloseBrackets || !notifier) return false;
    if (cfg.AutoBracketsOnlyAtEndOfLine && !notifier->AtEOL()) return false;
    Notifier2Replace = notifier;
    const std::string pair = std::string(subst::BracketPair(ch)) + fillBlanks;
    FLastEditPos = notifier->GetEditPos();
    {
        FlagScope inserting(FInserting);
        InsertText(pair);
    }
    RecordOwnInsertion(notifier, pair);
    FReplacePos = notifier->GetPosition() - static_cast<int>(pair.size());
    notifier->MoveCursor(-static_cast<int>(1 + fillBlanks.size()));
    TQvNotifier::Paint();
    FReplaceEndPos = notifier->GetEditPos();
    Play(6);
    if (ch == '(') ForceCodeParam();
    return true;
}

bool TSkrivoExpert::AutoCloseQuote(char ch, const std::string& fillBlanks) {
    TQvNotifier* notifier = GetCurrentNotifier();
    if (!GetCfg()->AutoUnquote || !notifier) return false;
    Notifier2Replace = notifier;
    FLastEditPos = notifier->GetEditPos();
    const std::string pair = std::string(2, ch) + fillBlanks;
    const std::string lineBefore = ReadText(-100);
    FReplacePos = notifier->GetPosition();
    {
        FlagScope inserting(FInserting);
        InsertText(pair);
    }
    RecordOwnInsertion(notifier, pair);
    // Inside a string literal the two apostrophes are one quoted apostrophe:
    // the cursor stays after them. Otherwise a new string begins between them.
    if (ch == '"' || !subst::InsideStringLiteral(lineBefore)) {
        host::TEditPos pos = notifier->GetEditPos();
        const int column = pos.Col - static_cast<int>(1 + fillBlanks.size());
        if (column > 0) {
            pos.Col = static_cast<std::int16_t>(column);
            notifier->SetEditPos(pos);
            FReplaceEndPos = notifier->GetEditPos();
        }
    }
    Play(6);
    return true;
}

void TSkrivoExpert::DoEOL() {
    host::IEditorServices* editors = Editors();
    host::IEditBuffer* buffer = editors ? editors->TopBuffer() : nullptr;
    if (buffer) buffer->EditPosition().MoveEOL();
}

void TSkrivoExpert::ForceCodeParam() {
    if (!IsEditorForeground() || !GetNotifiers() || GetNotifiers()->empty()) return;
    host::IEditorServices* editors = Editors();
    if (!editors || !editors->TopView()) return;
    if (host::IEditBuffer* buffer = editors->TopBuffer(); buffer && buffer->EditBlock().Size() >= 1) {
        Rpt("Block is selected - can not force code param");
        return;
    }
    if (host::IEditActions* actions = editors->TopViewActions()) {
        actions->CodeCompletion(2);
        Rpt("CODE PARAM FORCED");
    }
}

}  // namespace skrivo
