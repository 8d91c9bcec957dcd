#include "match/windows/battle_effects.h"

#include "match/windows/battle_widgets.h"

namespace morvane {

BattleEffects::BattleEffects(const std::array<CellLabel*, kCellCount>& cells,
                             const std::array<QPixmap, 9>& pictures, QWidget* board,
                             SoundSink* sounds)
    : cells_(cells), pictures_(pictures), motion_(new UnitMotion(board)), sounds_(sounds) {}

void BattleEffects::Show(const BattleEvent& event) {
    switch (event.kind) {
        case BattleEvent::Kind::UnitPlaced: {
            CellLabel* cell = cells_[static_cast<std::size_t>(event.cell)];
            const QPixmap& unit = pictures_[static_cast<std::size_t>(UnitCode(event.turn))];
            if (event.intoHollow) {
                motion_->FadeIn(cell, pictures_[Hollow], unit);
            } else {
                const QWidget* top =
                    cells_[static_cast<std::size_t>(CellIndex(CellX(event.cell), 1))];
                motion_->Drop(cell, unit, top->geometry());
            }
            Play(event.turn == kCircleTurn ? Sound::CirclePlaced : Sound::CrossPlaced);
            break;
        }
        case BattleEvent::Kind::Refused:
            Play(Sound::Refused);
            break;
        case BattleEvent::Kind::Won:
        case BattleEvent::Kind::Lost: {
            std::vector<QRect> line;
            for (const int cell : event.line) {
                line.push_back(cells_[static_cast<std::size_t>(cell)]->geometry());
            }
            motion_->Pulse(line);
            Play(event.kind == BattleEvent::Kind::Won ? Sound::Won : Sound::Lost);
            break;
        }
        case BattleEvent::Kind::Drawn:
            Play(Sound::Drawn);
            break;
        case BattleEvent::Kind::HintArrived:
            Play(Sound::HintArrived);
            break;
    }
}

void BattleEffects::Play(Sound sound) {
    if (sounds_) {
        sounds_->Play(sound);
    }
}

}  // namespace morvane
