#include "tools/analyze/analyze.h"

#include <QRegularExpression>
#include <array>

#include "tools/analyze/extra_commands.h"
#include "tools/analyze/main_commands.h"
#include "tools/analyze/review_command.h"
#include "tools/analyze/search_commands.h"

namespace morvane::analyze {
namespace {

// The subcommands. A row names the subcommand, spells its arguments for the usage text, gives
// how many arguments it takes (fewest, most) and the handler that runs it. A handler gets the
// arguments after the name, their count already checked, and returns its answer; it parses
// them with the helpers of analyze_io.h, which also make its JSON or its error. A new
// subcommand is one row here plus its handler in its own file (added to CMakeLists.txt).
struct Subcommand {
    const char* name;
    const char* arguments;
    int fewest;
    int most;
    Answer (*run)(const QStringList& args);
};

constexpr std::array kSubcommands{
    Subcommand{"line", "BOARD CELL", 2, 2, RunLineCommand},
    Subcommand{"eval", "BOARD SIDE", 2, 2, RunEvalCommand},
    Subcommand{"move", "BOARD SIDE LEVEL [TERRAIN]", 3, 4, RunMoveCommand},
    Subcommand{"solve", "BOARD SIDE [MS]", 2, 3, RunSolveCommand},
    Subcommand{"review", "FILE [MS]", 1, 2, RunReviewCommand},
    Subcommand{"ladder", "A B GAMES [LAYOUT [NODES]]", 3, 5, RunLadderCommand},
    Subcommand{"exlines", "BOARD", 1, 1, RunExLinesCommand},
    Subcommand{"exmove", "BOARD", 1, 1, RunExMoveCommand},
};

QString Usage() {
    QStringList forms;
    for (const Subcommand& command : kSubcommands) {
        forms << QStringLiteral("%1 %2").arg(QLatin1String(command.name),
                                             QLatin1String(command.arguments));
    }
    forms << QLatin1String(kBatch);
    return QStringLiteral("usage: morvane-analyze ") + forms.join(QStringLiteral(" | "));
}

}  // namespace

Answer Analyze(const QStringList& args) {
    if (args.isEmpty()) {
        return ErrorAnswer(Usage());
    }
    for (const Subcommand& command : kSubcommands) {
        if (args[0] != QLatin1String(command.name)) {
            continue;
        }
        const QStringList rest = args.mid(1);
        if (rest.size() < command.fewest || rest.size() > command.most) {
            return ErrorAnswer(
                QStringLiteral("usage: morvane-analyze %1 %2")
                    .arg(QLatin1String(command.name), QLatin1String(command.arguments)));
        }
        return command.run(rest);
    }
    if (args[0] == QLatin1String(kBatch)) {
        // The program runs a batch itself (main.cpp); here only a line of one can ask for it.
        return ErrorAnswer(QStringLiteral(
            "usage: morvane-analyze batch, with one call a line on standard input (a line of a "
            "batch cannot start another)"));
    }
    return ErrorAnswer(QStringLiteral("unknown subcommand \"%1\"; %2").arg(args[0], Usage()));
}

QByteArray BatchAnswer(const QString& line) {
    static const QRegularExpression kSpaces(QStringLiteral("\\s+"));
    const Answer answer = Analyze(line.split(kSpaces, Qt::SkipEmptyParts));
    if (answer.status != 0) {
        return answer.err;
    }
    return answer.batchOut.isEmpty() ? answer.out : answer.batchOut;
}

}  // namespace morvane::analyze
