// Help for the Macros page.
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

const TControlHelp kHelp[] = {
    {"chkLastMacroToTop", "After a macro from the list is played, it moves to the top of the list, so the next \"Execute last macro\" plays it.",
     "Выполненный из списка макрос перемещается в начало списка, и следующая команда \"Выполнить последний макрос\" выполняет его.",
     "Выполненный макрос - в начало списка", "Move last executed macro to top"},
    {"chkUseMacroShortcuts", "Play a macro when its own shortcut is pressed in the editor.",
     "Выполнять макрос при нажатии в редакторе назначенных ему быстрых клавиш.", "Вызывать макросы быстрыми клавишами",
     "Use shortcuts to call macro"},
};

}  // namespace

THelpTable MacrosHelp() { return kHelp; }

}  // namespace skrivo
