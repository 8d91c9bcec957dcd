#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include "match/model/saved_game_format.h"
#include "net/protocol/invitation.h"
#include "net/protocol/join_code.h"
#include "shell/settings/display_scale.h"
#include "version.h"

namespace morvane {
namespace {

constexpr int kUsageError = 2;

const QString kProgram = QStringLiteral("morvane");

QByteArray Line(const QString& text) { return (text + QLatin1Char('\n')).toLocal8Bit(); }

QString ScaleChoices() {
    QStringList choices;
    for (const int percent : kDisplayScales) {
        choices << QString::number(percent);
    }
    return choices.join(QStringLiteral(", "));
}

QString LanguageChoices() {
    QStringList choices;
    for (const Language language : kLanguages) {
        choices << LanguageCode(language);
    }
    return choices.join(QStringLiteral(", "));
}

std::optional<int> ScaleOf(const QString& text) {
    for (const int percent : kDisplayScales) {
        if (text == QString::number(percent)) {
            return percent;
        }
    }
    return std::nullopt;
}

// The program ends with a usage error, told in one line.
CommandLine UsageError(const QString& program, const QString& what) {
    CommandLine command;
    command.ending = {
        {}, Line(QStringLiteral("%1: %2 (see %1 --help)").arg(program, what)), kUsageError};
    return command;
}

// The program ends with a usage error: the option takes only the values listed.
CommandLine BadValue(const QString& program, const QString& option, const QString& choices) {
    return UsageError(program, QStringLiteral("%1 takes %2").arg(option, choices));
}

// The player kinds --player takes: the game file's words for them.
QString PlayerChoices() {
    QStringList choices;
    for (const std::string_view word : saved_game_format::kKindWords) {
        choices << QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
    }
    return choices.join(QStringLiteral(", "));
}

std::optional<PlayerKind> PlayerOf(const QString& text) {
    for (int kind = 0; kind < kPlayerKindCount; ++kind) {
        const std::string_view word = saved_game_format::kKindWords[static_cast<std::size_t>(kind)];
        if (text == QLatin1String(word.data(), static_cast<qsizetype>(word.size()))) {
            return static_cast<PlayerKind>(kind);
        }
    }
    return std::nullopt;
}

const QString kHostForm = QStringLiteral("[ADDRESS:]PORT");
const QString kJoinForm = QStringLiteral("ADDRESS:PORT");
const QString kEndpointRules =
    QStringLiteral(", PORT 1-65535, an IPv6 address in brackets as in [::1]:7442");
const QString kCodeRule =
    QStringLiteral("six characters of 0-9 and A-Z (I, L and O read as 1, 1 and 0; no U)");
constexpr int kHighestPort = 65535;

// Where a network game is hosted or joined: an address, empty when none was given, and a port.
struct Endpoint {
    QString address;
    quint16 port;
};

std::optional<quint16> PortOf(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    const int port = digits.match(text).hasMatch() ? text.toInt() : 0;
    if (port < 1 || port > kHighestPort) {
        return std::nullopt;
    }
    return static_cast<quint16>(port);
}

// "ADDRESS:PORT", "[IPv6 ADDRESS]:PORT" or, when no address is needed, "PORT" alone.
std::optional<Endpoint> EndpointOf(const QString& text, bool addressNeeded) {
    QString address;
    QString port = text;
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QStringLiteral("]:"));
        if (close < 0) {
            return std::nullopt;
        }
        address = text.mid(1, close - 1);
        port = text.mid(close + 2);
        if (QHostAddress(address).protocol() != QAbstractSocket::IPv6Protocol) {
            return std::nullopt;
        }
    } else if (text.count(QLatin1Char(':')) == 1) {
        address = text.section(QLatin1Char(':'), 0, 0);
        port = text.section(QLatin1Char(':'), 1);
        if (address.isEmpty()) {
            return std::nullopt;
        }
    } else if (text.contains(QLatin1Char(':'))) {
        return std::nullopt;  // an IPv6 address without its brackets
    }
    const std::optional<quint16> number = PortOf(port);
    if (!number || (addressNeeded && address.isEmpty())) {
        return std::nullopt;
    }
    return Endpoint{address, *number};
}

