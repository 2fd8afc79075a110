// The descriptions of the twelve shortcut commands, in the order of the record's shortcut slots.
#include "options/dialog/ShortcutCommands.h"

namespace skrivo {

const std::array<const char*, kShortcutCommandCount> kShortcutDescriptions = {
    "Level up for begin-end, try-end, until-repeat, {$ifdef}-{$endif}, \"(\"-\")\", \"[\"-\"]\" and other similar blocks"
    "||На уровень выше для begin-end, try-end, until-repeat, {$ifdef}-{$endif}, \"(\"-\")\", \"[\"-\"]\" и других подобных блоков",
    "Switch between begin-end, try-end, until-repeat, {$ifdef}-{$endif}, \"(\"-\")\", \"[\"-\"]\" and other similar parenthesis"
    "||Переход между begin-end, try-end, until-repeat, {$ifdef}-{$endif}, \"(\"-\")\", \"[\"-\"]\" и другими подобными скобками",
    "-Jump between method declaration/usage and its implementation/declaration and similar ones"
    "||-Переход между объявлением или вызовом метода и его реализацией или объявлением",
    "-Go back in jumps history chain||-Назад по цепочке переходов",
    "Convert current word / selection to upper case||Перевести текущее слово / выделение в верхний регистр",
    "Convert current word / selection to lower case||Перевести текущее слово / выделение в нижний регистр",
    "Convert erroneously typed word / selection to / from English"
    "||Перевести слово / выделение, набранное не в той раскладке, в английскую или из неё",
    "Restore immediately just after replace from a list||Восстановить набранное сразу после замены из списка",
    "Start and stop recording macro||Начать и закончить запись макроса",
    "Execute last recorded (or played) macro||Выполнить последний записанный (или выполненный) макрос",
    "Execute macro from a list of all available macros||Выполнить макрос из списка всех макросов",
    "Show Skrivo Expert Options dialog||Показать окно настроек Skrivo Expert",
};

}  // namespace skrivo
