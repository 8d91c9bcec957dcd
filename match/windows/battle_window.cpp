#include "match/windows/battle_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "match/model/game_record.h"
#include "match/model/kept_game.h"
#include "match/model/player_entry.h"
#include "match/windows/battle_view.h"
#include "match/windows/chat_panel.h"
#include "match/windows/entry_window.h"
#include "match/windows/record_window.h"
#include "match/windows/result_dialog.h"
#include "match/windows/review_window.h"
#include "shell/settings/display_scale.h"
#include "shell/windows/about_window.h"
#include "shell/windows/display_scale_choice.h"
#include "shell/windows/keys_window.h"
#include "shell/windows/language_choice.h"
#include "shell/windows/look.h"
#include "shell/windows/look_choice.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/open_dialog.h"
#include "shell/windows/rules_window.h"
#include "shell/windows/store_failure.h"
#include "shell/windows/system_info.h"
#include "shell/windows/window_place.h"

namespace morvane {

BattleWindow::BattleWindow(AppState& state, SettingsStore& store, AreaSelectFunction areaSelect,
                           BattleSeams seams, KeptGame* kept)
    : state_(state),
      store_(store),
      areaSelect_(std::move(areaSelect)),
      seams_(std::move(seams)),
      kept_(kept),
      commands_(store, kept),
      thinker_(seams_.ruleMove, seams_.search),
      battle_(state, thinker_, &BattleView::InfoRowFits),
      network_(new NetworkMatchSetup(battle_, this, seams_.hostGame, seams_.joinGame,
                                     [this] { Wake(); })),
      timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Morvaneⅲ－Battle"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    setFont(look::Font(13));

