#include "match/windows/battle_view.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "assets/pictures.h"
#include "match/windows/battle_widgets.h"
#include "match/windows/match_pictures.h"
#include "shell/windows/accessible_names.h"
#include "shell/windows/density_picture.h"
#include "shell/windows/growing_page.h"
#include "shell/windows/look.h"
#include "shell/windows/page_scale.h"

namespace morvane {
namespace {

// Geometry, in pixels. The board: 30-pixel cells separated by one-pixel grid lines.
constexpr int kMargin = 16;
constexpr int kCellSize = 30;
constexpr int kCellPitch = kCellSize + 1;
constexpr int kBoardWidth = kColumns * kCellPitch + 1;
constexpr int kBoardHeight = kRows * kCellPitch + 1;
// The side panels, each framing a player's picture, kind and wins, with "VS" between them.
constexpr int kSideTop = kMargin + 4;
constexpr int kSideWidth = 150;
constexpr int kSideHeight = 124;
constexpr int kVsWidth = 40;
constexpr int kSidesLeft = kMargin + kBoardWidth + kMargin + 4;
constexpr int kPictureSize = 64;
// The info panel under the sides, the round and the free space beside it.
constexpr int kInfoTop = kSideTop + kSideHeight + 14;
constexpr int kInfoRowHeight = 16;
constexpr int kInfoWidth = 176;
constexpr int kInfoPadding = 6;
constexpr int kInfoHeight = InfoPanel::kRowCount * kInfoRowHeight + 2 * kInfoPadding;
constexpr int kWindowWidth = kSidesLeft + 2 * kSideWidth + kVsWidth + 4 + kMargin;
constexpr int kWindowHeight = kMargin + kBoardHeight + kMargin;
constexpr int kCountersLeft = kSidesLeft + kInfoWidth + 12;
constexpr int kCountersWidth = kWindowWidth - kMargin - 4 - kCountersLeft;

// Text sizes in pixels.
constexpr int kTextSize = 13;
constexpr int kSideTextSize = 15;
constexpr int kLargeTextSize = 22;

QRect CellRect(int index) {
    return QRect(kMargin + 1 + (CellX(index) - 1) * kCellPitch,
                 kMargin + 1 + (CellY(index) - 1) * kCellPitch, kCellSize, kCellSize);
}

QRect SideRect(int side) {
    return QRect(kSidesLeft + side * (kSideWidth + kVsWidth), kSideTop, kSideWidth, kSideHeight);
}

QRect InfoRect() { return QRect(kSidesLeft, kInfoTop, kInfoWidth, kInfoHeight); }

QRect CountersRect() { return QRect(kCountersLeft, kInfoTop, kCountersWidth, kInfoHeight); }

QRect InfoRowRect(int row) {
    const QRect panel = InfoRect();
    return QRect(panel.left() + kInfoPadding, panel.top() + kInfoPadding + row * kInfoRowHeight,
                 panel.width() - 2 * kInfoPadding, kInfoRowHeight);
}

QLabel* MakeLabel(const QString& objectName, const QFont& font, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    // The players' names come from the other side of a network game: never read as markup.
    label->setTextFormat(Qt::PlainText);
    look::SetTextColour(label, look::Current().white);
    return label;
}

}  // namespace

BattleView::BattleView(SoundSink* sounds, QWidget* parent) : QWidget(parent), announcer_(parent) {
    setObjectName(QStringLiteral("BattleStage"));
    // The contents grow in a room of their own, so that a strip can stand under them; the view
    // paints the background of both.
    auto* room = new QWidget(this);
    room->setObjectName(QStringLiteral("BattleRoom"));
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(room, 1);
    area_ = new QWidget(room);
    area_->setObjectName(QStringLiteral("BattleArea"));
    grow_ = new GrowingPage(room, area_, DesignedSize());

    RenderBackground();
    // The pointing hand's hot spot is its fingertip.
    hand_ = MakePointer(QStringLiteral(":/pointers/hand.svg"), {32, 32}, {10, 3});
    BuildBoard();
    BuildSides();
    BuildInfoPanel();
    RenderCellPixmaps();
    effects_.emplace(cells_, cellPixmaps_, area_, sounds);
    grow_->Place(&effects_->Motion(), QRect(0, 0, kWindowWidth, kWindowHeight));
    connect(grow_, &GrowingPage::rescaled, this, &BattleView::Regrow);
    // The display scale changed (the view then grows too), the window's density or the look
    // did: every picture is drawn afresh for it, and the labels coloured again.
    OnPictureDensityChange(this, [this] {
        RenderBackground();
        Regrow();
    });
    // The pictures follow the look as they follow the density; the rest is coloured here.
    look::FollowLook(this, [this] {
        DrawGridLines();
        for (QLabel* label : {versus_, roundLabel_, areaSpaceLabel_}) {
            look::SetTextColour(label, look::Current().white);
        }
        turnMarker_->SetColor(ToQColor(kCyan));
    });
}

void BattleView::DrawGridLines() {
    const int width = look::Current().cellLineWidth;
    // A wider line grows into the cell before it, so that the cells keep their places.
    const int before = width - 1;
    for (int line = 0; line < kGridLineCount; ++line) {
        QWidget* frame = gridLines_[static_cast<std::size_t>(line)];
        const bool upright = line <= kColumns;
        grow_->Place(frame, upright ? QRect(kMargin + line * kCellPitch - before, kMargin - before,
                                            width, kBoardHeight + before)
                                    : QRect(kMargin - before,
                                            kMargin + (line - kColumns - 1) * kCellPitch - before,
                                            kBoardWidth + before, width));
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, look::Current().battleGrid);
        frame->setPalette(palette);
    }
}

