#include <QApplication>
#include <QIcon>

#include "app/app.h"
#include "match/model/stored_options.h"
#include "shell/windows/look.h"

// Start-up: the match options are read from the settings store once, then the title window
// opens; the program runs while any of its windows is open.
int main(int argc, char* argv[]) {
    // The game keeps its own fonts and colours whatever the desktop sets.
    QApplication::setDesktopSettingsAware(false);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvaneⅲ"));
    QApplication::setDesktopFileName(QStringLiteral("example.c_seed_c9953457.morvane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/morvane.svg")));
    morvane::look::PinApplicationLook();

    morvane::SettingsStore store;
    morvane::AppState state;
    state.options = morvane::LoadMatchOptions(store);

    morvane::App app(store, state);
    app.ShowTitle();
    return QApplication::exec();
}
