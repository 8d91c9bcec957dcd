#pragma once

#include <QBrush>
#include <QCursor>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <optional>

#include "match/model/battle.h"
#include "match/windows/battle_effects.h"
#include "match/windows/cell_marks.h"
#include "match/windows/info_announcer.h"

class QLabel;
class QVBoxLayout;

namespace morvane {

class CellLabel;
class GrowingPage;
class MarkerFrame;

// What the battle screen shows under its menu bar: the board with its cursor frame, the side
// panels, the info panel and the counters, drawn from what a battle reports, with the motions and
// sounds of what the battle says has happened. Its contents keep their proportions as it grows.
// It only draws: the cells' clicks and pointer moves go out as signals.
class BattleView : public QWidget {
    Q_OBJECT

public:
    // The sink may be none: silence.
    BattleView(SoundSink* sounds, QWidget* parent);

    // Draws the battle as it stands.
    void Render(const Battle& battle);
    // Moves and sounds what happened.
    void Show(const BattleEvent& event) { effects_->Show(event); }

    void SetCellMarksOn(bool on) { cellMarks_->SetOn(on); }
    UnitMotion& Motion() { return effects_->Motion(); }

    // The board's place on the screen, in global coordinates.
    QRect BoardOnScreen() const;
    // Whether a text fits one row of the info panel. Measured at the view's own size, so that the
    // panel's rows read the same at every size.
    static bool InfoRowFits(const QString& row);
    // The size the contents are laid out for; they grow from it.
    static QSize DesignedSize();

    // Puts a strip (the chat) under the contents, on the same background, across the view's
    // width at its own height; hidden, it takes no room.
    void AddStrip(QWidget* strip);

signals:
    void cellClicked(int index);
    void cellHovered(int index);
    void cellRightClicked();
    // The pointer has left a cell, maybe for the next one, maybe off the board.
    void cellLeft();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildBoard();
    void BuildSides();
    void BuildInfoPanel();
    // Places and colours the grid lines in the look in use.
    void DrawGridLines();
    // Draws the cells' pictures at the size the board stands at.
    void RenderCellPixmaps();
    // The view has grown or shrunk: every picture is drawn afresh at its new size.
    void Regrow();
    // The background's brush, drawn for the window's density.
    void RenderBackground();
    void RenderBoard(const Battle& battle);
    void RenderSides(const Battle& battle);
    void RenderInfoPanel(const Battle& battle);

    QVBoxLayout* layout_ = nullptr;  // the contents' room, then any strip under it
    QWidget* area_ = nullptr;        // the contents, at their grown size
    GrowingPage* grow_ = nullptr;
    // The battle last drawn, drawn again when the view has grown.
    const Battle* drawn_ = nullptr;

    static constexpr int kGridLineCount = kColumns + 1 + kRows + 1;
    std::array<QWidget*, kGridLineCount> gridLines_{};
    std::array<CellLabel*, kCellCount> cells_{};
    std::array<int, kCellCount> drawnCodes_{};
    std::array<QPixmap, 9> cellPixmaps_{};
    QCursor hand_;
    bool handShown_ = false;
    MarkerFrame* cursor_ = nullptr;
    std::optional<CellMarks> cellMarks_;
    std::optional<BattleEffects> effects_;
    MarkerFrame* turnMarker_ = nullptr;
    std::array<QLabel*, 2> names_{};
    std::array<QLabel*, 2> pictures_{};
    std::array<QLabel*, 2> sideMarks_{};
    std::array<int, 2> drawnPictures_{};
    std::array<QLabel*, 2> winLabels_{};
    QLabel* versus_ = nullptr;
    QLabel* roundLabel_ = nullptr;
    QLabel* areaSpaceLabel_ = nullptr;
    std::array<QLabel*, InfoPanel::kRowCount> infoRows_{};
    InfoAnnouncer announcer_;  // speaks from the battle screen, which holds the focus
    BattleBackground drawnBackground_ = BattleBackground::Blue;
    QBrush backgroundBrush_;
};

}  // namespace morvane
