// Help for the Sound page.
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

const TControlHelp kHelp[] = {
    {"chkBeep", "Beep when a command cannot do its work or a key is refused.",
     "Подавать сигнал, когда команда не может выполниться или нажатая клавиша не принимается.", "Сигнал при ошибке", "Beep on error"},
    {"chkEnableSounds", "Play the sounds chosen below for the events of the words list.",
     "Проигрывать выбранные ниже звуки при событиях списка слов.", "Включить звуки", "Enable sound"},
};

}  // namespace

THelpTable SoundHelp() { return kHelp; }

}  // namespace skrivo
