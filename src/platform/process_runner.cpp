#include "platform/process_runner.h"

#include <QFileInfo>
#include <QProcess>
#include <QStringList>

ProcessResult RunProgramAndWait(const std::string& program, const std::vector<std::string>& arguments,
                                const std::string& workingFolder) {
    ProcessResult result;
    const QString path = QString::fromStdString(program);
    QStringList args;
    for (const auto& a : arguments) args << QString::fromStdString(a);

    QProcess process;
    process.setProgram(path);
    process.setArguments(args);
    process.setWorkingDirectory(workingFolder.empty() ? QFileInfo(path).absolutePath()
                                                      : QString::fromStdString(workingFolder));
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    if (!process.waitForStarted(-1)) {
        result.Error = process.errorString().toStdString();
        return result;
    }
    result.Started = true;
    process.waitForFinished(-1);
    if (process.exitStatus() == QProcess::CrashExit) {
        result.Crashed = true;
        result.Error = process.errorString().toStdString();
        return result;
    }
    result.ExitCode = process.exitCode();
    return result;
}