    // The view stands under the menu bar, which adds its own height to the window. Its contents
    // keep their proportions as the window grows; at the least size they fill it.
    view_ = new BattleView(seams_.sounds, this);
    view_->SetCellMarksOn(ReadViewToggle(store_, ViewToggle::CellMarks));
    view_->Motion().SetOn(ReadViewToggle(store_, ViewToggle::Motion));
    chat_ = new ChatPanel([this](const QString& line) { return network_->SendChat(line); }, this,
                          view_);
    chat_->hide();
    view_->AddStrip(chat_);
    connect(network_, &NetworkMatchSetup::chatLine, this,
            [this](bool mine, const QString& text) { chat_->AddLine(SpeakerName(mine), text); });
    menuBar_ = new BattleMenuBar(MenuActions(), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(view_);
    connect(view_, &BattleView::cellClicked, this,
            [this](int cell) { Ask([this, cell] { battle_.ClickCell(cell); }); });
    connect(view_, &BattleView::cellHovered, this,
            [this](int cell) { Ask([this, cell] { battle_.HoverCell(cell); }); });
    connect(view_, &BattleView::cellRightClicked, this,
            [this] { Ask([this] { battle_.RightClickCell(); }); });
    // Only what is drawn changes: the tick sleeps on.
    connect(view_, &BattleView::cellLeft, this, [this] {
        battle_.PointerLeft();
        Render();
    });

    connect(&battle_, &Battle::happened, view_, &BattleView::Show);
    connect(&battle_, &Battle::gameCounted, this, &BattleWindow::CountGame);
    connect(&battle_, &Battle::gameAbandoned, this, &BattleWindow::CountAbandoned);
    connect(&battle_, &Battle::playersAsked, this, &BattleWindow::AskPlayers);
    connect(&battle_, &Battle::areaAsked, this, &BattleWindow::AskArea);
    connect(&battle_, &Battle::resultAsked, this, &BattleWindow::AskResult);
    look::StyleWindow(this);
    PlaceOnShow(this);

    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(seams_.tickPeriod);
    connect(timer_, &QTimer::timeout, this, &BattleWindow::OnTick);
    Render();
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
    battle_.Tick();
    Render();
    if (battle_.QuitChosen()) {
        close();
    } else if (battle_.WaitsForInput() || battle_.Question() != BattleQuestion::None) {
        // Nothing moves while a person thinks or a question waits: no wakeups until their input
        // or the answer restarts the tick.
        timer_->stop();
    }
}

void BattleWindow::Answered() {
    Render();
    if (battle_.QuitChosen()) {
        close();
    } else {
        Wake();
    }
}

void BattleWindow::closeEvent(QCloseEvent* event) {
    // Closing ends a network match for both sides: the player is asked first, as a new game
    // asks over a game under way. A match that has ended already closes at once.
    if (battle_.IsNetworkMatch() && !battle_.QuitChosen() && !closing_) {
        bool leave = false;
        RunModal([&] {
            leave = ShowMessage(this, tr("ネットワーク対戦を終了して\n画面を閉じますか？"),
                                YesCaption(), NoCaption(), QString()) == MessageAnswer::First;
        });
        if (!leave) {
            event->ignore();
            return;
        }
    }
    timer_->stop();
    thinker_.Cancel();
    KeepGameUnderWay();
    battle_.Abandon();
    network_->Close();
    event->accept();
    if (!closing_) {
        closing_ = true;
        emit closed();
    }
}

void BattleWindow::StartNetwork(NetLink* link, std::optional<PlayerKind> local) {
    network_->Start(link, local);
    Render();
}

void BattleWindow::AskPlayers() {
    if (const std::optional<PlayerKind> local = network_->TakeToldLocal()) {
        // Told who plays here: ○ here, × on the network, and no entry to answer.
        AppState told = state_;
        SetPlayers(told, {*local, PlayerKind::Network});
        battle_.AnswerPlayers(told.players, told.computerLevel);
        return;
    }
    OpenEntry(network_->EntryOffer());
}

void BattleWindow::OpenEntry(const EntryNetwork& network) {
    OpenDialog(
        new EntryWindow(state_, store_, this, network), &battle_, [this](const EntryWindow& entry) {
            const bool networkSide = std::ranges::find(entry.players().kind, PlayerKind::Network) !=
                                     entry.players().kind.end();
            if (!networkSide) {
                network_->DropWaitingLink();
            } else if (!network_->HostAfterEntry()) {
                // Hosting was cancelled: back to the entry, with the stored choices.
                OpenEntry(network_->EntryOffer());
                return;
            }
            battle_.AnswerPlayers(entry.players(), entry.level());
            Answered();
        });
}

void BattleWindow::AskArea() {
    if (!areaSelect_) {
        battle_.AnswerArea(state_.board);
        return;
    }
    areaSelect_(this, [this, battle = QPointer<Battle>(&battle_)](const Board& terrain) {
        if (battle) {
            battle->AnswerArea(terrain);
            Answered();
        }
    });
}

void BattleWindow::AskResult(const GameResult& result) {
    auto* dialog = new ResultDialog(result, this);
    // Beside the board, so that the final position (the winning line) stays in view.
    PlaceBesideOnShow(dialog, [this] { return view_->BoardOnScreen(); });
    // The game just ended can be saved and reviewed from the dialog's context menu and keys. The
    // review is the dialog's child while the dialog is up, so that it takes input beside it, and
    // stays open with the battle screen once the choice is made.
    auto* save = new QAction(SaveThisGameText(), dialog);
    save->setObjectName(QStringLiteral("SaveFromResult"));
    save->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_S));
    connect(save, &QAction::triggered, dialog, [this, dialog] { SaveFinishedGame(dialog); });
    auto* review = new QAction(ReviewThisGameText(), dialog);
    review->setObjectName(QStringLiteral("ReviewFromResult"));
    review->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_R));
    connect(review, &QAction::triggered, dialog,
            [this, dialog] { ShowReview(dialog, *battle_.LastFinished()); });
    dialog->addActions({save, review});
    dialog->setContextMenuPolicy(Qt::ActionsContextMenu);
    OpenDialog(dialog, &battle_, [this](const ResultDialog& closed) {
        for (ReviewWindow* window :
             closed.findChildren<ReviewWindow*>(Qt::FindDirectChildrenOnly)) {
            window->setParent(this, window->windowFlags());
            window->show();
        }
        battle_.AnswerResult(closed.Choice());
        Answered();
    });
}

void BattleWindow::keyPressEvent(QKeyEvent* event) {
    if (menuBar_->TriggerShortcut(event->keyCombination())) {
        return;
    }
    // The keys the chat's field leaves are not the board's.
    if (chat_->Typing() || (event->keyCombination() == ChatPanel::kKey && chat_->TakeKeys())) {
        return;
    }
    Ask([this, key = event->key()] { battle_.PressKey(key); });
}

void BattleWindow::Ask(const std::function<void()>& request) {
    request();
    Render();
    Wake();
}

