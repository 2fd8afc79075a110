// Help for the Substitutions page.
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

const TControlHelp kHelp[] = {
    {"chkUseSubstitutions", "Rewrite typed text by the patterns of the list below as soon as a pattern fits.",
     "Заменять набранный текст по образцам из списка ниже, как только образец совпадёт.", "Использовать подстановки",
     "Use substitutions"},
};

}  // namespace

THelpTable SubstHelp() { return kHelp; }

}  // namespace skrivo
