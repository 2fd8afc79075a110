// The replay commands by name: each a small handler with its argument counts.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ScriptLine.h"

namespace skrivo::replay {

class Session;

// A command that could not do its work ("line N: " is added by the runner).
class ReplayError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failed expectation: reported as "expected <expected>, got <got>".
class ExpectationFailed : public std::runtime_error {
public:
    ExpectationFailed(const std::string& expected, const std::string& got)
        : std::runtime_error("expected " + expected + ", got " + got) {}
};

using CommandHandler = std::function<void(Session& session, const ScriptArgs& args)>;

struct CommandSpec {
    std::string name;   // one or two words: "type", "expect text"
    int minArgs = 0;
    int maxArgs = 0;    // -1: any number
    std::string usage;  // the arguments, for error messages
    CommandHandler run;
};

class CommandTable {
public:
    void Add(CommandSpec spec);
    // The command a line names; the longest name wins ("expect text" over
    // "expect"). wordsUsed tells how many of the line's words the name took.
    const CommandSpec* Find(const ScriptArgs& words, std::size_t& wordsUsed) const;
    const std::vector<CommandSpec>& Commands() const { return commands_; }

private:
    std::vector<CommandSpec> commands_;
};

// Each group of commands lives in its own file and adds itself here.
void AddSetupCommands(CommandTable& table);
void AddFileCommands(CommandTable& table);
void AddEditorCommands(CommandTable& table);
void AddInputCommands(CommandTable& table);
void AddExpectCommands(CommandTable& table);
// Options, the expert's command operations and its dictionary.
void AddExpertCommands(CommandTable& table);
// The suggestion list, sound requests and screenshots.
void AddSuggestionCommands(CommandTable& table);
// Answers to modal dialogs, and what they showed when they closed.
void AddDialogCommands(CommandTable& table);
// The keyboard macros.
void AddMacroCommands(CommandTable& table);
// What the sounds played, the tip window, the editor's bookmarks.
void AddSoundCommands(CommandTable& table);
void AddTipCommands(CommandTable& table);
void AddBookmarkCommands(CommandTable& table);
// Commands whose subsystems are not part of this build yet: each stops the
// script with "not available yet: <what>".
CommandSpec UnavailableCommand(std::string name, std::string what);

CommandTable BuildCommandTable();

// The screen as the user would see it, as a PNG file; false when it cannot
// be written.
bool SaveScreenPicture(Session& s, const std::string& path);

// Answers the host's modal dialogs from the session's queue (and runs the
// merge progress dialog by itself); called whenever the host starts.
void InstallDialogAnswerer(Session& session);

}  // namespace skrivo::replay
