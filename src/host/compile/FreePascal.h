// Compiling the unit in front with the Free Pascal compiler, when one is installed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

namespace skrivo::host {

struct CompileRun {
    bool started = false;  // the compiler ran (false: not found or would not start)
    bool succeeded = false;
    std::vector<std::string> output;  // its lines, in its own words
};

// The compiler ("fpc") found on the PATH; empty when there is none.
std::string FindFreePascal();

// One compile of the text (bytes as the file would hold them) under the
// unit's file name in a fresh temporary folder, in Delphi mode, with the
// unit's own folder searched for the units it uses: the unit's folder gets no
// compiled files and unsaved changes are compiled as the user sees them.
// Paths of the temporary copy in the output are given as the unit's own.
// It runs in the background, so the IDE goes on answering while the compiler
// works. done is called once, on the host's thread, from the event loop; the
// job may be destroyed after that (not from inside done), and destroying it
// earlier stops the compiler without calling done.
class FreePascalJob {
public:
    using Done = std::function<void(CompileRun)>;
    FreePascalJob(const std::string& compiler, const std::string& unitPath, const std::string& bytes, Done done);
    ~FreePascalJob();
    FreePascalJob(const FreePascalJob&) = delete;
    FreePascalJob& operator=(const FreePascalJob&) = delete;

    bool Running() const { return running_; }

private:
    void Finish(CompileRun run);
    std::vector<std::string> Output();

    Done done_;
    QTemporaryDir folder_;
    QFileInfo unit_;
    QString copy_;
    QProcess process_;
    QTimer timeout_;
    bool running_ = true;
};

}  // namespace skrivo::host
