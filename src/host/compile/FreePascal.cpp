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

namespace {
QStringList Arguments(const QFileInfo& unit, const QString& folder, const QString& copy) {
    return {QStringLiteral("-Mdelphi"), QStringLiteral("-vewnh"), QStringLiteral("-Fu") + unit.absolutePath(),
            QStringLiteral("-Fi") + unit.absolutePath(), QStringLiteral("-FE") + folder, copy};
}

// The compiler's lines with the temporary copy's path given as the unit's own.
// The hints that it read its own configuration file (which -vh brings along
// with the hints about the unit) say nothing about the unit.
std::vector<std::string> OutputLines(const QByteArray& bytes, const QString& copy, const QFileInfo& unit) {
    std::vector<std::string> lines;
    const QString text = QString::fromLocal8Bit(bytes);
    for (QString line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        line.remove(QLatin1Char('\r'));
        if (line.startsWith(QLatin1String("Hint: Start of reading config file ")) ||
            line.startsWith(QLatin1String("Hint: End of reading config file ")))
            continue;
        line.replace(copy, unit.absoluteFilePath());
        lines.push_back(line.toStdString());
    }
    return lines;
}

// Writes the unit's copy into the folder; an error line when it cannot.
std::string WriteCopy(const QTemporaryDir& folder, const QString& copy, const std::string& bytes) {
    if (!folder.isValid()) return "Cannot make a temporary folder to compile in.";
    try {
        WriteFileAtomic(copy.toStdString(), bytes);
    } catch (const FileError& e) {
        return std::string("Cannot write the unit to compile: ") + e.what();
    }
    return {};
}
}  // namespace

FreePascalJob::FreePascalJob(const std::string& compiler, const std::string& unitPath, const std::string& bytes, Done done)
    : done_(std::move(done)), unit_(QString::fromStdString(unitPath)), copy_(QDir(folder_.path()).filePath(unit_.fileName())) {
    if (std::string error = WriteCopy(folder_, copy_, bytes); !error.empty()) {
        CompileRun run;
        run.output.push_back(error);
        Finish(std::move(run));
        return;
    }
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setWorkingDirectory(folder_.path());
    QObject::connect(&process_, &QProcess::finished, &process_, [this](int code, QProcess::ExitStatus status) {
        timeout_.stop();
        CompileRun run;
        run.started = true;
        run.succeeded = status == QProcess::NormalExit && code == 0;
        run.output = Output();
        Finish(std::move(run));
    });
    QObject::connect(&process_, &QProcess::errorOccurred, &process_, [this, compiler](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        CompileRun run;
        run.output.push_back("The compiler " + compiler + " would not start.");
        Finish(std::move(run));
    });
    timeout_.setSingleShot(true);
    QObject::connect(&timeout_, &QTimer::timeout, &timeout_, [this] {
        QObject::disconnect(&process_, nullptr, nullptr, nullptr);
        process_.kill();
        process_.waitForFinished();
        CompileRun run;
        run.started = true;
        run.output = Output();
        run.output.push_back("The compiler took too long and was stopped.");
        Finish(std::move(run));
    });
    timeout_.start(kCompileTimeoutMs);
    process_.start(QString::fromStdString(compiler), Arguments(unit_, folder_.path(), copy_));
}

FreePascalJob::~FreePascalJob() {
    QObject::disconnect(&process_, nullptr, nullptr, nullptr);
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished();
    }
}

std::vector<std::string> FreePascalJob::Output() { return OutputLines(process_.readAll(), copy_, unit_); }

void FreePascalJob::Finish(CompileRun run) {
    if (!running_) return;
    running_ = false;
    // From the event loop: the caller may be the process's own signal, or
    // the constructor, whose owner has no job to look at yet.
    QTimer::singleShot(0, &timeout_, [this, run = std::move(run)]() mutable {
        folder_.remove();
        if (done_) done_(std::move(run));
    });
}

}  // namespace skrivo::host
