// Help for the Dictionary page.
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

const TControlHelp kHelp[] = {
    {"chkSelfTeaching", "Learn every word you type into the self-teaching dictionary, most recent first, and offer it next time.",
     "Запоминать каждое набранное слово в самообучающемся словаре, последние — первыми, и предлагать его в следующий раз.",
     "Самообучение", "Self-teaching"},
    {"lblMaxEntries", "How many words the self-teaching dictionary keeps; the least recently used go first.",
     "Сколько слов хранит самообучающийся словарь; первыми уходят давно не использованные.", "Не более слов:", "Max entries:"},
    {"cbMaxEntries", "How many words the self-teaching dictionary keeps; the least recently used go first.",
     "Сколько слов хранит самообучающийся словарь; первыми уходят давно не использованные."},
    {"grpAutoSave", "When the self-teaching dictionary is written to disk.", "Когда самообучающийся словарь записывается на диск.",
     "Автосохранение", "Auto save"},
    {"chkAutoMerge", "When another IDE changed the dictionary file, merge its words with yours instead of overwriting them.",
     "Если другая копия IDE изменила файл словаря, объединять её слова с вашими, а не затирать их.",
     "Объединять при изменении на диске", "Auto merge when changed on disk"},
    {"chkMergeConfirm", "Ask before merging a dictionary file that changed on disk.",
     "Спрашивать перед объединением изменившегося на диске файла словаря.", "Подтверждать объединение", "Confirmation before merging"},
    {"chkFixed", "Also offer the words of \"fixed.dic\" in the working folder: a list you keep yourself and Skrivo never changes.",
     "Предлагать также слова из \"fixed.dic\" в рабочей папке: списка, который ведёте вы и который Skrivo не меняет.",
     "Постоянный словарь ( fixed.dic )", "Fixed dictionary ( fixed.dic )"},
    {"chkCurrentUnit", "Also offer the words of the unit you are editing.", "Предлагать также слова редактируемого модуля.",
     "Слова текущего модуля", "Words from current unit"},
    {"chkAllUnits", "Also offer the words of every unit open in the IDE; this includes the current one.",
     "Предлагать также слова всех открытых в IDE модулей, включая текущий.", "Слова всех открытых модулей",
     "Words from all opened units"},
};

}  // namespace

THelpTable DictionaryHelp() { return kHelp; }

}  // namespace skrivo
