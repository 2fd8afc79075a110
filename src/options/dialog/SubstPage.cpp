// The Substitutions page: the list of patterns and their replacements.
#include <QCheckBox>

#include "options/dialog/OptionsPage.h"
#include "options/dialog/Pages.h"
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

class TSubstPage final : public TOptionsPage {
public:
    explicit TSubstPage(TfmOptions& form) : TOptionsPage(form, "shtSubstitutions", "Подс&тановки||Su&bstitutions") {
        AddOption("chkUseSubstitutions", "Use substitutions", QRect(8, 6, 250, 17), &TExpertConfig::UseSubstitutions);
    }

    THelpTable Help() const override { return SubstHelp(); }
    void Prepare(const TExpertConfig& cfg) override { PrepareBound(cfg); }
    void WriteBack(TExpertConfig& cfg) const override { WriteBound(cfg); }
};

}  // namespace

TOptionsPage* CreateSubstPage(TfmOptions& form) { return new TSubstPage(form); }

}  // namespace skrivo
