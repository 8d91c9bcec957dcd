#include "match/windows/battle_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "assets/pictures.h"
#include "match/model/computer_log.h"
#include "match/model/game_record.h"
#include "match/model/kept_game.h"
#include "match/model/player_entry.h"
#include "match/model/searched_cell.h"
#include "match/windows/battle_link.h"
#include "match/windows/battle_widgets.h"
#include "match/windows/entry_window.h"
#include "match/windows/game_file_dialogs.h"
#include "match/windows/match_pictures.h"
#include "match/windows/record_window.h"
#include "match/windows/result_dialog.h"
#include "match/windows/review_window.h"
#include "shell/settings/display_scale.h"
#include "shell/windows/about_window.h"
#include "shell/windows/accessible_names.h"
#include "shell/windows/density_picture.h"
#include "shell/windows/display_scale_choice.h"
#include "shell/windows/growing_page.h"
#include "shell/windows/keys_window.h"
#include "shell/windows/language_choice.h"
#include "shell/windows/look.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/page_scale.h"
#include "shell/windows/rules_window.h"
#include "shell/windows/store_failure.h"
#include "shell/windows/system_info.h"
#include "shell/windows/window_place.h"

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
    look::SetTextColour(label, look::kWhite);
    return label;
}

}  // namespace

BattleWindow::BattleWindow(AppState& state, SettingsStore& store, AreaSelectFunction areaSelect,
                           BattleSeams seams, KeptGame* kept)
    : state_(state),
      store_(store),
      areaSelect_(std::move(areaSelect)),
      seams_(std::move(seams)),
      kept_(kept),
      battle_(state, *this),
      timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Morvaneⅲ－Battle"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    setFont(look::Font(kTextSize));

    // The screen's contents stand under the menu bar, which adds its own height to the window.
    // They keep their proportions as the window grows: the room under the menu bar is the stage
    // they grow on, centred on the window's background; at the least size, the window's own,
    // they fill it.
    auto* stage = new QWidget(this);
    stage->setObjectName(QStringLiteral("BattleStage"));
    area_ = new QWidget(stage);
    area_->setObjectName(QStringLiteral("BattleArea"));
    grow_ = new GrowingPage(stage, area_, QSize(kWindowWidth, kWindowHeight));
    menuBar_ = new BattleMenuBar(MenuActions(), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(stage);

    RenderBackground();
    // The pointing hand's hot spot is its fingertip.
    hand_ = MakePointer(QStringLiteral(":/pointers/hand.svg"), {32, 32}, {10, 3});
    BuildBoard();
    BuildSides();
    BuildInfoPanel();
    RenderCellPixmaps();
    effects_.emplace(cells_, cellPixmaps_, area_, seams_.sounds);
    effects_->Motion().SetOn(ReadViewToggle(store_, ViewToggle::Motion));
    grow_->Place(&effects_->Motion(), QRect(0, 0, kWindowWidth, kWindowHeight));
    connect(grow_, &GrowingPage::rescaled, this, &BattleWindow::Regrow);
    // The display scale changed (the page then grows too) or the window's density did: every
    // picture is drawn afresh for it.
    OnPictureDensityChange(this, [this] {
        RenderBackground();
        Regrow();
    });
    look::StyleWindow(this);
    PlaceOnShow(this);

    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(seams_.tickPeriod);
    connect(timer_, &QTimer::timeout, this, &BattleWindow::OnTick);
    Render();
}

