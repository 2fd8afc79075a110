// Help for the Rules page.
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

const TControlHelp kHelp[] = {
    {"lblWordsMax", "The most words the list may hold.", "Наибольшее число слов в списке.", "Слов в списке:",
     "Words in list, max:"},
    {"cbWordsMax", "The most words the list may hold: choose one or type up to four digits.",
     "Наибольшее число слов в списке: выберите или наберите до четырёх цифр."},
    {"grpExceedMaxWords", "What happens when more words fit than the list may hold: show the first ones, or suggest nothing until you type more.",
     "Что делать, если подходящих слов больше, чем помещается в список: показать первые или ничего не предлагать, пока вы не наберёте больше."},
    {"chkForShorter", "Do not suggest anything until at least this many characters of the word are typed.",
     "Ничего не предлагать, пока не набрано хотя бы столько символов слова.", "Не предлагать, если набрано меньше",
     "Do not suggest for less than"},
    {"edForShorter", "The number of typed characters, 1 to 9. Type a digit to change it.",
     "Число набранных символов, от 1 до 9. Наберите цифру, чтобы изменить его."},
    {"lblForShorter", "Characters typed of the word.", "Набранных символов слова.", "символов", "typed chars"},
    {"chkShorter", "Leave out of the list the words shorter than this: typing them is quicker than choosing them.",
     "Не включать в список слова короче этого: их быстрее набрать, чем выбрать.", "Не показывать слова короче",
     "Do not list words shorter than "},
    {"edShorter", "The shortest word length listed, 1 to 9. Type a digit to change it.",
     "Наименьшая длина слова в списке, от 1 до 9. Наберите цифру, чтобы изменить её."},
    {"lblShorter", "Characters of a listed word.", "Символов в слове из списка.", "символов", "chars"},
    {"chkDoNotListItself", "When the typed word is already complete, do not offer the same word.",
     "Если набранное слово уже полное, не предлагать это же слово.", "Не предлагать само слово",
     "For a word itself do not list it"},
    {"chkMatchingFirst", "List only words that begin with the typed characters, not words that merely contain them.",
     "Показывать только слова, начинающиеся с набранных символов, а не просто содержащие их.",
     "Только слова с совпадающим началом", "Only words matching first chars"},
    {"chkNoSeparators", "Do not offer words joined with separators, such as a word with its following bracket.",
     "Не предлагать слова вместе с разделителями, например слово со следующей за ним скобкой.", "Не предлагать разделители",
     "Do not suggest separators"},
    {"chkAutoSelect", "Select the word most likely meant when the list opens, so the completing key takes it at once.",
     "Выделять наиболее вероятное слово при открытии списка, чтобы клавиша замены сразу приняла его.",
     "Автоматически выделять лучшее слово", "Autoselect the best word from a list"},
    {"lblAutoSelect", "Select the word most likely meant when the list opens, so the completing key takes it at once.",
     "Выделять наиболее вероятное слово при открытии списка, чтобы клавиша замены сразу приняла его.",
     "Автоматически выделять лучшее слово", "Autoselect the best word from a list"},
    {"chkSmartRanking",
     "Orders the suggestions by how likely each word is after what you typed before it (a word you used after the "
     "same words comes first) and by how often and how lately you used it; a word you saw selected and typed past "
     "goes after the others at the next letter. Also keeps spellings that differ only in case apart, offers only "
     "whole words from the context search, learns words after which the list stays hidden (begin, then, digits), and "
     "lets \" S\" and \" I\" hide the list only after a colon while substitutions are on. The counts are kept in "
     "Skrivo.rank beside the dictionary.",
     "Упорядочивает подсказки по тому, насколько вероятно каждое слово после набранного перед ним (слово, уже "
     "встречавшееся после тех же слов, идёт первым), и по тому, как часто и как недавно вы его использовали; слово, "
     "которое было выделено, а вы продолжили набор, со следующей буквы идёт после остальных. Кроме того, различает "
     "написания, отличающиеся только регистром, из поиска по контексту предлагает только целые слова, запоминает "
     "слова, после которых список не показывается (begin, then, цифры), а \" S\" и \" I\" скрывают список только "
     "после двоеточия и только при включённых подстановках. Счётчики хранятся в файле Skrivo.rank рядом со словарём.",
     "Умное ранжирование", "Smart ranking"},
};

}  // namespace

THelpTable RulesHelp() { return kHelp; }

}  // namespace skrivo
