// Help for the Words list page.
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

const TControlHelp kHelp[] = {
    {"chkShowAutomatically", "Show the list of words by itself when you pause while typing a word. Off: only on request.",
     "Показывать список слов самостоятельно, когда вы делаете паузу при наборе слова. Выключено: только по запросу.",
     "Показывать список автоматически", "Show words list automatically"},
    {"lblDelayTime", "How long you must pause, in milliseconds, before the list appears.",
     "Сколько миллисекунд нужно помедлить, прежде чем появится список.", "Задержка, мс:", "Delay, ms:"},
    {"cbDelayTime", "The pause before the list appears, in milliseconds; the shortest is 250.",
     "Пауза перед появлением списка в миллисекундах; самая короткая — 250."},
    {"shpTransparent", "The list can stay see-through, so the code under it shows.",
     "Список может оставаться полупрозрачным, чтобы был виден код под ним."},
    {"chkTransparent", "Keep the list see-through all the time, at the level set by the slider below.",
     "Всегда держать список полупрозрачным, со степенью, заданной ползунком ниже.", "Всегда прозрачный",
     "Always transparent (Win2K only)"},
    {"lblTransparent", "Keep the list see-through all the time, at the level set by the slider below.",
     "Всегда держать список полупрозрачным, со степенью, заданной ползунком ниже.", "Всегда прозрачный",
     "Always transparent (Win2K only)"},
    {"trkAlpha", "How opaque the transparent list is: left is almost invisible, right is almost solid.",
     "Насколько непрозрачен список: слева почти невидим, справа почти сплошной."},
    {"grpWhenToHide", "Situations in which the list goes away or does not come up.", "Случаи, когда список скрывается или не появляется.",
     "Когда скрывать", "When to hide"},
    {"chkHideNoSuggestions", "Hide the list when no word fits what you typed, instead of showing it empty.",
     "Скрывать список, когда ни одно слово не подходит к набранному, вместо показа пустого списка.", "Скрывать, если нет слов",
     "Hide when no suggestions"},
    {"chkHideAtTheBeginning", "Do not show the list for the first word typed on a line.",
     "Не показывать список для первого слова, набранного в строке.", "Скрывать в начале строки", "Hide at the beginning of a line"},
    {"chkHideAfterSeparator", "Hide the list when a separator character is typed.", "Скрывать список при вводе символа-разделителя.",
     "Скрывать после разделителя", "Hide after separator"},
    {"chkHideAfterSemicolon", "Hide the list when a semicolon is typed.", "Скрывать список при вводе точки с запятой.",
     "Скрывать после ';' (точки с запятой)", "Hide after ';' (semicolon)"},
    {"chkHideAfterSpace", "Hide the list when a space is typed.", "Скрывать список при вводе пробела.", "Скрывать после ' ' (пробела)",
     "Hide after ' ' (space)"},
    {"chkHideAfterReplace", "After a word was taken from the list, wait for a new word before showing the list again.",
     "После замены словом из списка ждать нового слова, прежде чем снова показывать список.", "Скрывать после замены",
     "Hide after replace"},
    {"chkHideAfterRestore", "After BACKSPACE brought back the typed text, wait for a new word before showing the list again.",
     "После восстановления набранного текста по BACKSPACE ждать нового слова, прежде чем снова показывать список.",
     "Скрывать после восстановления (BKSPC)", "Hide after restore (BKSPC)"},
};

}  // namespace

THelpTable WordsListHelp() { return kHelp; }

}  // namespace skrivo