std::function<void()> BattleWindow::PauseWhileOpen() {
    // No tick runs while a window opened from the menu is up, as for the screen's other modal
    // windows.
    timer_->stop();
    return [this] { Wake(); };
}

void BattleWindow::RunModal(const std::function<void()>& open) {
    const std::function<void()> resume = PauseWhileOpen();
    open();
    resume();
}

void BattleWindow::OpenFromMenu(QDialog* window) {
    OpenDialog(window, this, [resume = PauseWhileOpen()](const QDialog&) { resume(); });
}

BattleMenuActions BattleWindow::MenuActions() {
    BattleMenuActions actions;
    actions.newGame = [this] { NewGame(); };
    actions.save = [this] { SaveGame(); };
    actions.open = [this] { OpenGameFile(); };
    actions.resume = [this] { ResumeKeptGame(); };
    actions.review = [this] { ShowReview(this, battle_.Snapshot()); };
    actions.reviewFile = [this] { ReviewGameFile(); };
    actions.saveFinished = [this] { SaveFinishedGame(this); };
    actions.reviewFinished = [this] { ShowReview(this, *battle_.LastFinished()); };
    actions.changePlayers = [this] { ChangePlayers(); };
    if (network_->Offered()) {
        actions.hostGame = [this] { HostFromMenu(); };
        actions.joinGame = [this] { JoinFromMenu(); };
    }
    actions.undo = [this] { Ask([this] { battle_.TakeBack(); }); };
    actions.redo = [this] { Ask([this] { battle_.Redo(); }); };
    actions.hint = [this] { Ask([this] { battle_.AskHint(); }); };
    actions.close = [this] { close(); };
    actions.currentScale = [this] { return ReadDisplayScale(store_); };
    actions.chooseScale = [this](int percent) {
        RunModal([this, percent] { ChooseDisplayScale(this, store_, percent); });
    };
    actions.currentLanguage = [] { return CurrentLanguage(); };
    actions.chooseLanguage = [this](Language language) {
        RunModal([this, language] { ChooseLanguage(this, store_, language); });
    };
    actions.currentLook = [] { return look::CurrentLook(); };
    actions.chooseLook = [this](Look look) {
        RunModal([this, look] { ChooseLook(this, store_, look); });
    };
    actions.viewToggleOn = [this](ViewToggle toggle) { return ReadViewToggle(store_, toggle); };
    actions.setViewToggle = [this](ViewToggle toggle, bool on) { SetViewToggle(toggle, on); };
    actions.toggleFullScreen = [this] {
        setWindowState(windowState() ^ Qt::WindowFullScreen);
        Render();
    };
    actions.rules = [this] { OpenFromMenu(new RulesWindow(this)); };
    actions.keys = [this] { OpenFromMenu(new KeysWindow(this)); };
    actions.record = [this] { OpenFromMenu(new RecordWindow(store_, this)); };
    actions.about = [this] { OpenFromMenu(new AboutWindow(this, NativeSystemInfo())); };
    return actions;
}

void BattleWindow::NewGame() {
    if (!battle_.CanStartNewGame() ||
        !MayLeaveGame(tr("対戦中のゲームを中断して\n新しいゲームを始めますか？"))) {
        return;
    }
    // A search for the game left behind has nothing more to say.
    thinker_.Cancel();
    Ask([this] { battle_.NewGame(); });
}

