// morvane-analyze: the engine's command-line face. Each call reads a position from its
// arguments, prints one JSON object on stdout and exits 0; bad arguments print a one-line error
// on stderr and exit 2. `batch` reads calls from stdin, one a line, and prints one answer line
// for each on stdout as soon as it is known, keeping the search engine between them.

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

#include "shell/settings/language.h"
#include "tools/analyze/analyze.h"

namespace {

void Write(const QByteArray& bytes, std::FILE* stream) {
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

int RunBatch() {
    for (std::string line; std::getline(std::cin, line);) {
        Write(morvane::analyze::BatchAnswer(QString::fromStdString(line)), stdout);
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    // What the tool says is English, the reasons a game file is refused included.
    morvane::UseLanguage(morvane::Language::English);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args == QStringList{QLatin1String(morvane::analyze::kBatch)}) {
        return RunBatch();
    }
    const morvane::analyze::Answer answer = morvane::analyze::Analyze(args);
    Write(answer.out, stdout);
    Write(answer.err, stderr);
    return answer.status;
}