void BattleWindow::BuildBoard() {
    // Nine vertical and thirteen horizontal lines frame and separate the cells.
    int line = 0;
    auto addLine = [&](const QRect& rect) {
        auto* frame = new QWidget(area_);
        frame->setObjectName(QStringLiteral("Line1_%1").arg(line++));
        grow_->Place(frame, rect);
        frame->setAutoFillBackground(true);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, look::kBattleGrid);
        frame->setPalette(palette);
    };
    for (int x = 0; x <= kColumns; ++x) {
        addLine(QRect(kMargin + x * kCellPitch, kMargin, 1, kBoardHeight));
    }
    for (int y = 0; y <= kRows; ++y) {
        addLine(QRect(kMargin, kMargin + y * kCellPitch, kBoardWidth, 1));
    }

    for (int index = 0; index < kCellCount; ++index) {
        auto* cell = new CellLabel(index, area_);
        grow_->Place(cell, CellRect(index));
        connect(cell, &CellLabel::clicked, this, [this](int i) {
            battle_.ClickCell(i);
            Render();
            Wake();
        });
        connect(cell, &CellLabel::hovered, this, [this](int i) {
            battle_.HoverCell(i);
            Render();
            Wake();
        });
        connect(cell, &CellLabel::rightClicked, this, [this] {
            battle_.RightClickCell();
            effects_->HintAsked(battle_);
            Wake();
        });
        cells_[static_cast<std::size_t>(index)] = cell;
    }

    cursor_ = new MarkerFrame(look::kBattleCursor, 3, area_);
    cursor_->setObjectName(QStringLiteral("Cur"));
    cursor_->hide();
    cellMarks_.emplace(cursor_, area_);
    cellMarks_->SetOn(ReadViewToggle(store_, ViewToggle::CellMarks));
}

void BattleWindow::BuildSides() {
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

    auto* versus = MakeLabel(QStringLiteral("Label1"), look::Font(kLargeTextSize, true), area_);
    versus->setText(tr("VS"));
    grow_->Place(versus, QRect(kSidesLeft + kSideWidth, kSideTop, kVsWidth, kSideHeight));

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

void BattleWindow::BuildInfoPanel() {
    for (int row = 0; row < InfoPanel::kRowCount; ++row) {
        auto* label = new QLabel(area_);
        label->setObjectName(QStringLiteral("InfLb_%1").arg(row));
        label->setFont(look::FixedFont(kTextSize));
        grow_->Place(label, InfoRowRect(row));
        label->setTextFormat(Qt::PlainText);
        infoRows_[static_cast<std::size_t>(row)] = label;
    }
}

void BattleWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Wake();
}

void BattleWindow::Wake() {
    if (!timer_->isActive() && !closing_) {
        timer_->start();
    }
}

void BattleWindow::OnTick() {
    // A tick that waits for a modal window lets timer events through; they must not start
    // another tick.
    if (inTick_) {
        return;
    }
    inTick_ = true;
    battle_.Tick();
    inTick_ = false;
    Render();
    if (battle_.QuitChosen() || closeRequested_) {
        close();
    } else if (battle_.WaitsForInput()) {
        // Nothing moves while a person thinks: no wakeups until their input restarts the tick.
        timer_->stop();
    }
}

void BattleWindow::closeEvent(QCloseEvent* event) {
    if (inTick_) {
        // A close asked for while a modal window is open: the window goes once the tick has
        // finished, so that nothing works on a window that is gone.
        closeRequested_ = true;
        event->ignore();
        return;
    }
    timer_->stop();
    worker_.Cancel();
    KeepGameUnderWay();
    battle_.Abandon();
    if (link_) {
        link_->Close();
    }
    DropWaitingLink();
    event->accept();
    if (!closing_) {
        closing_ = true;
        emit closed();
    }
}

void BattleWindow::keyPressEvent(QKeyEvent* event) {
    if (!menuBar_->TriggerShortcut(event->keyCombination())) {
        Ask([this, key = event->key()] { battle_.PressKey(key); });
    }
}

void BattleWindow::Ask(const std::function<void()>& request) {
    request();
    Render();
    Wake();
}

void BattleWindow::RunModal(const std::function<void()>& open) {
    // No tick runs while a window opened from the menu is up, as for the screen's other modal
    // windows.
    timer_->stop();
    open();
    Wake();
}

