// TSkrivoExpert: lifecycle steps that belong to capabilities built separately; each says which fills it.
#include "expert/SkrivoExpert.h"

namespace skrivo {

// Init step 1: the tips wizard creates itself here.
void TSkrivoExpert::CreateTipsWizard() {}

// Init step 6: the configuration store applies its defaults, loads the
// stored configuration, the default substitutions and the sounds here.
void TSkrivoExpert::ResetDefaultConfig() {}

// Init step 7: the dictionaries fill an empty Directory with AppPath, load
// fixed.dic and, when it exists, Skrivo.dic with its time here.
void TSkrivoExpert::LoadDictionaries() {}

// Destructor step 2: the sound events stop and free their buffers here.
void TSkrivoExpert::StopAndFreeSounds() {}

// Destructor step 5: the suggestion list window is freed here, unless the
// application is already terminated.
void TSkrivoExpert::FreeSuggestionList() {}

// Destructor step 7 and the timer's saves: the dictionaries write Skrivo.dic here.
void TSkrivoExpert::SaveDictionary() {}

// Destructor step 8: the configuration's lists, the macros, the tips wizard
// and the beep player are freed here.
void TSkrivoExpert::FreeOwnedLists() {}

// Notify on modification: the substitution engine rewrites typed text here.
void TSkrivoExpert::DoSubstitutions(TQvNotifier*) {}

// Notify after a save: bookmark persistence writes the unit's bookmarks here.
void TSkrivoExpert::SaveBookmarks(TQvNotifier*) {}

// MenuClick: the options dialog opens here.
void TSkrivoExpert::DoShowOptions() {}

}  // namespace skrivo
