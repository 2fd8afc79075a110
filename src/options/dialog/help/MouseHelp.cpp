// Help for the Mouse page.
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

const TControlHelp kHelp[] = {
    {"grpMouse",
     "What the list does when the mouse pointer comes over it: move out of the way, hide, turn see-through, or let you pick words with the mouse.",
     "Что делает список, когда над ним оказывается указатель мыши: отодвигается, скрывается, становится прозрачным или позволяет выбирать слова мышью.",
     "Мышь над списком", "When mouse is over the list"},
    {"chkClickNecessary", "A word is selected only by a click, not by the pointer merely passing over it.",
     "Слово выделяется только щелчком, а не простым наведением указателя.", "Выделять только щелчком", "Click on word necessary"},
    {"chkReplaceLClick", "A left click on a word replaces the typed text with it.",
     "Щелчок левой кнопкой по слову заменяет им набранный текст.", "Заменять щелчком левой кнопки", "Replace by left button click"},
    {"chkRemoveRClick", "A right click on a word removes it from the self-teaching dictionary.",
     "Щелчок правой кнопкой по слову удаляет его из самообучающегося словаря.", "Удалять щелчком правой кнопки",
     "Remove by right button click"},
};

}  // namespace

THelpTable MouseHelp() { return kHelp; }

}  // namespace skrivo
