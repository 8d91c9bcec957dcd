#include "extra/windows/extra_game.h"

#include "extra/windows/ex_game_window.h"
#include "extra/windows/ex_notes_window.h"

namespace morvane {

ExtraGame::ExtraGame(QObject* parent) : QObject(parent) {}

void ExtraGame::Open() {
    auto* notes = new ExNotesWindow;
    notes->setAttribute(Qt::WA_DeleteOnClose);
    connect(notes, &ExNotesWindow::closed, this, &ExtraGame::OpenGameWindow);
    notes->show();
}

void ExtraGame::OpenGameWindow() {
    auto* game = new ExGameWindow;
    game->setAttribute(Qt::WA_DeleteOnClose);
    connect(game, &ExGameWindow::closed, this, &ExtraGame::closed);
    game->show();
}

}  // namespace morvane