BattleMenuActions BattleWindow::MenuActions() {
    BattleMenuActions actions;
    actions.newGame = [this] { NewGame(); };
    actions.save = [this] { SaveGame(); };
    actions.open = [this] { OpenGameFile(); };
    actions.resume = [this] { ResumeKeptGame(); };
    actions.review = [this] { ShowReview(this, battle_.Snapshot()); };
    actions.reviewFile = [this] { ReviewGameFile(); };
    if (seams_.hostGame && seams_.joinGame) {
        actions.hostGame = [this] { HostFromMenu(); };
        actions.joinGame = [this] { JoinFromMenu(); };
    }
    actions.undo = [this] { Ask([this] { battle_.TakeBack(); }); };
    actions.redo = [this] { Ask([this] { battle_.Redo(); }); };
    actions.hint = [this] {
        Ask([this] {
            battle_.AskHint();
            effects_->HintAsked(battle_);
        });
    };
    actions.close = [this] { close(); };
    actions.currentScale = [this] { return ReadDisplayScale(store_); };
    actions.chooseScale = [this](int percent) {
        RunModal([this, percent] { ChooseDisplayScale(this, store_, percent); });
    };
    actions.currentLanguage = [] { return CurrentLanguage(); };
    actions.chooseLanguage = [this](Language language) {
        RunModal([this, language] { ChooseLanguage(this, store_, language); });
    };
    actions.viewToggleOn = [this](ViewToggle toggle) { return ReadViewToggle(store_, toggle); };
    actions.setViewToggle = [this](ViewToggle toggle, bool on) { SetViewToggle(toggle, on); };
    actions.rules = [this] { RunModal([this] { RulesWindow(this).exec(); }); };
    actions.keys = [this] { RunModal([this] { KeysWindow(this).exec(); }); };
    actions.record = [this] { RunModal([this] { RecordWindow(store_, this).exec(); }); };
    actions.about = [this] { RunModal([this] { AboutWindow(this, NativeSystemInfo()).exec(); }); };
    return actions;
}

void BattleWindow::NewGame() {
    if (!battle_.CanStartNewGame() ||
        !MayLeaveGame(tr("対戦中のゲームを中断して\n新しいゲームを始めますか？"))) {
        return;
    }
    // A search for the game left behind has nothing more to say.
    worker_.Cancel();
    Ask([this] { battle_.NewGame(); });
}

void BattleWindow::SetViewToggle(ViewToggle toggle, bool on) {
    switch (toggle) {
        case ViewToggle::CellMarks:
            cellMarks_->SetOn(on);
            break;
        case ViewToggle::Motion:
            effects_->Motion().SetOn(on);
            break;
        case ViewToggle::Sound:
            // The player reads the stored choice each time it plays.
            break;
    }
    Render();
    RunModal(
        [this, toggle, on] { TellIfNotStored(this, store_, WriteViewToggle(store_, toggle, on)); });
}

bool BattleWindow::MayLeaveGame(const QString& question) {
    if (!battle_.GameUnderWay()) {
        return true;
    }
    bool leave = false;
    RunModal([&] {
        leave = ShowMessage(this, question, YesCaption(), NoCaption(), QString()) ==
                MessageAnswer::First;
    });
    return leave;
}

void BattleWindow::SaveGame() {
    if (!battle_.CanSnapshot() || battle_.IsNetworkMatch()) {
        return;
    }
    const SavedGame game = battle_.Snapshot();
    RunModal([&] {
        const QString path = AskGameFile(this, store_, GameFileAction::Save);
        if (!path.isEmpty()) {
            SaveGameOrTell(this, path, game);
        }
    });
}

void BattleWindow::OpenGameFile() {
    if (!battle_.CanOpenGame()) {
        return;
    }
    if (const std::optional<SavedGame> game = PickGameFile()) {
        GoOnFrom(*game);
    }
}

std::optional<SavedGame> BattleWindow::PickGameFile() {
    std::optional<SavedGame> game;
    RunModal([&] {
        const QString path = AskGameFile(this, store_, GameFileAction::Open);
        if (!path.isEmpty()) {
            game = GameOrTell(this, LoadGameFile(path));
        }
    });
    return game;
}

void BattleWindow::ReviewGameFile() {
    if (const std::optional<SavedGame> game = PickGameFile()) {
        ShowReview(this, *game);
    }
}

void BattleWindow::ResumeKeptGame() {
    if (!kept_ || !kept_->Exists() || !battle_.CanOpenGame()) {
        return;
    }
    std::optional<SavedGame> game;
    RunModal([&] { game = GameOrTell(this, kept_->Load()); });
    if (!game) {
        kept_->Drop();  // nothing there to go on with
    } else if (GoOnFrom(*game)) {
        kept_->Drop();
    }
}

bool BattleWindow::GoOnFrom(const SavedGame& game) {
    if (!MayLeaveGame(tr("対戦中のゲームを中断して\n保存したゲームを開きますか？"))) {
        return false;
    }
    worker_.Cancel();
    Ask([&] { battle_.OpenGame(game); });
    return true;
}

