#pragma once

#include <QPixmap>
#include <array>

#include "match/model/battle_event.h"
#include "match/windows/unit_motion.h"
#include "shell/sound/sound_sink.h"

namespace morvane {

class CellLabel;

// What the battle screen adds to the battle it draws: a placed unit's arrival and sound, the
// sound of a refusal, the game's end with the winning line's pulse, and the sound of a hint
// served. It shows what the battle says has happened and never holds it up.
class BattleEffects {
public:
    // The cells and their pictures by cell code are the window's; the sink may be none.
    BattleEffects(const std::array<CellLabel*, kCellCount>& cells,
                  const std::array<QPixmap, 9>& pictures, QWidget* board, SoundSink* sounds);

    UnitMotion& Motion() { return *motion_; }

    // Moves and sounds what happened.
    void Show(const BattleEvent& event);

private:
    void Play(Sound sound);

    const std::array<CellLabel*, kCellCount>& cells_;
    const std::array<QPixmap, 9>& pictures_;
    UnitMotion* motion_;
    SoundSink* sounds_;
};

}  // namespace morvane
