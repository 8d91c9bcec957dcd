#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <cstdio>

#include "app/app.h"
#include "app/app_log.h"
#include "app/command_line.h"
#include "match/model/stored_options.h"
#include "shell/settings/display_scale.h"
#include "shell/settings/language.h"
#include "shell/windows/live_scale.h"
#include "shell/windows/look.h"
#include "shell/windows/look_choice.h"
#include "shell/windows/store_failure.h"

namespace {

QStringList ArgumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

void Write(const QByteArray& bytes, std::FILE* stream) {
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

}  // namespace

// Start-up: the command line first; then the look, the display scale and the language, before any
// window is made; a settings file the store refuses is told of, and the game goes on with the
// defaults; then the match options are read from the settings store once and the title window
// opens. The program runs while any of its windows is open.
int main(int argc, char* argv[]) {
    const morvane::CommandLine command = morvane::ParseCommandLine(ArgumentsOf(argc, argv));
    if (command.ending) {
        Write(command.ending->out, stdout);
        Write(command.ending->err, stderr);
        return command.ending->status;
    }
    morvane::SettingsStore store;
    // Nothing has been stored yet on a first start: the language follows the desktop's then.
    const bool firstStart = !QFileInfo::exists(store.FileName());

    // The game keeps its own fonts and colours whatever the desktop sets.
    QApplication::setDesktopSettingsAware(false);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvaneⅲ"));
    QApplication::setDesktopFileName(QStringLiteral("example.c_seed_c9953457.morvane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/morvane.svg")));
    // The look, before any colour is given.
    morvane::look::UseLook(morvane::StartLook(store));
    morvane::look::PinApplicationLook();
    // After the look: the tips' font at the scale is made from the application's.
    morvane::ApplyDisplayScale(command.scale.value_or(morvane::ReadDisplayScale(store)));

    const morvane::Language language =
        command.language.value_or(morvane::StartLanguage(store, firstStart));
    if (!morvane::UseLanguage(language)) {
        qCWarning(morvane::appLog) << "the English translation could not be loaded";
    }
    qCDebug(morvane::appLog) << "settings file" << store.FileName() << "language"
                             << morvane::LanguageCode(language) << "scale"
                             << morvane::AppliedDisplayScale();
    morvane::TellIfFileRefused(nullptr, store);
    if (command.scale) {
        morvane::TellIfNotStored(nullptr, store,
                                 store.Write(morvane::settings::DisplayScale(), *command.scale));
    }
    // A language chosen on the command line, or taken from the desktop on the first start, is
    // kept for the next starts, as a choice in the game is.
    if (command.language || language != morvane::ReadLanguage(store)) {
        morvane::TellIfNotStored(
            nullptr, store,
            store.Write(morvane::settings::InterfaceLanguage(), morvane::LanguageCode(language)));
    }
    morvane::AppState state;
    state.options = morvane::LoadMatchOptions(store);

    morvane::App app(store, state);
    // The application object has taken its own options out of the arguments by now.
    app.Start(morvane::ParseCommandLine(QApplication::arguments()));
    return QApplication::exec();
}
