// morvane-analyze: the engine's command-line face. Each call reads a position from its
// arguments, prints one JSON object on stdout and exits 0; bad arguments print a one-line error
// on stderr and exit 2.

#include <QCoreApplication>
#include <cstdio>

#include "tools/analyze/analyze.h"

namespace {

void Write(const QByteArray& bytes, std::FILE* stream) {
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

}  // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    const morvane::analyze::Answer answer =
        morvane::analyze::Analyze(QCoreApplication::arguments().mid(1));
    Write(answer.out, stdout);
    Write(answer.err, stderr);
    return answer.status;
}