void BattleWindow::StartAt(const SavedGame& game) {
    battle_.OpenGame(game);
    Render();
}

void BattleWindow::StartNetwork(NetLink* link, std::optional<PlayerKind> local) {
    if (link->session().role() == Peer::Host) {
        waitingLink_ = link;
        networkSide_ = 1;
        networkLocal_ = local;
    } else {
        PlayOver(link, local.value_or(PlayerKind::Mouse));
    }
}

void BattleWindow::DropWaitingLink() {
    if (waitingLink_) {
        waitingLink_->Act([](Session& session) {
            session.Quit();
            return true;
        });
        waitingLink_ = nullptr;
    }
}

void BattleWindow::PlayOver(NetLink* link, PlayerKind local) {
    if (link_) {
        link_->Close();
        link_->deleteLater();
    }
    link_ = new BattleLink(link, battle_, this, [this] { Wake(); });
    battle_.PlayNetwork(*link_, link_->role(), link_->ownName(), link_->peerName(), local);
    link_->CatchUp();
    if (link->session().state() == Session::State::Closed) {
        battle_.RemoteLeft();  // it left before the match began
    }
    Render();
}

void BattleWindow::HostFromMenu() {
    if (!battle_.CanOpenGame() ||
        !MayLeaveGame(tr("対戦中のゲームを中断して\nネットワーク対戦を始めますか？"))) {
        return;
    }
    worker_.Cancel();
    networkSide_ = 1;
    Ask([this] { battle_.EnterPlayersAgain(); });
}

void BattleWindow::JoinFromMenu() {
    if (!battle_.CanOpenGame() ||
        !MayLeaveGame(tr("対戦中のゲームを中断して\nネットワーク対戦を始めますか？"))) {
        return;
    }
    NetLink* link = nullptr;
    RunModal([&] { link = seams_.joinGame(this, this); });
    if (link) {
        worker_.Cancel();
        PlayOver(link);
        Wake();
    }
}

void BattleWindow::KeepGameUnderWay() {
    // A network game cannot go on without the other side.
    if (!kept_ || battle_.IsNetworkMatch() || !battle_.GameUnderWay() || !battle_.CanSnapshot()) {
        return;
    }
    QString error;
    if (!kept_->Keep(battle_.Snapshot(), error)) {
        ShowMessage(this, tr("対戦中のゲームを残せませんでした。\n%1").arg(error), QString(),
                    QString(), ConfirmCaption());
    }
}

void BattleWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backgroundBrush_);
    painter.translate(area_->mapTo(this, QPoint()));
    painter.scale(grow_->Factor(), grow_->Factor());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look::kBackdropEdge, 1));
    painter.setBrush(look::kBoardBackdrop);
    painter.drawRect(QRect(kMargin, kMargin, kBoardWidth, kBoardHeight).adjusted(-3, -3, 2, 2));
    painter.setBrush(look::kBackdrop);
    painter.drawRoundedRect(SideRect(0).adjusted(-2, -2, 2, 2), 8, 8);
    painter.drawRoundedRect(SideRect(1).adjusted(-2, -2, 2, 2), 8, 8);
    painter.drawRoundedRect(CountersRect(), 8, 8);
    painter.setBrush(look::kBlack);
    painter.drawRoundedRect(InfoRect(), 6, 6);
}

void BattleWindow::Render() {
    menuBar_->Follow(battle_, kept_ && kept_->Exists());
    RenderBoard();
    RenderSides();
    RenderInfoPanel();
    effects_->Follow(battle_, state_.players.kind);
}

void BattleWindow::RenderBoard() {
    const Board& board = battle_.ShownBoard();
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

    if (battle_.HandPointer() != handShown_) {
        handShown_ = battle_.HandPointer();
        for (CellLabel* cell : cells_) {
            if (handShown_) {
                cell->setCursor(hand_);
            } else {
                cell->unsetCursor();
            }
        }
    }

    const bool markers = battle_.MarkersShown();
    if (markers) {
        grow_->Place(cursor_, CellRect(battle_.CursorCell()).adjusted(-1, -1, 1, 1));
        grow_->Place(turnMarker_, SideRect(battle_.MarkedSide()).adjusted(-2, -2, 2, 2));
        cursor_->raise();
    }
    cursor_->setVisible(markers);
    turnMarker_->setVisible(markers);
    cellMarks_->Follow(
        markers ? CursorCellMark(battle_.State(), battle_.ShownBoard(), battle_.CursorCell())
                : CellMark::None,
        grow_->Scaled(CellRect(battle_.CursorCell())),
        cellPixmaps_[static_cast<std::size_t>(UnitCode(state_.turn))]);
}

