// The Macros page: the recorded macros with their shortcuts, and how macros are called.
#include <QCheckBox>

#include "options/dialog/OptionsPage.h"
#include "options/dialog/Pages.h"
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

class TMacrosPage final : public TOptionsPage {
public:
    explicit TMacrosPage(TfmOptions& form) : TOptionsPage(form, "shtMacros", "Мак&росы||M&acros") {
        AddOption("chkLastMacroToTop", "Move last executed macro to top", QRect(8, 200, 360, 17), &TExpertConfig::MoveLastMacroToTop);
        AddOption("chkUseMacroShortcuts", "Use shortcuts to call macro", QRect(8, 220, 360, 17), &TExpertConfig::UseMacroShortcuts);
    }

    THelpTable Help() const override { return MacrosHelp(); }
    void Prepare(const TExpertConfig& cfg) override { PrepareBound(cfg); }
    void WriteBack(TExpertConfig& cfg) const override { WriteBound(cfg); }
};

}  // namespace

TOptionsPage* CreateMacrosPage(TfmOptions& form) { return new TMacrosPage(form); }

}  // namespace skrivo
