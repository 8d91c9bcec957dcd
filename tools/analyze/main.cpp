// morvane-analyze: the engine's command-line face. Each call reads a position from its
// arguments, prints one JSON object on stdout and exits 0; bad arguments print a one-line error
// on stderr and exit 2.

#include <QCoreApplication>
#include <QStringList>
#include <array>

#include "tools/analyze/analyze_io.h"
#include "tools/analyze/extra_commands.h"
#include "tools/analyze/main_commands.h"

namespace {

using morvane::analyze::ReportError;

// The subcommands. A row names the subcommand, spells its arguments for the usage text, gives
// how many arguments it takes (fewest, most) and the handler that runs it. A handler gets the
// arguments after the name, their count already checked, and returns the exit status; it
// parses them with the helpers of analyze_io.h, which also print its JSON or its error. A new
// subcommand is one row here plus its handler in its own file (added to CMakeLists.txt).
struct Subcommand {
    const char* name;
    const char* arguments;
    int fewest;
    int most;
    int (*run)(const QStringList& args);
};

constexpr std::array kSubcommands{
    Subcommand{"line", "BOARD CELL", 2, 2, morvane::analyze::RunLineCommand},
    Subcommand{"eval", "BOARD SIDE", 2, 2, morvane::analyze::RunEvalCommand},
    Subcommand{"move", "BOARD SIDE LEVEL [TERRAIN]", 3, 4, morvane::analyze::RunMoveCommand},
    Subcommand{"ladder", "A B GAMES", 3, 3, morvane::analyze::RunLadderCommand},
    Subcommand{"exlines", "BOARD", 1, 1, morvane::analyze::RunExLinesCommand},
    Subcommand{"exmove", "BOARD", 1, 1, morvane::analyze::RunExMoveCommand},
};

QString Usage() {
    QStringList forms;
    for (const Subcommand& command : kSubcommands) {
        forms << QStringLiteral("%1 %2").arg(QLatin1String(command.name),
                                             QLatin1String(command.arguments));
    }
    return QStringLiteral("usage: morvane-analyze ") + forms.join(QStringLiteral(" | "));
}

}  // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        return ReportError(Usage());
    }
    for (const Subcommand& command : kSubcommands) {
        if (args[0] != QLatin1String(command.name)) {
            continue;
        }
        const QStringList rest = args.mid(1);
        if (rest.size() < command.fewest || rest.size() > command.most) {
            return ReportError(
                QStringLiteral("usage: morvane-analyze %1 %2")
                    .arg(QLatin1String(command.name), QLatin1String(command.arguments)));
        }
        return command.run(rest);
    }
    return ReportError(QStringLiteral("unknown subcommand \"%1\"; %2").arg(args[0], Usage()));
}
