#include "extra/windows/extra_game.h"

#include "extra/windows/ex_game_window.h"
#include "extra/windows/ex_notes_window.h"

namespace morvane {

ExtraGame::ExtraGame(SoundSink* sounds, QObject* parent) : QObject(parent), sounds_(sounds) {}

void ExtraGame::Open() {
    auto* notes = new ExNotesWindow;
    notes->setAttribute(Qt::WA_DeleteOnClose);
    connect(notes, &ExNotesWindow::closed, this, &ExtraGame::OpenGameWindow);
    notes->show();
}

void ExtraGame::OpenGameWindow() {
    auto* game = new ExGameWindow;
    game->setAttribute(Qt::WA_DeleteOnClose);
    game->SetSounds(sounds_);
    if (chooseLook_) {
        game->OfferLooks([this, game](Look look) { chooseLook_(game, look); });
    }
    connect(game, &ExGameWindow::closed, this, &ExtraGame::closed);
    game->show();
}

}  // namespace morvane

#include "moc_extra_game.cpp"
