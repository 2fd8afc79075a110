// Help for the Exclusions page.
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

const TControlHelp kHelp[] = {
    {"chkHideAfterWords", "Do not show the list right after one of the words below, such as \"begin\" or \"then\".",
     "Не показывать список сразу после одного из слов ниже, например \"begin\" или \"then\".", "Скрывать после слов:",
     "Hide after words:"},
    {"chkExcCaseSensitive", "Compare the typed word with the words below with upper and lower case told apart.",
     "Сравнивать набранное слово со словами ниже с учётом регистра.", "С учётом регистра", "Case sensitive"},
    {"lvWords",
     "The words after which the list stays hidden. Uncheck a word to switch it off without losing it. F2 edits, DELETE removes, CTRL+Up and CTRL+Down move.",
     "Слова, после которых список не показывается. Снимите отметку, чтобы отключить слово, не удаляя его. F2 — правка, DELETE — удаление, CTRL+Вверх и CTRL+Вниз — перемещение."},
    {"btnNewWord", "Add a word after the selected one and type it.", "Добавить слово после выделенного и набрать его.", "Новое", "New"},
    {"btnRemoveWord", "Remove the selected word.", "Удалить выделенное слово.", "Удалить", "Remove"},
    {"btnWordUp", "Move the selected word one place up.", "Переместить выделенное слово на одну позицию вверх.", "Вверх", "Move up"},
    {"btnWordDown", "Move the selected word one place down.", "Переместить выделенное слово на одну позицию вниз.", "Вниз",
     "Move down"},
};

}  // namespace

THelpTable ExclusionsHelp() { return kHelp; }

}  // namespace skrivo
