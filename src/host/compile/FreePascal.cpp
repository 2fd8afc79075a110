// Compiling the unit in front with the Free Pascal compiler, when one is installed.
#include "host/compile/FreePascal.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/FileIO.h"

namespace skrivo::host {

namespace {
// A unit compiles in well under a second; a compiler that hangs must not
// take the IDE with it.
constexpr int kCompileTimeoutMs = 60000;
}  // namespace

std::string FindFreePascal() { return QStandardPaths::findExecutable(QStringLiteral("fpc")).toStdString(); }

CompileRun CompileWithFreePascal(const std::string& compiler, const std::string& unitPath, const std::string& bytes) {
    CompileRun run;
    QTemporaryDir folder;
    if (!folder.isValid()) {
        run.output.push_back("Cannot make a temporary folder to compile in.");
        return run;
    }
    const QFileInfo unit(QString::fromStdString(unitPath));
    const QString copy = QDir(folder.path()).filePath(unit.fileName());
    try {
        WriteFileAtomic(copy.toStdString(), bytes);
    } catch (const FileError& e) {
        run.output.push_back(std::string("Cannot write the unit to compile: ") + e.what());
        return run;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(folder.path());
    process.start(QString::fromStdString(compiler),
                  {QStringLiteral("-Mdelphi"), QStringLiteral("-vewnh"), QStringLiteral("-Fu") + unit.absolutePath(),
                   QStringLiteral("-Fi") + unit.absolutePath(), QStringLiteral("-FE") + folder.path(), copy});
    if (!process.waitForStarted()) {
        run.output.push_back("The compiler " + compiler + " would not start.");
        return run;
    }
    run.started = true;
    if (!process.waitForFinished(kCompileTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.output.push_back("The compiler took too long and was stopped.");
        return run;
    }
    run.succeeded = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    const QString text = QString::fromLocal8Bit(process.readAll());
    for (QString line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        line.remove(QLatin1Char('\r'));
        line.replace(copy, unit.absoluteFilePath());
        run.output.push_back(line.toStdString());
    }
    return run;
}

}  // namespace skrivo::host
