// The pages of the options dialog in tab order; each is built by its own file.
#pragma once

namespace skrivo {

class TfmOptions;
class TOptionsPage;

// Each returns a page parented later by the dialog's page control.
TOptionsPage* CreateGeneralPage(TfmOptions& form);
TOptionsPage* CreateReplacePage(TfmOptions& form);
TOptionsPage* CreateWordsListPage(TfmOptions& form);
TOptionsPage* CreateRulesPage(TfmOptions& form);
TOptionsPage* CreateExclusionsPage(TfmOptions& form);
TOptionsPage* CreateDictionaryPage(TfmOptions& form);
TOptionsPage* CreateMousePage(TfmOptions& form);
TOptionsPage* CreateSoundPage(TfmOptions& form);
TOptionsPage* CreateShortcutsPage(TfmOptions& form);
TOptionsPage* CreateMacrosPage(TfmOptions& form);
TOptionsPage* CreateSubstPage(TfmOptions& form);
TOptionsPage* CreateAboutPage(TfmOptions& form);

}  // namespace skrivo
