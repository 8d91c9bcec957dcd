#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

namespace morvane::testing {

// One run of the morvane-analyze program.
struct AnalyzeRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the program with the arguments, input on its standard input, and waits for it; a crash
// or a hang fails the test run.
AnalyzeRun RunAnalyze(const QString& program, const QStringList& args,
                      const QByteArray& input = {});

// The one JSON object a good call prints; a call that fails, writes to stderr or prints
// anything but one line stops the test run with the program's message.
QJsonObject RunAnalyzeJson(const QString& program, const QStringList& args);

}  // namespace morvane::testing
