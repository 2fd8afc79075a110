// skrivo-ide: the stand-in IDE on the real clock, with Skrivo loaded and the files of the command line open.
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "host/HostApplication.h"
#include "host/SessionEnd.h"
#include "host/forms/EditWindow.h"
#include "host/forms/MessageForm.h"
#include "host/menu/MainMenu.h"
#include "host/services/ModuleManager.h"
#include "host/sound/SoundChoice.h"
#include "host/text/AnsiText.h"

#include "expert/SkrivoPackage.h"

int main(int argc, char** argv) {
    // Usage and command-line errors need no display: they are settled before Qt starts.
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto line = skrivo::ide::ParseCommandLine(args, error);
    if (!line) {
        std::fprintf(stderr, "skrivo-ide: %s\n%s", error.c_str(), skrivo::ide::UsageText());
        return 2;
    }
    if (line->help) {
        std::fputs(skrivo::ide::UsageText(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skrivo IDE"));
    QApplication::setApplicationVersion(QStringLiteral(SKRIVO_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/skrivo-ide/skrivo-ide.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("skrivo-ide"));
    skrivo::host::HostOptions options;
    const bool interactive = line->screenshot.empty();
    options.interactive = interactive;
    options.sound = skrivo::host::CreateSoundDeviceFromEnvironment("alsa");
    options.layouts = line->layouts.empty() ? std::vector<skrivo::win::HKL>{skrivo::win::HKL_US, skrivo::win::HKL_RUSSIAN} : line->layouts;
    options.codePage = skrivo::ide::EffectiveCodePage(*line, options.layouts);
    skrivo::host::HostApplication host(std::move(options));
    // SIGTERM, SIGHUP and a log-out close the IDE as File > Exit does, so the
    // close-time saves run.
    skrivo::host::SessionEnd sessionEnd([&host](bool mayAsk) { return host.Close(mayAsk); });

    if (!line->withoutSkrivo && !host.LoadPackage("SkrivoPackage.bpl", [] { skrivo::Register(); }, [] { skrivo::Unregister(); }))
        std::fprintf(stderr, "skrivo-ide: Skrivo could not be loaded\n");

    for (const std::string& file : line->files) {
        std::string why;
        if (!host.OpenFile(file, &why)) {
            std::fprintf(stderr, "skrivo-ide: cannot open %s: %s\n", file.c_str(), why.c_str());
            if (interactive)
                skrivo::host::MessageDlg("Error", "Can't open " + skrivo::host::EditorTextToAnsi(file) + ": " + why,
                                         skrivo::host::MessageButtons::Ok);
        }
    }
    if (host.Modules().Modules().empty()) host.NewFile();

    if (!line->screenshot.empty()) {
        const QString target = QString::fromStdString(line->screenshot);
        int status = 1;
        const bool withMenu = !line->showMenu.empty();
        if (withMenu) {
            QTimer::singleShot(300, [&] {
                skrivo::host::MenuItem* bar = host.MainWindow().Menu().Find(line->showMenu);
                QMenu* menu = bar ? bar->SubMenu() : nullptr;
                if (!menu) {
                    std::fprintf(stderr, "skrivo-ide: no menu named %s\n", line->showMenu.c_str());
                    return;
                }
                QMenuBar& menuBar = host.MainWindow().Menu().Bar();
                menu->popup(menuBar.mapToGlobal(menuBar.actionGeometry(bar->Action()).bottomLeft()));
            });
        }
        QTimer::singleShot(withMenu ? 900 : 500, [&] {
            // An open menu is a window of its own: only the whole screen shows it.
            const QPixmap picture = withMenu ? QGuiApplication::primaryScreen()->grabWindow(0) : host.MainWindow().grab();
            status = picture.save(target) ? 0 : 1;
            if (status != 0) std::fprintf(stderr, "skrivo-ide: cannot write %s\n", line->screenshot.c_str());
            host.Quit();
        });
        host.Run();
        return status;
    }
    return host.Run();
}
