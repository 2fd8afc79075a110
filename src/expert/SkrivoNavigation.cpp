// TSkrivoExpert: the block navigation commands over the current unit's token text.
#include <optional>

#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "expert/SkrivoExpert.h"
#include "source/BlockNavigation.h"

namespace skrivo {

namespace {
// Moves the cursor (and the view) to the target when there is one.
bool MoveTo(TQvNotifier& notifier, std::optional<int> target) {
    if (!target) return false;
    notifier.SetPosition(*target);
    return true;
}
}  // namespace

bool TSkrivoExpert::DoBeginEnd() {
    b("-> TSkrivoExpert.DoBeginEnd");
    TQvNotifier* notifier = GetCurrentNotifier();
    if (!notifier) return false;
    const std::string& tokens = notifier->GetTokens();
    const bool moved = MoveTo(*notifier, BeginEndTarget(tokens, notifier->GetPosition()));
    ResetTimer();
    return moved;
}

bool TSkrivoExpert::DoLevelUp() {
    b("-> TSkrivoExpert.DoLevelUp");
    TQvNotifier* notifier = GetCurrentNotifier();
    if (!notifier) return false;
    const std::string& tokens = notifier->GetTokens();
    const bool moved = MoveTo(*notifier, LevelUpTarget(tokens, notifier->GetPosition()));
    ResetTimer();
    return moved;
}

// Declaration/implementation jumps and the jump history are accepted
// commands that have nothing to do yet: they report that they did no work.
bool TSkrivoExpert::DoJump() { return false; }
bool TSkrivoExpert::DoHistory() { return false; }

}  // namespace skrivo
