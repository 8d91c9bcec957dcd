#include "tests/support/analyze_process.h"

#include <QJsonDocument>
#include <QProcess>

namespace morvane::testing {

AnalyzeRun RunAnalyze(const QString& program, const QStringList& args, const QByteArray& input) {
    QProcess process;
    process.start(program, args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        qFatal("morvane-analyze did not finish normally");
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QJsonObject RunAnalyzeJson(const QString& program, const QStringList& args) {
    const AnalyzeRun run = RunAnalyze(program, args);
    if (run.exitCode != 0 || !run.err.isEmpty() || !run.out.endsWith('\n') ||
        run.out.count('\n') != 1) {
        qFatal("morvane-analyze failed: %s", run.err.constData());
    }
    return QJsonDocument::fromJson(run.out).object();
}

}  // namespace morvane::testing
