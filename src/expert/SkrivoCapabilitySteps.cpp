// TSkrivoExpert: lifecycle steps that belong to capabilities built separately; each says which fills it.
#include "expert/SkrivoExpert.h"

namespace skrivo {

// Notify on modification: the substitution engine rewrites typed text here.
void TSkrivoExpert::DoSubstitutions(TQvNotifier*) {}

// The IDE's parameter hint, forced after keys, clicks and insertions.
void TSkrivoExpert::ForceCodeParam() {}

// Enter with EnterNoDivideLine: the cursor moves to the end of its line here.
void TSkrivoExpert::DoEOL() {}

// Every handled key records the keyboard layout in use here.
void TSkrivoExpert::CollectLocales() {}

}  // namespace skrivo