void BattleWindow::RenderSides() {
    for (int side = 0; side < 2; ++side) {
        const auto s = static_cast<std::size_t>(side);
        const QColor color = ToQColor(battle_.SideColor(side));
        names_[s]->setText(battle_.NameText(side));
        look::SetTextColour(names_[s], color);
        winLabels_[s]->setText(battle_.WinText(side));
        look::SetTextColour(winLabels_[s], color);
        if (drawnPictures_[s] != battle_.Picture(side)) {
            drawnPictures_[s] = battle_.Picture(side);
            pictures_[s]->setPixmap(
                PlayerPixmap(drawnPictures_[s], ScaledLength(kPictureSize, grow_->Factor())));
        }
        UpdateAccessibleName(pictures_[s], PlayerPictureName(side, battle_.NameText(side)));
    }
    roundLabel_->setText(battle_.RoundText());
    areaSpaceLabel_->setText(battle_.AreaSpaceText());

    if (battle_.Background() != drawnBackground_) {
        drawnBackground_ = battle_.Background();
        RenderBackground();
        update();
    }
}

void BattleWindow::RenderInfoPanel() {
    const InfoPanel& info = battle_.Info();
    for (int row = 0; row < InfoPanel::kRowCount; ++row) {
        QLabel* label = infoRows_[static_cast<std::size_t>(row)];
        label->setText(info.RowText(row));
        look::SetTextColour(label, ToQColor(info.RowColor(row)));
    }
    announcer_.Follow(info);
}

void BattleWindow::EnterPlayers() {
    if (const std::optional<PlayerKind> local = std::exchange(networkLocal_, std::nullopt);
        local && waitingLink_) {
        // Told who plays here: ○ here, × on the network, and no entry to answer.
        SetPlayers(state_, {*local, PlayerKind::Network});
        networkSide_.reset();
        PlayOver(std::exchange(waitingLink_, nullptr));
        return;
    }
    EntryNetwork network{seams_.hostGame || waitingLink_,
                         std::exchange(networkSide_, std::nullopt)};
    // Until the player leaves the entry without a network side, or a guest is in.
    for (;;) {
        EntryWindow entry(state_, store_, this, network);
        entry.exec();
        if (std::ranges::find(state_.players.kind, PlayerKind::Network) ==
            state_.players.kind.end()) {
            DropWaitingLink();
            return;
        }
        NetLink* link = waitingLink_      ? waitingLink_.get()
                        : seams_.hostGame ? seams_.hostGame(this, this)
                                          : nullptr;
        waitingLink_ = nullptr;
        if (link) {
            PlayOver(link);
            return;
        }
        // Hosting was cancelled: back to the entry, with the stored choices.
        network = {static_cast<bool>(seams_.hostGame), std::nullopt};
    }
}

void BattleWindow::SelectArea() {
    if (areaSelect_) {
        areaSelect_(this);
    }
}

ResultChoice BattleWindow::ShowResult(const GameResult& result) {
    ResultDialog dialog(result, this);
    // Beside the board, so that the final position (the winning line) stays in view.
    PlaceBesideOnShow(&dialog, [this] {
        const QRect board = grow_->Scaled(QRect(kMargin, kMargin, kBoardWidth, kBoardHeight));
        return QRect(area_->mapToGlobal(board.topLeft()), board.size());
    });
    // The game just ended can be reviewed from the dialog's context menu. The review is the
    // dialog's child while the dialog is up, so that it takes input beside it, and stays open
    // with the battle screen once the choice is made.
    auto* review = new QAction(ReviewThisGameText(), &dialog);
    review->setObjectName(QStringLiteral("ReviewFromResult"));
    connect(review, &QAction::triggered, &dialog,
            [this, &dialog] { ShowReview(&dialog, battle_.Snapshot()); });
    dialog.addAction(review);
    dialog.setContextMenuPolicy(Qt::ActionsContextMenu);
    dialog.exec();
    for (ReviewWindow* window : dialog.findChildren<ReviewWindow*>(Qt::FindDirectChildrenOnly)) {
        window->setParent(this, window->windowFlags());
        window->show();
    }
    return dialog.Choice();
}

