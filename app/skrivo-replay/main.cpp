// skrivo-replay: runs a scenario script against the IDE with Skrivo, offscreen, on a manual clock.
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>

#include <QString>
#include <QtGlobal>

#include "CommandTable.h"
#include "Runner.h"
#include "Session.h"

namespace {

void Usage(std::ostream& out) {
    out << "usage: skrivo-replay SCRIPT\n"
           "Runs the scenario SCRIPT (\"-\" reads standard input) against the IDE with Skrivo loaded,\n"
           "offscreen on a manual clock. Exit 0 when every line passed, 1 with \"line N: ...\" at the\n"
           "first failure, 2 for a usage error.\n";
}

// Qt's own chatter (offscreen plugin notes) would bury the one line a failed
// scenario reports; serious problems still get through.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    using namespace skrivo::replay;
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        Usage(std::cout);
        return kExitPassed;
    }
    if (argc != 2) {
        Usage(std::cerr);
        return kExitUsage;
    }
    std::ifstream file;
    std::istream* script = &std::cin;
    if (std::strcmp(argv[1], "-") != 0) {
        file.open(argv[1], std::ios::binary);
        if (!file) {
            std::cerr << "skrivo-replay: cannot read " << argv[1] << '\n';
            return kExitUsage;
        }
        script = &file;
    }
    // Scenarios run offscreen; SKRIVO_REPLAY_ON_DISPLAY=1 keeps the platform the
    // environment names (an X server such as Xvfb), to see or photograph a run.
    const char* onDisplay = std::getenv("SKRIVO_REPLAY_ON_DISPLAY");
    if (!onDisplay || std::strcmp(onDisplay, "1") != 0) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("SKRIVO_REPLAY_QT_MESSAGES")) qInstallMessageHandler(&QuietQtMessages);

    const CommandTable table = BuildCommandTable();
    int code;
    {
        Session session(std::cout);
        code = RunScript(*script, session, table, std::cerr);
    }
    std::cout.flush();
    return code;
}
