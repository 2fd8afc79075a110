// Help for the dialog's frame: its title, the help and search buttons, OK and Cancel.
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

const TControlHelp kHelp[] = {
    {"pnTitle", "Drag the title to move the dialog.", "Потяните за заголовок, чтобы передвинуть окно.", "Настройки Skrivo Expert",
     "Skrivo Expert options"},
    {"btnHelp", "Right-click any control of this dialog, a disabled one or a label too, to read what it does.",
     "Щёлкните правой кнопкой мыши по любому элементу этого окна (в том числе недоступному или надписи), чтобы прочитать, что он делает."},
    {"btnSearch", "Search for an option by a pattern.", "Поиск настройки по образцу."},
    {"btnOK", "Keep the changes made in this dialog and close it.", "Сохранить изменения, сделанные в этом окне, и закрыть его.", "OK",
     "OK"},
    {"btnCancel", "Close the dialog and forget every change made in it, lists and macros included.",
     "Закрыть окно, отменив все сделанные в нём изменения, включая списки и макросы.", "Отмена", "Cancel"},
};

}  // namespace

THelpTable FrameHelp() { return kHelp; }

}  // namespace skrivo
