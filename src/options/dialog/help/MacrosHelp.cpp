// Help and captions of the Macros page's controls.
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

const TControlHelp kMacrosHelp[] = {
    {"lvMacroList",
     "Your recorded macros with their shortcuts. Enter renames the selected macro, Ctrl+Enter changes its shortcut, Delete removes the selection, Ctrl+Up and Ctrl+Down move it. Click a column header to sort; click it again for the original order.",
     "Записанные макросы и их быстрые клавиши. Enter переименовывает выделенный макрос, Ctrl+Enter меняет его клавиши, Delete удаляет выделенные, Ctrl+Вверх и Ctrl+Вниз перемещают. Щелчок по заголовку столбца сортирует, повторный - возвращает исходный порядок."},
    {"btnMacroUp", "Moves the selected macro one place up.", "Перемещает выделенный макрос на одну позицию вверх.", "Вверх", "Up"},
    {"btnMacroDown", "Moves the selected macro one place down.", "Перемещает выделенный макрос на одну позицию вниз.", "Вниз", "Down"},
    {"btnMacroTop", "Moves the selected macro to the top of the list, where the last macro plays from.",
     "Перемещает выделенный макрос в начало списка, откуда берётся последний макрос.", "В начало", "Top"},
    {"btnMacroShortcut", "Gives the selected macro a key combination that plays it.",
     "Назначает выделенному макросу сочетание клавиш для его вызова.", "Клавиши", "Shortcut"},
    {"btnMacroDelete", "Removes the selected macros.", "Удаляет выделенные макросы.", "Удалить", "Delete"},
    {"btnMacroSave", "Saves the selected macros to a macro file (\".km\") to keep them or give them to someone.",
     "Сохраняет выделенные макросы в файл (\".km\"), чтобы сберечь их или передать другому.", "Сохранить...", "Save..."},
    {"btnMacroLoad", "Adds the macros of one or more macro files (\".km\") to the list.",
     "Добавляет в список макросы из одного или нескольких файлов (\".km\").", "Загрузить...", "Load..."},
    {"chkLastMacroToTop", "A macro played from the list or by its shortcut moves to the top and becomes the last macro.",
     "Макрос, вызванный из списка или своими клавишами, перемещается в начало и становится последним макросом.",
     "Выполненный макрос - в начало", "Move last executed macro to top"},
    {"chkUseMacroShortcuts", "Each macro's own key combination plays it. Off: macros play only from the list or as the last macro.",
     "Собственное сочетание клавиш макроса вызывает его. Если выключено, макросы вызываются только из списка или как последний.",
     "Вызывать макросы клавишами", "Use shortcuts to call macro"},
};

}  // namespace

THelpTable MacrosHelp() { return kMacrosHelp; }

}  // namespace skrivo
