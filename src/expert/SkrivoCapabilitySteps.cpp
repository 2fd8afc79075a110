// TSkrivoExpert: lifecycle steps that belong to capabilities built separately; each says which fills it.
#include "expert/SkrivoExpert.h"

namespace skrivo {

// Macro playback reports here whether a macro is executing (substitutions wait for it).
bool TSkrivoExpert::MacroExecuting() { return false; }


}  // namespace skrivo
