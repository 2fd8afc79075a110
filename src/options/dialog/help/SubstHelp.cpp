// Help and captions of the Substitutions page's controls.
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

const TControlHelp kSubstHelp[] = {
    {"chkUseSubstitutions", "Rewrites what you type by the list below, such as \":i\" into \": Integer;\".",
     "Заменяет набранный текст по списку ниже, например \":i\" на \": Integer;\".", "Использовать подстановки", "Use substitutions"},
    {"lvSubst",
     "Each row turns text typed before the cursor (From) into its replacement (To); the first row that fits wins. Untick a row to keep it without using it. Double-click a row to edit it.",
     "Каждая строка заменяет текст, набранный перед курсором (Было), на замену (Станет); срабатывает первая подходящая строка. Снимите флажок, чтобы сохранить строку, не применяя её. Двойной щелчок - изменить строку."},
    {"btnNewSubst", "Adds a substitution after the selected row.", "Добавляет подстановку после выделенной строки.", "Новая...", "New..."},
    {"btnEditSubst", "Changes the pattern and the replacement of the selected row.", "Изменяет образец и замену выделенной строки.",
     "Изменить...", "Edit..."},
    {"btnDuplicateSubst", "Adds a copy of the selected row under it, to make a similar one.",
     "Добавляет под выделенной строкой её копию, чтобы сделать похожую.", "Копировать", "Duplicate"},
    {"btnDeleteSubst", "Removes the selected rows.", "Удаляет выделенные строки.", "Удалить", "Delete"},
    {"btnSubstUp", "Moves the selected row up: rows higher in the list are tried first.",
     "Перемещает выделенную строку вверх: строки выше проверяются раньше.", "Вверх", "Up"},
    {"btnSubstDown", "Moves the selected row down.", "Перемещает выделенную строку вниз.", "Вниз", "Down"},
    {"btnSaveSubst", "Saves the selected rows to a substitution file (\".sl\").", "Сохраняет выделенные строки в файл подстановок (\".sl\").",
     "Сохранить...", "Save..."},
    {"btnLoadSubst", "Adds the rows of one or more substitution files (\".sl\") at the end of the list.",
     "Добавляет в конец списка строки из одного или нескольких файлов подстановок (\".sl\").", "Загрузить...", "Load..."},
};

}  // namespace

THelpTable SubstHelp() { return kSubstHelp; }

}  // namespace skrivo
