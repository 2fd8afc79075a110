// Help for the General page.
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

const TControlHelp kHelp[] = {
    {"lblLanguage", "The language of this dialog: its captions and its help.", "Язык этого окна: надписей и подсказок.", "Язык:",
     "Language:"},
    {"cbLanguage", "The language of this dialog: its captions and its help. The change shows at once and is kept with OK.",
     "Язык этого окна: надписей и подсказок. Изменение видно сразу и сохраняется по OK."},
    {"chkShowTips", "Show a tip when you do by hand something Skrivo can do for you, such as a command it has a shortcut for.",
     "Показывать совет, когда вы вручную делаете то, что Skrivo умеет делать сам, например команду, для которой есть быстрые клавиши.",
     "Показывать советы", "Show tips"},
    {"chkBookmarks",
     "Keep the editor's bookmarks of a unit in a file beside it when the unit is closed, and put them back when it is opened again.",
     "Сохранять закладки модуля в файле рядом с ним при закрытии и восстанавливать их при следующем открытии.",
     "Автозагрузка закладок", "Auto-load bookmarks"},
    {"chkAnimatedTooltips", "Let this help window unfold smoothly instead of appearing at once.",
     "Плавно разворачивать это окно подсказки вместо мгновенного появления.", "Анимированные подсказки", "Animated tooltips"},
    {"grpDirectory",
     "The folder of the dictionaries: the self-teaching \"Skrivo.dic\" is written there and \"fixed.dic\" is read from there.",
     "Папка словарей: в ней записывается самообучающийся \"Skrivo.dic\" и читается \"fixed.dic\".", "Рабочая папка",
     "Working folder"},
    {"edDirectory",
     "The folder of the dictionaries. A folder that does not exist is not taken: the old one stays when you press OK.",
     "Папка словарей. Несуществующая папка не принимается: по OK остаётся прежняя."},
    {"btnBrowse", "Choose the working folder in a folder browser.", "Выбрать рабочую папку в окне выбора папок.", "Обзор...",
     "Browse..."},
    {"grpConfiguration", "Keep a whole configuration in a \".sk\" file, bring one back, or start again from the defaults.",
     "Сохранить всю конфигурацию в файл \".sk\", загрузить её из файла или вернуться к настройкам по умолчанию.", "Конфигурация",
     "Configuration"},
    {"btnSaveToFile", "Write every option shown in this dialog, with the lists and macros, to a \".sk\" file of your choice.",
     "Записать все настройки этого окна вместе со списками и макросами в выбранный файл \".sk\".", "Сохранить...",
     "Save to file"},
    {"btnLoadFromFile",
     "Read the options, lists and macros of a \".sk\" file into this dialog. Cancel still returns to the configuration you had.",
     "Загрузить настройки, списки и макросы из файла \".sk\" в это окно. Кнопка \"Отмена\" по-прежнему вернёт прежнюю конфигурацию.",
     "Загрузить...", "Load from file"},
    {"btnResetDefault",
     "Put every option, the hide-after words and the substitutions back to their defaults. Your recorded macros stay; Cancel undoes the reset.",
     "Вернуть все настройки, слова-исключения и подстановки к значениям по умолчанию. Записанные макросы остаются; \"Отмена\" отменяет сброс.",
     "По умолчанию", "Reset default"},
};

}  // namespace

THelpTable GeneralHelp() { return kHelp; }

}  // namespace skrivo