void BattleWindow::SetViewToggle(ViewToggle toggle, bool on) {
    switch (toggle) {
        case ViewToggle::CellMarks:
            view_->SetCellMarksOn(on);
            break;
        case ViewToggle::Motion:
            view_->Motion().SetOn(on);
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
    commands_.SaveAs(this, battle_.Snapshot(), PauseWhileOpen());
}

void BattleWindow::SaveFinishedGame(QWidget* parent) {
    if (const std::optional<SavedGame>& game = battle_.LastFinished()) {
        commands_.SaveAs(parent, *game, PauseWhileOpen());
    }
}

void BattleWindow::ChangePlayers() {
    if (!battle_.CanOpenGame() || battle_.IsNetworkMatch() ||
        !MayLeaveGame(tr("対戦中のゲームを中断して\n対戦者を変更しますか？"))) {
        return;
    }
    thinker_.Cancel();
    Ask([this] { battle_.EnterPlayersAgain(); });
}

void BattleWindow::OpenGameFile() {
    if (!battle_.CanOpenGame()) {
        return;
    }
    commands_.PickGame(this,
                       [this, resume = PauseWhileOpen()](const std::optional<SavedGame>& game) {
                           resume();
                           if (game) {
                               GoOnFrom(*game);
                           }
                       });
}

void BattleWindow::ReviewGameFile() {
    commands_.PickGame(this,
                       [this, resume = PauseWhileOpen()](const std::optional<SavedGame>& game) {
                           resume();
                           if (game) {
                               ShowReview(this, *game);
                           }
                       });
}

void BattleWindow::ResumeKeptGame() {
    if (!commands_.HasKeptGame() || !battle_.CanOpenGame()) {
        return;
    }
    std::optional<SavedGame> game;
    RunModal([&] { game = commands_.KeptGameToResume(this); });
    if (game && GoOnFrom(*game)) {
        commands_.DropKeptGame();
    }
}

bool BattleWindow::GoOnFrom(const SavedGame& game) {
    if (!MayLeaveGame(tr("対戦中のゲームを中断して\n保存したゲームを開きますか？"))) {
        return false;
    }
    thinker_.Cancel();
    Ask([&] { battle_.OpenGame(game); });
    return true;
}

void BattleWindow::StartAt(const SavedGame& game) {
    battle_.OpenGame(game);
    Render();
}

void BattleWindow::HostFromMenu() {
    if (!battle_.CanOpenGame() ||
        !MayLeaveGame(tr("対戦中のゲームを中断して\nネットワーク対戦を始めますか？"))) {
        return;
    }
    thinker_.Cancel();
    network_->HostNext();
    Ask([this] { battle_.EnterPlayersAgain(); });
}

void BattleWindow::JoinFromMenu() {
    if (!battle_.CanOpenGame() ||
        !MayLeaveGame(tr("対戦中のゲームを中断して\nネットワーク対戦を始めますか？"))) {
        return;
    }
    bool joined = false;
    RunModal([&] { joined = network_->Join(); });
    if (joined) {
        thinker_.Cancel();
        Render();
    }
}

void BattleWindow::KeepGameUnderWay() {
    // A network game cannot go on without the other side.
    if (battle_.IsNetworkMatch() || !battle_.GameUnderWay() || !battle_.CanSnapshot()) {
        return;
    }
    commands_.Keep(this, battle_.Snapshot());
}

// Counted during a tick: a failure is told without waiting for the player.
void BattleWindow::CountGame(GameEnd end, const QString& gameId) {
    TellSoonIfNotStored(
        this, store_, GameRecord(store_).Count(state_.players, state_.computerLevel, end, gameId));
    if (kept_) {
        kept_->DropIfPairing(PairingOf(state_.players, state_.computerLevel));
    }
}

void BattleWindow::CountAbandoned(const QString& gameId) {
    TellIfNotStored(
        this, store_,
        GameRecord(store_).CountAbandoned(state_.players, state_.computerLevel, gameId));
}

void BattleWindow::FollowChat() {
    const bool shown = battle_.IsNetworkMatch();
    if (chat_->isVisibleTo(this) != shown) {
        // Taken first: showing the chat may grow the window to its new least size at once.
        const int before = height();
        chat_->setVisible(shown);
        // A window that has its size grows by the chat or gives it back, the board unchanged; one
        // not shown yet takes its size from its contents, and the desktop sizes a maximised one.
        const bool sized = isVisible() || testAttribute(Qt::WA_Resized);
        if (sized && (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) == 0) {
            const int strip = chat_->minimumHeight();
            resize(width(), before + (shown ? strip : -strip));
        }
    }
    chat_->SetOpen(network_->CanChat());
}

QString BattleWindow::SpeakerName(bool mine) const {
    const auto& kinds = state_.players.kind;
    const auto remote = std::ranges::find(kinds, PlayerKind::Network);
    if (remote == kinds.end()) {
        return network_->GivenName(mine);  // the guest before the first game's terms
    }
    const auto remoteSide = static_cast<int>(remote - kinds.begin());
    return battle_.NameText(mine ? 1 - remoteSide : remoteSide);
}

void BattleWindow::Render() {
    menuBar_->Follow(battle_, commands_.HasKeptGame(), isFullScreen());
    view_->Render(battle_);
    FollowChat();
}

}  // namespace morvane

#include "moc_battle_window.cpp"
