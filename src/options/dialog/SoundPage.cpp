// The Sound page: error beeps, sounds on or off, and which sound each event plays.
#include <QCheckBox>

#include "options/dialog/OptionsPage.h"
#include "options/dialog/Pages.h"
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

class TSoundPage final : public TOptionsPage {
public:
    explicit TSoundPage(TfmOptions& form) : TOptionsPage(form, "shtSound", "З&вук||&Sound") {
        AddOption("chkBeep", "Beep on error", QRect(8, 6, 170, 17), &TExpertConfig::BeepOnError);
        AddOption("chkEnableSounds", "Enable sound", QRect(190, 6, 180, 17), &TExpertConfig::AllowSounds);
    }

    THelpTable Help() const override { return SoundHelp(); }
    void Prepare(const TExpertConfig& cfg) override { PrepareBound(cfg); }
    void WriteBack(TExpertConfig& cfg) const override { WriteBound(cfg); }
};

}  // namespace

TOptionsPage* CreateSoundPage(TfmOptions& form) { return new TSoundPage(form); }

}  // namespace skrivo
