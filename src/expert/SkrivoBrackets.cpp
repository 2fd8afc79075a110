// TSkrivoExpert's single-key typing aids: brackets and quotes closed as they open, mirrored blanks, Enter at the line end, the parameter hint.
#include <algorithm>

#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "config/ExpertConfig.h"
#include "config/SoundEvents.h"
#include "expert/ReplacementRecord.h"
#include "expert/SkrivoExpert.h"
#include "host/api/EditorServices.h"
#include "host/api/Host.h"
#include "platform/ScopedValue.h"
#include "subst/AutoBrackets.h"

namespace skrivo {

namespace {

host::IEditorServices* Editors() {
    host::IHost* host = host::Host();
    return host ? host->EditorServices() : nullptr;
}

}  // namespace

std::string TSkrivoExpert::MirroredBlanks(char ch) {
    if (!GetCfg()->SpacesBetweenAutoBrackets) return {};
    const std::string next = ReadText(1);
    // Most keys: the line before the cursor is not read at all.
    if (next.empty() || !subst::MayMirrorBlanks(next[0], ch)) return {};
    const std::size_t count = subst::MirroredBlanks(ReadText(-100), next[0], ch);
    if (count == 0) return {};
    std::string blanks(count, ' ');
    Rpt("AddSp=<", blanks, ">");
    return blanks;
}

void TSkrivoExpert::InsertFillBlanks(TQvNotifier* notifier, const std::string& blanks) {
    // The blanks are the expert's own: no substitution may take them for typing.
    ScopedValue inserting(FInserting, true);
    notifier->Replace(notifier->GetPosition(), 0, blanks);
    notifier->MoveCursor(-static_cast<int>(blanks.size()));
}

void TSkrivoExpert::RecordOwnInsertion(TQvNotifier* notifier, const std::string& inserted) {
    FReplacement->FOldText.clear();
    FReplacement->FNewText = inserted;
    FReplacement->FReplaceNotifier = notifier;
    FReplacement->FReplaceEndPos = notifier->GetEditPos();
    FOwnEdit = true;
    FReplacement->FJustReplaced = true;
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
        ScopedValue inserting(FInserting, true);
        InsertText(pair);
    }
    RecordOwnInsertion(notifier, pair);
    FReplacement->FReplacePos = notifier->GetPosition() - static_cast<int>(pair.size());
    notifier->MoveCursor(-static_cast<int>(1 + fillBlanks.size()));
    TQvNotifier::Paint();
    FReplacement->FReplaceEndPos = notifier->GetEditPos();
    FAutoClosers.Opened(notifier, notifier->GetEditPos().Line, RestOfLine());
    Play(seAnyChar);
    if (ch == '(') ForceCodeParam();
    return true;
}

std::string TSkrivoExpert::RestOfLine() {
    // Enough for any line typed by hand; a longer one compares by its start.
    return ReadAheadUntil(1000, "\r\n");
}

std::string TSkrivoExpert::ReadAheadUntil(int count, std::string_view stops) {
    // Lines are short: a first short read mostly holds the stop already,
    // and the rest of a long read would be converted only to be cut off.
    constexpr int kFirstRead = 128;
    const int first = std::min(count, kFirstRead);
    std::string text = ReadText(first);
    if (text.find_first_of(stops) == std::string::npos && static_cast<int>(text.size()) == first && count > first)
        text = ReadText(count);
    if (const std::size_t end = text.find_first_of(stops); end != std::string::npos) text.resize(end);
    return text;
}

bool TSkrivoExpert::StepsOverAutoCloser(TQvNotifier* notifier, char ch) {
    const bool bracket = ch == ')' || ch == ']' || ch == '}';
    const bool quote = ch == '\'' || ch == '"';
    if (!(bracket && GetCfg()->AutoCloseBrackets) && !(quote && GetCfg()->AutoUnquote)) return false;
    return FAutoClosers.StepOver(notifier, notifier->GetEditPos().Line, RestOfLine(), ch);
}

bool TSkrivoExpert::AutoCloseQuote(char ch, const std::string& fillBlanks) {
    TQvNotifier* notifier = GetCurrentNotifier();
    if (!GetCfg()->AutoUnquote || !notifier) return false;
    Notifier2Replace = notifier;
    FLastEditPos = notifier->GetEditPos();
    const std::string pair = std::string(2, ch) + fillBlanks;
    const std::string lineBefore = ReadText(-100);
    FReplacement->FReplacePos = notifier->GetPosition();
    {
        ScopedValue inserting(FInserting, true);
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
            FReplacement->FReplaceEndPos = notifier->GetEditPos();
            // Typing the quote that ends the string steps over this one.
            FAutoClosers.Opened(notifier, pos.Line, RestOfLine());
        }
    }
    Play(seAnyChar);
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
