// Runs a replay script line by line through the command table.
#pragma once

#include <istream>
#include <ostream>

namespace skrivo::replay {

class CommandTable;
class Session;

// Exit codes of skrivo-replay.
inline constexpr int kExitPassed = 0;
inline constexpr int kExitFailed = 1;   // a failed expectation or any other error of a line
inline constexpr int kExitUsage = 2;

// Runs every line of script; the first failure is written to err as
// "line N: <reason>" and ends the run with kExitFailed.
int RunScript(std::istream& script, Session& session, const CommandTable& table, std::ostream& err);

}  // namespace skrivo::replay
