#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

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

// The program ends with a usage error: the option takes only the values listed.
CommandLine BadValue(const QString& program, const QString& option, const QString& choices) {
    CommandLine command;
    command.ending = {
        {},
        Line(QStringLiteral("%1: %2 takes %3 (see %1 --help)").arg(program, option, choices)),
        kUsageError};
    return command;
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
    parser.addOptions({help, version, scale, language});
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
        if (!parser.positionalArguments().isEmpty()) {
            command.gameFile = parser.positionalArguments().constFirst();
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
    }
    return command;
}

}  // namespace morvane
