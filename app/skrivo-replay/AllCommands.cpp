// The table of every replay command, group by group.
#include "CommandTable.h"

namespace skrivo::replay {

CommandTable BuildCommandTable() {
    CommandTable table;
    AddSetupCommands(table);
    AddFileCommands(table);
    AddEditorCommands(table);
    AddInputCommands(table);
    AddExpectCommands(table);
    AddExpertCommands(table);
    AddSuggestionCommands(table);
    AddDialogCommands(table);
    AddMacroCommands(table);
    AddSoundCommands(table);
    AddTipCommands(table);
    AddBookmarkCommands(table);
    return table;
}

}  // namespace skrivo::replay
