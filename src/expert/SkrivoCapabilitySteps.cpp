// TSkrivoExpert: lifecycle steps that belong to capabilities built separately; each says which fills it.
#include "expert/SkrivoExpert.h"

namespace skrivo {

// Init step 1: the tips wizard creates itself here.
void TSkrivoExpert::CreateTipsWizard() {}

// The configuration's sound paths are loaded into memory here.
void TSkrivoExpert::ReLoadSounds() {}

// Destructor step 2: the sound events stop and free their buffers here.
void TSkrivoExpert::StopAndFreeSounds() {}

// Destructor step 8: the tips wizard and the beep player are freed here.
void TSkrivoExpert::FreeOwnedLists() {}

// Notify after a save: bookmark persistence writes the unit's bookmarks here.
void TSkrivoExpert::SaveBookmarks(TQvNotifier*) {}

// Macro playback reports here whether a macro is executing (substitutions wait for it).
bool TSkrivoExpert::MacroExecuting() { return false; }

// Every handled key records the keyboard layout in use here.
void TSkrivoExpert::CollectLocales() {}

// Every key-down in the editor joins the pressed-key history here (macros, tips).
void TSkrivoExpert::StorePressedKey(win::WORD, win::TShiftState) {}

}  // namespace skrivo
