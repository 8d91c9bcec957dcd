#include <QApplication>
#include <QFont>
#include <QIcon>

#include "app/app.h"
#include "match/model/stored_options.h"

// Start-up: the match options are read from the settings store once, then the title window
// opens; the program runs while any of its windows is open.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvaneⅲ"));
    QApplication::setDesktopFileName(QStringLiteral("example.c_seed_c9953457.morvane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/morvane.svg")));
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK JP")));

    morvane::SettingsStore store;
    morvane::AppState state;
    state.options = morvane::LoadMatchOptions(store);

    morvane::App app(store, state);
    app.ShowTitle();
    return QApplication::exec();
}