QSize BattleView::DesignedSize() { return QSize(kWindowWidth, kWindowHeight); }

void BattleView::AddStrip(QWidget* strip) { layout_->addWidget(strip); }

QRect BattleView::BoardOnScreen() const {
    const QRect board = grow_->Scaled(QRect(kMargin, kMargin, kBoardWidth, kBoardHeight));
    return QRect(area_->mapToGlobal(board.topLeft()), board.size());
}

void BattleView::Render(const Battle& battle) {
    drawn_ = &battle;
    RenderBoard(battle);
    RenderSides(battle);
    RenderInfoPanel(battle);
}

void BattleView::BuildBoard() {
    // Nine vertical and thirteen horizontal lines frame and separate the cells; the look gives
    // their colour and width (DrawGridLines).
    for (int line = 0; line < kGridLineCount; ++line) {
        auto* frame = new QWidget(area_);
        frame->setObjectName(QStringLiteral("Line1_%1").arg(line));
        frame->setAutoFillBackground(true);
        gridLines_[static_cast<std::size_t>(line)] = frame;
    }

    for (int index = 0; index < kCellCount; ++index) {
        auto* cell = new CellLabel(index, area_);
        grow_->Place(cell, CellRect(index));
        connect(cell, &CellLabel::clicked, this, &BattleView::cellClicked);
        connect(cell, &CellLabel::hovered, this, &BattleView::cellHovered);
        connect(cell, &CellLabel::rightClicked, this, &BattleView::cellRightClicked);
        connect(cell, &CellLabel::left, this, &BattleView::cellLeft);
        cells_[static_cast<std::size_t>(index)] = cell;
    }

    cursor_ = new MarkerFrame(look::Current().battleCursor, 3, area_);  // CellMarks colours it
    cursor_->setObjectName(QStringLiteral("Cur"));
    cursor_->hide();
    cellMarks_.emplace(cursor_, area_);
}

