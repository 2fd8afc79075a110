// Commands on files and modules: write, open, new, close, save.
#include "CommandTable.h"
#include "Session.h"
#include "platform/FileIO.h"

namespace skrivo::replay {

void AddFileCommands(CommandTable& table) {
    table.Add({"write", 2, 2, "PATH TEXT", [](Session& s, const ScriptArgs& a) {
                   const std::string path = s.PathOf(a[0]);
                   const std::string folder = ExtractFilePath(path);
                   if (!folder.empty() && !ForceDirectories(folder)) throw ReplayError("cannot create the folder " + folder);
                   WriteFileAtomic(path, s.ToAnsi(a[1]));
                   // The script's time, not the machine's: a file written
                   // before the start is no newer than what the IDE loads.
                   if (!SetFileWriteTime(path, s.Now())) throw ReplayError("cannot set the time of " + path);
               }});
    table.Add({"expect absent", 1, 1, "PATH", [](Session& s, const ScriptArgs& a) {
                   if (FileExists(s.PathOf(a[0]))) throw ExpectationFailed("no file " + QuoteScriptText(a[0]), "the file");
               }});
    table.Add({"open", 1, 1, "PATH", [](Session& s, const ScriptArgs& a) { s.Open(s.PathOf(a[0])); }});
    table.Add({"new", 1, 1, "PATH", [](Session& s, const ScriptArgs& a) { s.New(s.PathOf(a[0])); }});
    table.Add({"close", 0, 0, "", [](Session& s, const ScriptArgs&) { s.CloseFront(); }});
    table.Add({"save", 0, 0, "", [](Session& s, const ScriptArgs&) { s.SaveFront(); }});
}

}  // namespace skrivo::replay
