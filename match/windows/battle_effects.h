#pragma once

#include <QPixmap>
#include <array>

#include "match/model/battle_watch.h"
#include "match/windows/unit_motion.h"
#include "shell/sound/sound_sink.h"

namespace morvane {

class CellLabel;

// What the battle screen adds to the battle it draws: a placed unit's arrival and sound, the
// sound of a refusal, the game's end with the winning line's pulse, and the sound of a hint
// served. It follows the battle after each step and never holds it up.
class BattleEffects {
public:
    // The cells and their pictures by cell code are the window's; the sink may be none.
    BattleEffects(const std::array<CellLabel*, kCellCount>& cells,
                  const std::array<QPixmap, 9>& pictures, QWidget* board, SoundSink* sounds);

    UnitMotion& Motion() { return *motion_; }

    // A person has just asked for a hint.
    void HintAsked(const Battle& battle) { watch_.HintAsked(battle); }
    // Moves and sounds what happened since the last call.
    void Follow(const Battle& battle, const std::array<PlayerKind, 2>& kinds);

private:
    void Show(const BattleEvent& event);
    void Play(Sound sound);

    const std::array<CellLabel*, kCellCount>& cells_;
    const std::array<QPixmap, 9>& pictures_;
    UnitMotion* motion_;
    SoundSink* sounds_;
    BattleWatch watch_;
};

}  // namespace morvane