// A host to join: an IP address, or a name made of labels of letters, digits and hyphens.
bool IsHostName(const QString& address) {
    static const QString label = QStringLiteral("[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?");
    static const QRegularExpression name(QStringLiteral("^%1(\\.%1)*\\.?$").arg(label));
    return !QHostAddress(address).isNull() || name.match(address).hasMatch();
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's own options are words after a single dash (-platform, -reverse); read that way they
    // stay whole, and none of their letters is taken for -h or -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Morvaneⅲ, a four-in-a-row board game with a Japanese interface.\n"
                       "Qt's own options (-platform, -display, -style, ...) are accepted too."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and ends."));
    const QCommandLineOption scale(
        QStringLiteral("scale"),
        QStringLiteral("Draws every window at this display scale, in percent (%1), "
                       "from now on: the choice is stored.")
            .arg(ScaleChoices()),
        QStringLiteral("percent"));
    const QCommandLineOption language(
        QStringLiteral("lang"),
        QStringLiteral("Shows the game in this language (%1: Japanese or English) from now on: "
                       "the choice is stored.")
            .arg(LanguageChoices()),
        QStringLiteral("code"));
    const QCommandLineOption host(
        QStringLiteral("host"),
        QStringLiteral("Hosts a network game at once: listens on this address (an IP address "
                       "of this machine; all of them when left out) and port (the game's own is "
                       "%1) for the player with the join code of --code (a fresh one is drawn "
                       "when it is left out).")
            .arg(kDefaultNetPort),
        QStringLiteral("[address:]port"));
    const QCommandLineOption join(
        QStringLiteral("join"),
        QStringLiteral("Joins the network game hosted at this address (an IP address or a host "
                       "name; an IPv6 address in brackets, as in [::1]:%1) and port at once, "
                       "with the join code of --code.")
            .arg(kDefaultNetPort),
        QStringLiteral("address:port"));
    const QCommandLineOption code(
        QStringLiteral("code"),
        QStringLiteral("The network game's join code: %1, as the host's window shows it.")
            .arg(kCodeRule),
        QStringLiteral("code"));
    const QCommandLineOption player(
        QStringLiteral("player"),
        QStringLiteral("Who plays this side of the network game of --host or --join: %1 (the "
                       "mouse when left out). Given to the host, it plays side ○ against the "
                       "network without asking who plays.")
            .arg(PlayerChoices()),
        QStringLiteral("kind"));
    parser.addOptions({help, version, scale, language, host, join, code, player});
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("A saved game (.morvane) to go on from, instead of the title."),
        QStringLiteral("[file]"));
    // Whatever is not the game's own is unknown to the parser and left alone: only the game's
    // options are looked at.
    parser.parse(arguments);

    CommandLine command;
    const QString program =
        arguments.isEmpty() ? kProgram : QFileInfo(arguments.front()).fileName();
    if (parser.isSet(help)) {
        // The parser's first line names the program only when an application object exists.
        const QString usage = QStringLiteral("Usage: %1 [options] [file]\n").arg(program);
        command.ending = {
            (usage + parser.helpText().section(QLatin1Char('\n'), 1)).toLocal8Bit(), {}, 0};
    } else if (parser.isSet(version)) {
        command.ending = {
            Line(QStringLiteral("%1 %2.%3").arg(program).arg(kVersionMajor).arg(kVersionMinor)),
            {},
            0};
    } else {
        // A link the desktop hands over ("morvane://ADDRESS:PORT/CODE") joins that game; anything
        // else is a game file.
        std::optional<Invitation> invitation;
        if (!parser.positionalArguments().isEmpty()) {
            const QString argument = parser.positionalArguments().constFirst();
            if (argument.startsWith(QStringLiteral("morvane:"), Qt::CaseInsensitive)) {
                invitation = ReadInvitation(argument);
                if (!invitation) {
                    return BadValue(program, QStringLiteral("an invitation"),
                                    QStringLiteral("the form morvane://ADDRESS:PORT/CODE"));
                }
                if (parser.isSet(host) || parser.isSet(join)) {
                    return UsageError(
                        program, QStringLiteral("an invitation goes without --host and --join"));
                }
                command.join =
                    JoinRequest{invitation->address, invitation->port, invitation->code, true};
            } else if (argument.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
                // The desktop passes a file as a link when it hands links over as well.
                command.gameFile = QUrl(argument).toLocalFile();
            } else {
                command.gameFile = argument;
            }
        }
        if (parser.isSet(scale)) {
            command.scale = ScaleOf(parser.value(scale));
            if (!command.scale) {
                return BadValue(program, QStringLiteral("--scale"), ScaleChoices());
            }
        }
        if (parser.isSet(language)) {
            command.language = LanguageOfCode(parser.value(language));
            if (!command.language) {
                return BadValue(program, QStringLiteral("--lang"), LanguageChoices());
            }
        }
        if (parser.isSet(host) && parser.isSet(join)) {
            return UsageError(program, QStringLiteral("--host and --join do not go together"));
        }
        std::optional<QString> joinCode;
        if (parser.isSet(code)) {
            joinCode = ReadJoinCode(parser.value(code));
            if (!parser.isSet(host) && !parser.isSet(join)) {
                return UsageError(program, QStringLiteral("--code goes with --host or --join"));
            }
            if (!joinCode) {
                return BadValue(program, QStringLiteral("--code"), kCodeRule);
            }
        }
        if (parser.isSet(host)) {
            const std::optional<Endpoint> endpoint = EndpointOf(parser.value(host), false);
            const QHostAddress address = endpoint && !endpoint->address.isEmpty()
                                             ? QHostAddress(endpoint->address)
                                             : QHostAddress(QHostAddress::Any);
            if (!endpoint || address.isNull()) {
                return BadValue(program, QStringLiteral("--host"), kHostForm + kEndpointRules);
            }
            command.host =
                HostRequest{address, endpoint->port, joinCode.value_or(QString()), true, {}};
        }
        if (parser.isSet(join)) {
            const std::optional<Endpoint> endpoint = EndpointOf(parser.value(join), true);
            if (!endpoint || !IsHostName(endpoint->address)) {
                return BadValue(program, QStringLiteral("--join"), kJoinForm + kEndpointRules);
            }
            if (!joinCode) {
                return UsageError(program, QStringLiteral("--join needs --code"));
            }
            command.join = JoinRequest{endpoint->address, endpoint->port, *joinCode, true};
        }
        if (parser.isSet(player)) {
            if (!parser.isSet(host) && !parser.isSet(join) && !invitation) {
                return UsageError(program, QStringLiteral("--player goes with --host or --join"));
            }
            command.networkPlayer = PlayerOf(parser.value(player));
            if (!command.networkPlayer) {
                return BadValue(program, QStringLiteral("--player"), PlayerChoices());
            }
        }
    }
    return command;
}

}  // namespace morvane
