// Help for the Shortcuts page.
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

const TControlHelp kHelp[] = {
    {"chkUseShortcuts", "Run Skrivo's commands with the key combinations set below.",
     "Выполнять команды Skrivo сочетаниями клавиш, заданными ниже.", "Использовать быстрые клавиши", "Use shortcuts"},
    {"pnShortcut", "One command and its key combination; the arrows step through the commands.",
     "Команда и её сочетание клавиш; стрелки переходят от команды к команде."},
    {"memoShtcutName", "What the command does.", "Что делает команда."},
    {"spnUp", "The previous command.", "Предыдущая команда."},
    {"spnDown", "The next command.", "Следующая команда."},
    {"edShortcut", "The key combination of the command; empty when it has none.",
     "Сочетание клавиш команды; пусто, если его нет."},
    {"btnChange", "Press a new key combination for the command.", "Нажать новое сочетание клавиш для команды.", "Изменить", "Change"},
    {"btnClearShortcut", "Take the key combination away from the command.", "Убрать сочетание клавиш у команды.", "Очистить",
     "Clear"},
    {"chkFastReadText",
     "Read the editor's text the fast way. With very large units this keeps typing quick, but the IDE's Redo may be lost.",
     "Читать текст редактора быстрым способом. В очень больших модулях набор остаётся быстрым, но может пропасть повтор (ReDo) IDE.",
     "Быстрая работа с большим текстом (без ReDo)", "Fast work with huge text (no ReDo)"},
    {"chkAutoQuotas", "Typing an apostrophe or a double quote also types the closing one after the caret.",
     "Ввод апострофа или двойной кавычки добавляет закрывающую после курсора.", "Автоматически закрывать кавычки",
     "Automatically close quotes"},
    {"chkAutoBrackets", "Typing an opening bracket also types the closing one after the caret.",
     "Ввод открывающей скобки добавляет закрывающую после курсора.", "Автоматически закрывать ')', ']', '}'",
     "Automatically close ')', ']', '}'"},
    {"chkSpacesBetween", "Spaces typed after an opening bracket are mirrored before the closing one.",
     "Пробелы после открывающей скобки повторяются перед закрывающей.", "Симметричные пробелы внутри скобок",
     "Symmetric spaces inside brackets"},
    {"chkBracketsEndLine", "Close brackets only when nothing but blanks follows the caret on the line.",
     "Закрывать скобки, только если после курсора в строке одни пробелы.", "Только в конце строки", "At the end of line only"},
    {"chkEnterNoDivide", "ENTER starts a new line without carrying the rest of the line along; SHIFT+ENTER divides the line.",
     "ENTER начинает новую строку, не перенося остаток текущей; SHIFT+ENTER разбивает строку.",
     "ENTER не разбивает строку (SHIFT+ENTER разбивает)", "ENTER does not divide line (Shift+ENTER used)"},
    {"lblEnterNoDivide", "ENTER starts a new line without carrying the rest of the line along; SHIFT+ENTER divides the line.",
     "ENTER начинает новую строку, не перенося остаток текущей; SHIFT+ENTER разбивает строку.",
     "ENTER не разбивает строку (SHIFT+ENTER разбивает)", "ENTER does not divide line (Shift+ENTER used)"},
};

}  // namespace

THelpTable ShortcutsHelp() { return kHelp; }

}  // namespace skrivo