void BattleView::BuildSides() {
    for (int side = 0; side < 2; ++side) {
        const QRect panel = SideRect(side);
        auto* picture = new QLabel(area_);
        picture->setObjectName(QStringLiteral("Ig_%1").arg(side));
        grow_->Place(picture, QRect(panel.center().x() - kPictureSize / 2, panel.top() + 8,
                                    kPictureSize, kPictureSize));
        pictures_[static_cast<std::size_t>(side)] = picture;

        // Which side the panel belongs to, in the board's own pictures.
        auto* mark = new QLabel(area_);
        mark->setObjectName(QStringLiteral("SideMark_%1").arg(side));
        grow_->Place(mark, QRect(panel.left() + 8, panel.top() + 8, kCellSize, kCellSize));
        sideMarks_[static_cast<std::size_t>(side)] = mark;

        auto* name = MakeLabel(QStringLiteral("NameLb_%1").arg(side),
                               look::Font(kSideTextSize, true), area_);
        grow_->Place(name, QRect(panel.left(), panel.top() + 76, panel.width(), 20));
        names_[static_cast<std::size_t>(side)] = name;

        auto* wins =
            MakeLabel(QStringLiteral("WinLb_%1").arg(side), look::Font(kSideTextSize), area_);
        grow_->Place(wins, QRect(panel.left(), panel.top() + 98, panel.width(), 20));
        winLabels_[static_cast<std::size_t>(side)] = wins;
    }

    versus_ = MakeLabel(QStringLiteral("Label1"), look::Font(kLargeTextSize, true), area_);
    versus_->setText(tr("VS"));
    grow_->Place(versus_, QRect(kSidesLeft + kSideWidth, kSideTop, kVsWidth, kSideHeight));

    turnMarker_ = new MarkerFrame(ToQColor(kCyan), 2, area_);
    turnMarker_->setObjectName(QStringLiteral("TurnCur"));
    turnMarker_->hide();

    const QRect counters = CountersRect();
    roundLabel_ = MakeLabel(QStringLiteral("RoundLb"), look::Font(kLargeTextSize, true), area_);
    grow_->Place(roundLabel_, QRect(counters.left(), counters.top() + 12, counters.width(), 72));
    areaSpaceLabel_ = MakeLabel(QStringLiteral("AreaSpaceLb"), look::Font(kTextSize), area_);
    grow_->Place(areaSpaceLabel_,
                 QRect(counters.left(), counters.top() + 96, counters.width(), 24));
}

void BattleView::BuildInfoPanel() {
    for (int row = 0; row < InfoPanel::kRowCount; ++row) {
        auto* label = new QLabel(area_);
        label->setObjectName(QStringLiteral("InfLb_%1").arg(row));
        label->setFont(look::FixedFont(kTextSize));
        grow_->Place(label, InfoRowRect(row));
        label->setTextFormat(Qt::PlainText);
        infoRows_[static_cast<std::size_t>(row)] = label;
    }
}

void BattleView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The background's tiles start at the window's corner, under the menu bar.
    painter.setBrushOrigin(-mapTo(window(), QPoint()));
    painter.fillRect(rect(), backgroundBrush_);
    painter.translate(area_->mapTo(this, QPoint()));
    painter.scale(grow_->Factor(), grow_->Factor());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look::Current().backdropEdge, 1));
    painter.setBrush(look::Current().boardBackdrop);
    painter.drawRect(QRect(kMargin, kMargin, kBoardWidth, kBoardHeight).adjusted(-3, -3, 2, 2));
    painter.setBrush(look::Current().backdrop);
    painter.drawRoundedRect(SideRect(0).adjusted(-2, -2, 2, 2), 8, 8);
    painter.drawRoundedRect(SideRect(1).adjusted(-2, -2, 2, 2), 8, 8);
    painter.drawRoundedRect(CountersRect(), 8, 8);
    painter.setBrush(look::Current().black);
    painter.drawRoundedRect(InfoRect(), 6, 6);
}

