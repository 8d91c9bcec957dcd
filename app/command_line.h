#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

#include "net/windows/net_windows.h"
#include "rules/player_kind.h"
#include "shell/settings/language.h"

namespace morvane {

// What the program is asked for on its command line. Only the game's own options and a game file
// are read: Qt's (-platform, -display, -style, ...) are left for the application object, which
// takes them out itself, and any other argument is ignored.
struct CommandLine {
    // --scale N: the display scale to store and to start with, one of kDisplayScales.
    std::optional<int> scale;
    // --lang ja|en: the interface language to store and to start with.
    std::optional<Language> language;
    // A saved game to open instead of the title window: the first argument that is no option.
    // Qt's options take values that read as such arguments, so it is read from the arguments the
    // application object leaves.
    std::optional<QString> gameFile;
    // --host [ADDRESS:]PORT [--code CODE]: host a network game there at once (all of this
    // machine's addresses when none is given; a fresh code when none is given).
    std::optional<HostRequest> host;
    // --join ADDRESS:PORT --code CODE: join the network game there at once.
    std::optional<JoinRequest> join;
    // --player KIND: who plays this side of that network game; the mouse when not given.
    std::optional<PlayerKind> networkPlayer;

    // The program ends at once, instead of playing, after printing out (on standard output) and
    // err (on standard error): status 0 after --help or --version, 2 after a bad option value.
    struct Ending {
        QByteArray out;
        QByteArray err;
        int status = 0;
    };
    std::optional<Ending> ending;
};

// Reads the arguments, the program's path first. Needs no application object, so that the
// options can decide how the application is made.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace morvane
