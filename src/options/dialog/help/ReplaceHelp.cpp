// Help for the Replace page.
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

const TControlHelp kHelp[] = {
    {"grpKeysToComplete",
     "The key that replaces the typed word by the word selected in the list. SHIFT and CTRL work when pressed and released alone.",
     "Клавиша, заменяющая набранное слово словом, выбранным в списке. SHIFT и CTRL срабатывают, когда их нажимают и отпускают отдельно.",
     "Клавиша замены", "Keys to complete"},
    {"chkTwice", "SHIFT or CTRL must be pressed twice in a row to replace, so a single press cannot replace by accident.",
     "SHIFT или CTRL нужно нажать дважды подряд, чтобы случайное одиночное нажатие не вызвало замену.", "дважды", "twice"},
    {"grpWhatShfCtl", "Which of the two SHIFT or CTRL keys replaces: either one, only the left one or only the right one.",
     "Какая из двух клавиш SHIFT или CTRL выполняет замену: любая, только левая или только правая.", "Какая", "Which one"},
    {"chkOtherShftCtrlHides", "The other SHIFT or CTRL key, pressed alone, hides the list.",
     "Другая клавиша SHIFT или CTRL, нажатая отдельно, скрывает список.", "Другая скрывает список", "Other hides list"},
    {"chkForceView", "Pressing the completing key twice while no list is shown brings the list up at once.",
     "Двойное нажатие клавиши замены, когда списка нет, сразу показывает список.", "Для вызова списка", "Use to force view"},
    {"grpAlsoComplete", "Other keys that also accept the selected word.", "Другие клавиши, которые тоже принимают выбранное слово.",
     "Также заменять по", "Also complete with"},
    {"chkSeparatorComplete", "A separator key such as \".\", \"(\" or \",\" accepts the selected word and is typed after it.",
     "Клавиша-разделитель, например \".\", \"(\" или \",\", принимает выбранное слово и печатается после него.", "Разделителям",
     "Separator keys"},
    {"chkSpaceComplete", "The space bar accepts the selected word and types a space after it.",
     "Пробел принимает выбранное слово и печатается после него.", "Пробелу", "Space"},
    {"chkSemicolonComplete", "The semicolon accepts the selected word and is typed after it.",
     "Точка с запятой принимает выбранное слово и печатается после него.", "Точке с запятой", "Semicolon"},
    {"chkForceCodeParam", "After a replacement that ends in \"(\", show the IDE's parameter hint for the call.",
     "После замены, заканчивающейся на \"(\", показывать подсказку IDE о параметрах вызова.", "Подсказка параметров",
     "Force code param"},
    {"chkAllowRestore", "Right after a replacement, BACKSPACE brings back the text you had typed instead of deleting a character.",
     "Сразу после замены BACKSPACE возвращает набранный текст вместо удаления символа.",
     "Восстанавливать по BKSPC сразу после замены", "Allow restore with BKSPC key immediately after replace"},
    {"lblAllowRestore", "Right after a replacement, BACKSPACE brings back the text you had typed instead of deleting a character.",
     "Сразу после замены BACKSPACE возвращает набранный текст вместо удаления символа.",
     "Восстанавливать по BKSPC сразу после замены", "Allow restore with BKSPC key immediately after replace"},
    {"chkWordBeforeOnly", "Replace only the part of the word before the caret and keep what follows it.",
     "Заменять только часть слова до курсора и оставлять то, что стоит после него.", "Заменять только слово до курсора",
     "Replace only word before caret"},
    {"lblWordBeforeOnly", "Replace only the part of the word before the caret and keep what follows it.",
     "Заменять только часть слова до курсора и оставлять то, что стоит после него.", "Заменять только слово до курсора",
     "Replace only word before caret"},
    {"grpListKeys", "Editor keys that act on the list while it is shown.", "Клавиши редактора, которые управляют списком, пока он виден.",
     "Клавиши в списке", "Keys in the list"},
    {"chkUseINSERT", "INSERT accepts the selected word while the list is shown.", "INSERT принимает выбранное слово, пока виден список.",
     "Использовать INSERT", "Use INSERT"},
    {"chkUpDownSmart", "The arrow keys move in the list only after you have started choosing; otherwise they move the caret and hide the list.",
     "Стрелки перемещают по списку, только если вы уже начали выбор; иначе они двигают курсор и скрывают список.",
     "Умные стрелки", "Smart arrow keys"},
    {"chkUseHomeEnd", "HOME and END jump to the first and last word of the list while it is shown.",
     "HOME и END переходят к первому и последнему слову списка, пока он виден.", "Использовать Home/End", "Use Home/End"},
};

}  // namespace

THelpTable ReplaceHelp() { return kHelp; }

}  // namespace skrivo
