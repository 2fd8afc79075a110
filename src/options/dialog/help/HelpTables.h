// The help and captions of every options control, one table a page, in English and Russian.
#pragma once

#include "options/dialog/ControlHelp.h"

namespace skrivo {

THelpTable FrameHelp();
THelpTable GeneralHelp();
THelpTable ReplaceHelp();
THelpTable WordsListHelp();
THelpTable RulesHelp();
THelpTable ExclusionsHelp();
THelpTable DictionaryHelp();
THelpTable MouseHelp();
THelpTable SoundHelp();
THelpTable ShortcutsHelp();
THelpTable MacrosHelp();
THelpTable SubstHelp();
THelpTable AboutHelp();

}  // namespace skrivo