void BattleView::RenderBoard(const Battle& battle) {
    const Board& board = battle.ShownBoard();
    for (int index = 0; index < kCellCount; ++index) {
        const auto i = static_cast<std::size_t>(index);
        const int code = board[index];
        if (drawnCodes_[i] == code) {
            continue;
        }
        drawnCodes_[i] = code;
        if (code > Empty && code < static_cast<int>(cellPixmaps_.size())) {
            cells_[i]->setPixmap(cellPixmaps_[static_cast<std::size_t>(code)]);
        } else {
            cells_[i]->clear();
        }
        UpdateAccessibleName(cells_[i], BoardCellName(index, code));
    }

    if (battle.HandPointer() != handShown_) {
        handShown_ = battle.HandPointer();
        for (CellLabel* cell : cells_) {
            if (handShown_) {
                cell->setCursor(hand_);
            } else {
                cell->unsetCursor();
            }
        }
    }

    const bool markers = battle.MarkersShown();
    if (markers) {
        grow_->Place(cursor_, CellRect(battle.CursorCell()).adjusted(-1, -1, 1, 1));
        grow_->Place(turnMarker_, SideRect(battle.MarkedSide()).adjusted(-2, -2, 2, 2));
        cursor_->raise();
    }
    cursor_->setVisible(markers);
    turnMarker_->setVisible(markers);
    // Where the player has not put the frame (the pointer is elsewhere), nothing is shown of
    // what a unit would do there.
    cellMarks_->Follow(
        markers && battle.CursorChosen()
            ? CursorCellMark(battle.State(), battle.ShownBoard(), battle.CursorCell())
            : CellMark::None,
        grow_->Scaled(CellRect(battle.CursorCell())),
        cellPixmaps_[static_cast<std::size_t>(UnitCode(battle.TurnToMove()))]);
}

void BattleView::RenderSides(const Battle& battle) {
    for (int side = 0; side < 2; ++side) {
        const auto s = static_cast<std::size_t>(side);
        const QColor color = ToQColor(battle.SideColor(side));
        names_[s]->setText(battle.NameText(side));
        look::SetTextColour(names_[s], color);
        winLabels_[s]->setText(battle.WinText(side));
        look::SetTextColour(winLabels_[s], color);
        if (drawnPictures_[s] != battle.Picture(side)) {
            drawnPictures_[s] = battle.Picture(side);
            pictures_[s]->setPixmap(
                PlayerPixmap(drawnPictures_[s], ScaledLength(kPictureSize, grow_->Factor())));
        }
        UpdateAccessibleName(pictures_[s], PlayerPictureName(side, battle.NameText(side)));
    }
    roundLabel_->setText(battle.RoundText());
    areaSpaceLabel_->setText(battle.AreaSpaceText());

    if (battle.Background() != drawnBackground_) {
        drawnBackground_ = battle.Background();
        RenderBackground();
        update();
    }
}

void BattleView::RenderInfoPanel(const Battle& battle) {
    const InfoPanel& info = battle.Info();
    for (int row = 0; row < InfoPanel::kRowCount; ++row) {
        QLabel* label = infoRows_[static_cast<std::size_t>(row)];
        label->setText(info.RowText(row));
        look::SetTextColour(label, ToQColor(info.RowColor(row)));
    }
    announcer_.Follow(info);
}

void BattleView::RenderCellPixmaps() {
    for (int code = 1; code < static_cast<int>(cellPixmaps_.size()); ++code) {
        cellPixmaps_[static_cast<std::size_t>(code)] = CellPixmap(code, grow_->Factor());
    }
    for (int side = 0; side < 2; ++side) {
        sideMarks_[static_cast<std::size_t>(side)]->setPixmap(
            cellPixmaps_[static_cast<std::size_t>(UnitCode(side == 0 ? kCircleTurn : kCrossTurn))]);
    }
}

void BattleView::RenderBackground() {
    if (!look::Current().textures) {
        backgroundBrush_ = QBrush(look::Current().night);
        return;
    }
    const QString resource = drawnBackground_ == BattleBackground::Red
                                 ? QStringLiteral(":/backgrounds/red.svg")
                                 : QStringLiteral(":/backgrounds/blue.svg");
    backgroundBrush_ = QBrush(ScaledPicture(this, [&resource](qreal ratio) {
        return RenderPicture(resource, {48, 48}, ratio);
    }));
}

void BattleView::Regrow() {
    RenderCellPixmaps();
    // Every picture is drawn afresh at the new size.
    drawnCodes_.fill(-1);
    drawnPictures_.fill(0);
    if (drawn_) {
        Render(*drawn_);
    }
    update();
}

bool BattleView::InfoRowFits(const QString& row) {
    return QFontMetrics(look::FixedFont(kTextSize)).horizontalAdvance(row) <=
           InfoRowRect(0).width();
}

}  // namespace morvane

#include "moc_battle_view.cpp"