void BattleWindow::RecordGame(GameEnd end, const QString& gameId) {
    TellIfNotStored(this, store_,
                    GameRecord(store_).Count(state_.players, state_.computerLevel, end, gameId));
    if (kept_) {
        kept_->DropIfPairing(PairingOf(state_.players, state_.computerLevel));
    }
}

void BattleWindow::RecordAbandoned(const QString& gameId) {
    TellIfNotStored(
        this, store_,
        GameRecord(store_).CountAbandoned(state_.players, state_.computerLevel, gameId));
}

std::optional<int> BattleWindow::ComputerMove() {
    if (state_.computerLevel != ComputerLevel::Master) {
        return seams_.ruleMove(state_.board, state_.turn, state_.computerLevel,
                               state_.options.terrainSelect);
    }
    const std::optional<SearchResult> found = Think(SearchBudget::Time(kMasterThinkBudget));
    if (!found) {
        return std::nullopt;
    }
    return PlaceableSearchedCell(state_.board, state_.turn, found->cell);
}

std::optional<Hint> BattleWindow::FindHint() {
    const std::optional<SearchResult> found = Think(SearchBudget::Time(kHintTime));
    if (!found) {
        return std::nullopt;
    }
    return HintFrom(state_.board, state_.turn, *found);
}

std::optional<SearchResult> BattleWindow::Think(SearchBudget budget) {
    const SearchQuestion question{state_.board, state_.turn, budget};
    if (!worker_.Idle()) {
        // An answer for another position (the game moved on while it was searched) is dropped,
        // and the search starts afresh below.
        const std::optional<SearchResult> answer = worker_.TakeAnswer(question);
        if (answer) {
            qCDebug(computerLog,
                    "the search answered cell %d, score %d, depth %d, %lld nodes, in %lld ms",
                    answer->cell, answer->score, answer->depth,
                    static_cast<long long>(answer->nodes),
                    static_cast<long long>(thinking_.elapsed()));
            return answer;
        }
        if (!worker_.Idle()) {
            return std::nullopt;
        }
    }
    thinking_.start();
    worker_.Start(question, [search = seams_.search, question](SearchEngine& engine,
                                                               const std::stop_token& stop) {
        return search(engine, question.board, question.turn, question.budget, stop);
    });
    return std::nullopt;
}

bool BattleWindow::InfoRowFits(const QString& row) const {
    // Measured at the window's own size, so that the panel's rows read the same at every size.
    return QFontMetrics(look::FixedFont(kTextSize)).horizontalAdvance(row) <=
           InfoRowRect(0).width();
}

void BattleWindow::RenderCellPixmaps() {
    for (int code = 1; code < static_cast<int>(cellPixmaps_.size()); ++code) {
        cellPixmaps_[static_cast<std::size_t>(code)] = CellPixmap(code, grow_->Factor());
    }
    for (int side = 0; side < 2; ++side) {
        sideMarks_[static_cast<std::size_t>(side)]->setPixmap(
            cellPixmaps_[static_cast<std::size_t>(UnitCode(side == 0 ? kCircleTurn : kCrossTurn))]);
    }
}

void BattleWindow::RenderBackground() {
    const QString resource = drawnBackground_ == BattleBackground::Red
                                 ? QStringLiteral(":/backgrounds/red.svg")
                                 : QStringLiteral(":/backgrounds/blue.svg");
    backgroundBrush_ = QBrush(ScaledPicture(this, [&resource](qreal ratio) {
        return RenderPicture(resource, {48, 48}, ratio);
    }));
}

void BattleWindow::Regrow() {
    RenderCellPixmaps();
    // Every picture is drawn afresh at the new size.
    drawnCodes_.fill(-1);
    drawnPictures_.fill(0);
    Render();
    update();
}

}  // namespace morvane

#include "moc_battle_window.cpp"
