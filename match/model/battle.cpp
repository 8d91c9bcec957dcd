#include "match/model/battle.h"

#include <algorithm>
#include <cassert>
#include <optional>
#include <utility>
#include <vector>

#include "match/model/battle_log.h"
#include "match/model/first_player.h"
#include "match/model/game_record.h"
#include "match/model/player_entry.h"
#include "rules/cell_cursor.h"
#include "rules/line.h"
#include "shell/settings/language.h"

namespace morvane {
namespace {

// Japanese is cut into the pane's fixed rows, English into rows as wide as the window draws them.
InfoPanel PaneFor(const RowFits& rowFits) {
    if (CurrentLanguage() == Language::Japanese) {
        return InfoPanel();
    }
    return InfoPanel(rowFits);
}

bool IsWinMark(int code) { return code == CircleWin || code == CrossWin; }

// The cursor starts every game at the bottom-right cell.
constexpr int kCursorHome = kCellCount - 1;

// Win counts as the counters hold them.
std::array<std::uint8_t, 2> WinCounters(const std::array<int, 2>& wins) {
    return {static_cast<std::uint8_t>(std::clamp(wins[0], 0, kMostWins)),
            static_cast<std::uint8_t>(std::clamp(wins[1], 0, kMostWins))};
}

QString ZeroPadded(int number, int width) {
    return QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
}

QString FormatAreaSpace(int free, int startFree) {
    return Battle::tr("Area Space：%1/%2").arg(ZeroPadded(free, 2), ZeroPadded(startFree, 2));
}

// The hint's lines: the advised column, and the game's value when it is proven.
QStringList HintNote(const Hint& hint) {
    QStringList note{Battle::tr("ヒント：%1列目").arg(InterfaceNumber(CellX(hint.cell)))};
    switch (hint.value) {
        case GameValue::Win:
            note << Battle::tr("（勝ち確定）");
            break;
        case GameValue::Loss:
            note << Battle::tr("（負け確定）");
            break;
        case GameValue::Draw:
            note << Battle::tr("（引き分け）");
            break;
        case GameValue::Unknown:
            break;
    }
    return note;
}

}  // namespace

Battle::Battle(AppState& state, BattleThinker& thinker, RowFits rowFits, QObject* parent)
    : QObject(parent),
      state_(state),
      thinker_(thinker),
      rowFits_(std::move(rowFits)),
      info_(PaneFor(rowFits_)),
      paneLanguage_(CurrentLanguage()) {
    state_.roundCount = 0;
    info_.CutPage();
    info_.SetPending(tr("（ＮＯ－ＤＡＴＡ．）"));
    ShowCounters();
    // Until the first game the free space is that of the empty board the screen opens with.
    startFree_ = CountFreeCells(shownBoard_);
    areaSpaceText_ = FormatAreaSpace(startFree_, startFree_);
}

void Battle::Tick() {
    // Nothing moves while a question waits, the pane neither: it stood still while the old
    // program's modal windows were up.
    if (quitChosen_ || question_ != BattleQuestion::None) {
        return;
    }
    info_.InfoTick();
    prevState_ = curState_;
    curState_ = nextState_;
    if (curState_ != prevState_) {
        qCDebug(battleLog, "state %d -> %d", static_cast<int>(prevState_),
                static_cast<int>(curState_));
    }
    if (net_ && HearEnding()) {
        return;
    }
    Act();
}

bool Battle::WaitsForInput() const {
    const bool personWaits =
        curState_ == BattleState::WaitMouse || curState_ == BattleState::WaitKeyboard;
    return personWaits && nextState_ == curState_ && prevState_ == curState_ && aid_ == Aid::None &&
           drawnCursor_ == cursorIndex_ && info_.IsSettled();
}

void Battle::Act() {
    switch (curState_) {
        case BattleState::EnterPlayers:
            EnterPlayers();
            break;
        case BattleState::SetUpGame:
            SetUpGame();
            break;
        case BattleState::TurnStart:
            turnStartCursor_ = cursorIndex_;
            StartTurn();
            break;
        case BattleState::WaitMouse:
            ServeAid();
            break;
        case BattleState::WaitKeyboard:
            MoveCursorFrame();
            ServeAid();
            break;
        case BattleState::MoveCursor:
            StepComputerCursor();
            break;
        case BattleState::Place:
            PlaceUnit();
            break;
        case BattleState::Judge:
            Judge();
            break;
        case BattleState::GameOver:
            FinishGame();
            break;
        case BattleState::ComputerWait:
            WaitForComputer();
            break;
        case BattleState::Boot:
            break;
    }
}

void Battle::Ask(BattleQuestion question) { question_ = question; }

bool Battle::Answering(BattleQuestion question) {
    if (question_ != question) {
        return false;
    }
    question_ = BattleQuestion::None;
    return true;
}

void Battle::EnterPlayers() {
    Ask(BattleQuestion::Players);
    emit playersAsked();
}

void Battle::AnswerPlayers(const Players& players, ComputerLevel level) {
    if (!Answering(BattleQuestion::Players)) {
        return;
    }
    state_.players = players;
    state_.computerLevel = level;
    ShowPlayers();
    background_ = StrongestPlays(state_.players) ? BattleBackground::Red : BattleBackground::Blue;
    nextState_ = BattleState::SetUpGame;
}

void Battle::ShowPlayers() {
    for (int side = 0; side < 2; ++side) {
        const auto s = static_cast<std::size_t>(side);
        const PlayerKind kind = state_.players.kind[s];
        // Who is who in a network match: the names the two sides gave, or for a side that gave
        // none, who plays it.
        const QString given = !net_                         ? QString()
                              : kind == PlayerKind::Network ? net_->peerName
                                                            : net_->ownName;
        name_[s] = given.trimmed().isEmpty() ? PlayerKindLabel(kind, false) : given;
        picture_[s] = state_.players.picture[s];
    }
}

void Battle::FollowLanguage() {
    if (paneLanguage_ != CurrentLanguage()) {
        paneLanguage_ = CurrentLanguage();
        info_ = PaneFor(rowFits_);
        ShowPlayers();
    }
}

void Battle::SetUpGame() {
    if (net_ && !TermsArrived()) {
        return;  // asked again on the next tick
    }
    // The language changed during the last game: from this game on the pane and the names
    // speak the new one.
    FollowLanguage();
    info_.CutPage();
    info_.ClearPending();
    NewRound();
    ShowCounters();

    state_.board.Clear();
    history_.Clear();
    underWay_ = false;
    DrawBoard();
    info_.AddInfo(tr("Ａｒｅａ　Ｆｏｒｍａｔ　Ｐｒｏｃｅｓｓ　Ａｌｌ　Ｃｏｍｐｌｅｔｅｄ．"));
    info_.AddSeparator();
    if (net_ && net_->role == NetworkRole::Guest) {
        TakeRemoteTerms();
        DrawBoard();
    } else if (state_.options.terrainSelect == TerrainOption::On) {
        Ask(BattleQuestion::Area);
        emit areaAsked();
        return;
    }
    FinishSetUp();
}

void Battle::AnswerArea(const Board& terrain) {
    if (!Answering(BattleQuestion::Area)) {
        return;
    }
    state_.board = terrain;
    DrawBoard();
    FinishSetUp();
}

void Battle::FinishSetUp() {
    const bool guest = net_ && net_->role == NetworkRole::Guest;
    startFree_ = CountFreeCells(state_.board);
    ShowAreaSpace();
    const Board layout = state_.board;

    if (guest) {
        AnnounceFirstSide(state_.turn, info_);
    } else {
        AnnounceFirstPlayer(state_, info_);
        if (const std::optional<int> remote = RemoteSide()) {
            net_->peer->SendSetup(layout, *remote, state_.turn);
        }
    }
    info_.AddInfo(tr("Ｒｏｕｎｄ　%1．").arg(InterfaceNumber(state_.roundCount)));
    info_.AddInfo(tr("Ｓｔａｒｔｉｎｇ　Ｏｐｅｒａｔｉｏｎ！"));
    cursorIndex_ = kCursorHome;

    if (startFree_ < 1) {
        if (net_) {
            // No game began on the other side: the next one need not wait for it.
            net_->news.ready = true;
        }
        game_.reset();
        EndGame(NoBattleResult());
    } else {
        game_.emplace();
        game_->id = NewGameId();
        game_->layout = layout;
        game_->players = state_.players.kind;
        game_->pictures = state_.players.picture;
        game_->firstTurn = state_.turn;
        nextState_ = BattleState::TurnStart;
    }
}

void Battle::NewRound() {
    if (state_.roundCount >= kLastRound || state_.roundCount == 0) {
        state_.roundCount = 0;
        wins_ = {};
    }
    ++state_.roundCount;
}

void Battle::ShowCounters() {
    roundText_ = tr("Ｒｏｕｎｄ\n%1").arg(ZeroPadded(state_.roundCount, 3));
    for (std::size_t s = 0; s < wins_.size(); ++s) {
        winText_[s] = tr("Ｗｉｎ:%1").arg(ZeroPadded(wins_[s], 3));
    }
}

void Battle::StartTurn() {
    if (prevState_ == BattleState::Judge) {
        info_.CutPage();
        info_.ClearPending();
        ShowPlacePoint();
    }
    ShowTurnInfo();
    const PlayerKind kind = state_.players.kind[static_cast<std::size_t>(MoverSide())];
    if (kind == PlayerKind::Mouse) {
        nextState_ = BattleState::WaitMouse;
    } else if (kind == PlayerKind::Keyboard) {
        nextState_ = BattleState::WaitKeyboard;
    } else {
        nextState_ = BattleState::ComputerWait;
        info_.CutPage();
        info_.SetPending(tr("Ｗａｉｔ．．．"));
    }
}

void Battle::ShowPlacePoint() {
    info_.AddInfo(tr("配置ポイント"));
    info_.AddInfo(tr("：Ｘ・・・・・・・%1．").arg(InterfaceNumber(CellX(placePoint_))));
    info_.AddInfo(tr("：Ｙ・・・・・・・%1．").arg(InterfaceNumber(CellY(placePoint_))));
    info_.AddInfo(tr("（Ｉｎｄｅｘ・・・%1）").arg(InterfaceNumber(placePoint_)));
    info_.AddSeparator();
}

void Battle::ShowTurnInfo() {
    const int side = MoverSide();
    const auto s = static_cast<std::size_t>(side);
    const PlayerKind kind = state_.players.kind[s];
    info_.AddInfo(tr("Ｔｕｒｎ：%1").arg(SideMark(side)));
    sideColor_[1 - s] = kWhite;
    info_.AddSeparator();
    if (IsLocalPerson(kind)) {
        ShowOperationHelp(kind);
    }

    markedSide_ = side;
    MoveCursorFrame();
    sideColor_[s] = kCyan;
    markersShown_ = true;

    handPointer_ = kind == PlayerKind::Mouse;
    // The keyboard's frame is the player's own from the start; the pointer's only once it moves.
    cursorChosen_ = kind == PlayerKind::Keyboard;
    if (kind != PlayerKind::Mouse) {
        cursorX_ = CellX(cursorIndex_);
        cursorY_ = CellY(cursorIndex_);
    }
}

void Battle::ShowOperationHelp(PlayerKind kind) {
    info_.AddInfo(tr("Ｏｐｅｒａｔｉｏｎ："));
    info_.AddInfo(PlayerKindLabel(kind, true));
    info_.AddSeparator();
    if (kind == PlayerKind::Mouse) {
        info_.AddInfo(tr("クリック・・・・・・配置"));
    } else {
        info_.AddInfo(tr("↑↓←→・・・・□の移動"));
        info_.AddInfo(tr("Ｓｐａｃｅ・・・配置"));
        info_.AddSeparator();
        info_.AddInfo(tr("注意："));
        info_.AddInfo(
            tr("かな入力モードＯｎ時はキー反応が起きません。かな入力モードはＯｆｆにしてお"
               "いて下さい。"));
    }
}

void Battle::WaitForComputer() {
    if (!info_.IsIdle()) {
        return;
    }
    const bool remote =
        state_.players.kind[static_cast<std::size_t>(MoverSide())] == PlayerKind::Network;
    const std::optional<int> cell =
        remote ? HearRemoteTurn()
               : thinker_.ComputerMove(state_.board, state_.turn, state_.computerLevel,
                                       state_.options.terrainSelect);
    if (!cell) {
        return;  // still thinking: asked again on the next tick
    }
    placePoint_ = *cell;
    nextState_ = BattleState::MoveCursor;
}

void Battle::StepComputerCursor() {
    const int targetX = CellX(placePoint_);
    const int targetY = CellY(placePoint_);
    if (cursorY_ > targetY) {
        --cursorY_;
    } else if (cursorY_ < targetY) {
        ++cursorY_;
    }
    if (cursorX_ > targetX) {
        --cursorX_;
    } else if (cursorX_ < targetX) {
        ++cursorX_;
    }
    // The unit goes in one tick after the cursor has arrived.
    if (cursorIndex_ == placePoint_) {
        nextState_ = BattleState::Place;
    }
    cursorIndex_ = CellIndex(cursorX_, cursorY_);
    MoveCursorFrame();
}

void Battle::PlaceUnit() {
    if (!CanPlace(state_.board, placePoint_)) {
        ShowRefusal();
        DrawBoard();
        ShowAreaSpace();
        emit happened({BattleEvent::Kind::Refused});
        return;
    }
    const PlayerKind kind = state_.players.kind[static_cast<std::size_t>(MoverSide())];
    const int previousCode = state_.board[placePoint_];
    history_.Record({placePoint_, state_.board[placePoint_], state_.turn, IsLocalPerson(kind),
                     turnStartCursor_});
    state_.board[placePoint_] = UnitCode(state_.turn);
    if (net_ && kind != PlayerKind::Network) {
        net_->peer->SendMove(placePoint_);
    }
    underWay_ = true;
    nextState_ = BattleState::Judge;
    DrawBoard();
    ShowAreaSpace();
    emit happened({.kind = BattleEvent::Kind::UnitPlaced,
                   .cell = placePoint_,
                   .turn = state_.turn,
                   .intoHollow = previousCode == Hollow});
}

void Battle::ShowRefusal() {
    nextState_ = prevState_;
    info_.CutPage();
    info_.ClearPending();
    info_.AddInfo(tr("Ｅｒｒ！"));
    info_.AddSeparator();
    info_.AddInfo(tr("指定された場所には配置できません。"));
    info_.AddSeparator();
    for (const QString& line : {tr("配置可能な場所"), tr("：◇の中"), tr("：◇，○，×，■の上"),
                                tr("：最下面（底の部分）")}) {
        info_.AddInfo(line);
    }
    info_.AddSeparator();
    ShowTurnInfo();
}

void Battle::Judge() {
    const Outcome outcome = JudgePlacement(state_.board, placePoint_);
    if (const std::optional<GameEnd> end = EndOf(outcome, state_.turn)) {
        game_->end = end;
        emit gameCounted(*end, game_->id);
    }
    switch (outcome) {
        case Outcome::Win:
            DrawBoard();
            AnnounceWin(MoverSide());
            EndWithWin(MoverSide());
            break;
        case Outcome::Draw:
            DrawBoard();
            emit happened({BattleEvent::Kind::Drawn});
            EndGame(DrawResult());
            break;
        case Outcome::Continue:
            state_.turn = -state_.turn;
            nextState_ = BattleState::TurnStart;
            break;
    }
}

void Battle::AnnounceWin(int side) {
    const auto& kinds = state_.players.kind;
    const bool personLost = !IsLocalPerson(kinds[static_cast<std::size_t>(side)]) &&
                            IsLocalPerson(kinds[static_cast<std::size_t>(1 - side)]);
    BattleEvent end{personLost ? BattleEvent::Kind::Lost : BattleEvent::Kind::Won};
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (IsWinMark(shownBoard_[cell])) {
            end.line.push_back(cell);
        }
    }
    emit happened(end);
}

void Battle::EndWithWin(int side) {
    auto& wins = wins_[static_cast<std::size_t>(side)];
    wins = static_cast<std::uint8_t>(std::min(wins + 1, kMostWins));
    EndGame(WinResult(side));
}

void Battle::EndGame(GameResult result) {
    underWay_ = false;
    if (game_) {
        lastFinished_ = Record();
    }
    result_ = std::move(result);
    nextState_ = BattleState::GameOver;
}

void Battle::FinishGame() {
    Ask(BattleQuestion::Result);
    emit resultAsked(result_);
}

void Battle::AnswerResult(ResultChoice choice) {
    if (!Answering(BattleQuestion::Result)) {
        return;
    }
    switch (choice) {
        case ResultChoice::NextBattle:
            if (net_) {
                net_->peer->SendNext();
            }
            nextState_ = BattleState::SetUpGame;
            break;
        case ResultChoice::ReEntry:
            // Choosing the players again ends a network match.
            if (net_) {
                net_->peer->SendQuit();
                net_.reset();
            }
            nextState_ = BattleState::EnterPlayers;
            break;
        case ResultChoice::Quit:
            quitChosen_ = true;
            break;
    }
}

bool Battle::AcceptsInput(BattleState waiting) const {
    return curState_ == waiting && aid_ == Aid::None;
}

void Battle::ClickCell(int index) {
    if (!AcceptsInput(BattleState::WaitMouse)) {
        return;
    }
    placePoint_ = index;
    nextState_ = BattleState::Place;
}

void Battle::HoverCell(int index) {
    if (!AcceptsInput(BattleState::WaitMouse)) {
        return;
    }
    cursorIndex_ = index;
    cursorChosen_ = true;
    MoveCursorFrame();
}

void Battle::PointerLeft() {
    if (AcceptsInput(BattleState::WaitMouse)) {
        cursorChosen_ = false;
    }
}

void Battle::PressKey(int key) {
    if (key >= Qt::Key_1 && key < Qt::Key_1 + kColumns) {
        PressColumn(key - Qt::Key_0);
        return;
    }
    const bool places = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (places && AcceptsInput(BattleState::WaitMouse) && cursorChosen_) {
        placePoint_ = cursorIndex_;
        nextState_ = BattleState::Place;
        return;
    }
    if (!AcceptsInput(BattleState::WaitKeyboard)) {
        return;
    }
    std::optional<CursorStep> step;
    switch (key) {
        case Qt::Key_Up:
            step = CursorStep::Up;
            break;
        case Qt::Key_Down:
            step = CursorStep::Down;
            break;
        case Qt::Key_Left:
            step = CursorStep::Left;
            break;
        case Qt::Key_Right:
            step = CursorStep::Right;
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            placePoint_ = cursorIndex_;
            nextState_ = BattleState::Place;
            break;
        default:
            break;
    }
    if (step) {
        const int cell = StepCursor(CellIndex(cursorX_, cursorY_), *step);
        cursorX_ = CellX(cell);
        cursorY_ = CellY(cell);
    }
    cursorIndex_ = CellIndex(cursorX_, cursorY_);
    MoveCursorFrame();
}

void Battle::PressColumn(int column) {
    if (!AcceptsInput(BattleState::WaitMouse) && !AcceptsInput(BattleState::WaitKeyboard)) {
        return;
    }
    // From the bottom up, the cells of the column a unit can go into; the one after the frame's
    // when the frame stands in the column already, else the lowest.
    std::vector<int> free;
    for (int y = kRows; y >= 1; --y) {
        if (CanPlace(state_.board, CellIndex(column, y))) {
            free.push_back(CellIndex(column, y));
        }
    }
    if (free.empty()) {
        return;
    }
    const auto here = std::ranges::find(free, cursorIndex_);
    const bool next = cursorChosen_ && here != free.end() && here + 1 != free.end();
    cursorIndex_ = next ? *(here + 1) : free.front();
    cursorX_ = CellX(cursorIndex_);
    cursorY_ = CellY(cursorIndex_);
    cursorChosen_ = true;
    MoveCursorFrame();
}

void Battle::AskHint() { AskFor(Aid::Hint); }

void Battle::RightClickCell() {
    if (curState_ == BattleState::WaitMouse) {
        AskHint();
    }
}

void Battle::TakeBack() { AskFor(Aid::TakeBack); }

void Battle::Redo() { AskFor(Aid::Redo); }

bool Battle::TakesAid() const {
    // Not over a placement already asked for: the turn must still be waiting.
    return (AcceptsInput(BattleState::WaitMouse) || AcceptsInput(BattleState::WaitKeyboard)) &&
           nextState_ == curState_;
}

void Battle::AskFor(Aid aid) {
    if (TakesAid()) {
        aid_ = aid;
    }
}

bool Battle::CanStartNewGame() const { return !quitChosen_ && !net_ && TurnGoesOn(); }

bool Battle::TurnGoesOn() const {
    switch (nextState_) {
        case BattleState::TurnStart:
        case BattleState::WaitMouse:
        case BattleState::WaitKeyboard:
        case BattleState::MoveCursor:
        case BattleState::ComputerWait:
            return true;
        default:
            return false;
    }
}

void Battle::NewGame() {
    if (!CanStartNewGame()) {
        return;
    }
    Abandon();
    aid_ = Aid::None;
    nextState_ = BattleState::SetUpGame;
}

void Battle::Abandon() {
    if (!underWay_) {
        return;
    }
    underWay_ = false;
    // A game the people here never played in is not theirs to have left: the computer's
    // opening move before the player went on to something else (another game, a network game)
    // counts nothing. Between two computers any unit makes it a game.
    const bool peoplePlay = std::ranges::any_of(state_.players.kind, IsLocalPerson);
    const bool peopleMoved = std::ranges::any_of(history_.Units(), &PlacedUnit::byPerson);
    if (!peoplePlay || peopleMoved) {
        emit gameAbandoned(game_ ? game_->id : QString());
    }
}

bool Battle::CanSnapshot() const { return game_ && nextState_ != BattleState::Judge; }

SavedGame Battle::Snapshot() const {
    assert(CanSnapshot());
    return Record();
}

SavedGame Battle::Record() const {
    SavedGame game = *game_;
    for (const PlacedUnit& unit : history_.Units()) {
        game.moves.push_back(unit.cell);
    }
    game.round = state_.roundCount;
    game.wins = {wins_[0], wins_[1]};
    return game;
}

bool Battle::CanOpenGame() const {
    return (curState_ == BattleState::Boot && !quitChosen_ && !net_) || CanStartNewGame();
}

void Battle::EnterPlayersAgain() {
    if (!CanOpenGame()) {
        return;
    }
    Abandon();
    aid_ = Aid::None;
    nextState_ = BattleState::EnterPlayers;
}

void Battle::OpenGame(const SavedGame& game) {
    if (!CanOpenGame()) {
        return;
    }
    Abandon();
    aid_ = Aid::None;
    state_.players = {game.players, game.pictures};
    state_.computerLevel = PlayingLevel(game.players, state_.computerLevel);
    FollowLanguage();
    ShowPlayers();
    background_ = StrongestPlays(state_.players) ? BattleBackground::Red : BattleBackground::Blue;
    state_.roundCount = game.round;
    state_.lastFirst = game.firstTurn;
    // The counters show the wins before this game, as they did while it was played; a win
    // that ended it counts from the next game on.
    std::array<int, 2> winsBefore = game.wins;
    if (game.end && *game.end != GameEnd::Draw) {
        --winsBefore[*game.end == GameEnd::CircleWins ? 0 : 1];
    }
    wins_ = WinCounters(winsBefore);
    ShowCounters();
    wins_ = WinCounters(game.wins);

    ReplayMoves(game);
    game_ = game;
    game_->moves.clear();
    if (game_->id.isEmpty()) {
        game_->id = NewGameId();  // a file written before games had ids
    }
    startFree_ = CountFreeCells(game.layout);
    ShowAreaSpace();

    info_.CutPage();
    info_.ClearPending();
    info_.AddInfo(tr("Ｇａｍｅ　Ｌｏａｄ　Ｃｏｍｐｌｅｔｅｄ．"));
    info_.AddSeparator();
    info_.AddInfo(tr("Ｒｏｕｎｄ　%1．").arg(InterfaceNumber(state_.roundCount)));
    info_.AddSeparator();
    if (game.moves.empty()) {
        cursorIndex_ = kCursorHome;
    } else {
        placePoint_ = cursorIndex_ = game.moves.back();
        ShowPlacePoint();
    }
    turnStartCursor_ = cursorIndex_;

    if (game.end) {
        // The last unit placed ended the game: its mover's win, or the draw.
        state_.turn = -state_.turn;
        JudgePlacement(state_.board, placePoint_);
        DrawBoard();
        if (*game.end != GameEnd::Draw) {
            AnnounceWin(*game.end == GameEnd::CircleWins ? 0 : 1);
        }
        EndGame(*game.end == GameEnd::Draw ? DrawResult()
                                           : WinResult(*game.end == GameEnd::CircleWins ? 0 : 1));
    } else {
        DrawBoard();
        underWay_ = !game.moves.empty();
        nextState_ = BattleState::TurnStart;
    }
}

void Battle::ReplayMoves(const SavedGame& game) {
    state_.board = game.layout;
    state_.turn = game.firstTurn;
    history_.Clear();
    int turnStartCursor = kCursorHome;
    for (const int cell : game.moves) {
        assert(CanPlace(state_.board, cell));
        const bool byPerson = IsLocalPerson(game.players[static_cast<std::size_t>(MoverSide())]);
        history_.Record({cell, state_.board[cell], state_.turn, byPerson, turnStartCursor});
        state_.board[cell] = UnitCode(state_.turn);
        state_.turn = -state_.turn;
        turnStartCursor = cell;
    }
}

void Battle::ServeAid() {
    switch (aid_) {
        case Aid::Hint: {
            const std::optional<Hint> hint = thinker_.FindHint(state_.board, state_.turn);
            if (!hint) {
                return;  // still searching: the aid stays pending, so input stays ignored
            }
            ShowHint(*hint);
            break;
        }
        case Aid::TakeBack:
            if (net_) {
                if (!ServeRemoteTakeBack()) {
                    return;  // the other side's answer is awaited: input stays ignored
                }
            } else {
                TakeBackUnits();
            }
            break;
        case Aid::Redo:
            ReplayUnits();
            break;
        case Aid::None:
            break;
    }
    aid_ = Aid::None;
}

void Battle::ShowHint(const Hint& hint) {
    cursorIndex_ = hint.cell;
    RestartTurnWith(HintNote(hint));
    // The frame stands where the computer advises: Space or Enter takes the advice.
    cursorChosen_ = true;
    emit happened({BattleEvent::Kind::HintArrived});
}

void Battle::TakeBackUnits() { ShowTakenBack(history_.TakeBackToPerson(state_.board)); }

void Battle::ShowTakenBack(const std::vector<PlacedUnit>& taken) {
    if (taken.empty()) {
        return;  // no person has placed a unit in this game yet
    }
    // The turn, the board and the cursor go back to when that side's turn began.
    state_.turn = taken.back().turn;
    cursorIndex_ = turnStartCursor_ = taken.back().turnStartCursor;
    DrawBoard();
    ShowAreaSpace();
    const int count = static_cast<int>(taken.size());
    RestartTurnWith({tr("%1手戻しました", nullptr, count).arg(InterfaceNumber(count))});
}

void Battle::ReplayUnits() {
    const std::vector<PlacedUnit> replayed = history_.Replay(state_.board);
    if (replayed.empty()) {
        return;
    }
    // The turn goes to the side after the last unit replayed, the cursor where it was placed.
    state_.turn = -replayed.back().turn;
    placePoint_ = replayed.back().cell;
    cursorIndex_ = turnStartCursor_ = placePoint_;
    DrawBoard();
    ShowAreaSpace();
    const int count = static_cast<int>(replayed.size());
    RestartTurnWith({tr("%1手進めました", nullptr, count).arg(InterfaceNumber(count))});
    for (const PlacedUnit& unit : replayed) {
        emit happened({.kind = BattleEvent::Kind::UnitPlaced,
                       .cell = unit.cell,
                       .turn = unit.turn,
                       .intoHollow = unit.previousCode == Hollow});
    }
}

// The page starts again with the turn's own help (which also moves the cursor frame), the aid's
// note below it, so that the note stays in view after the pane has scrolled.
void Battle::RestartTurnWith(const QStringList& note) {
    info_.CutPage();
    info_.ClearPending();
    StartTurn();
    if (nextState_ == BattleState::ComputerWait) {
        // The other side's turn shows only that it waits, a text of no row of its own: the note
        // goes above it, each in a row.
        info_.ClearPending();
        for (const QString& line : note) {
            info_.AddInfo(line);
        }
        info_.AddSeparator();
        info_.AddInfo(tr("Ｗａｉｔ．．．"));
        return;
    }
    info_.AddSeparator();
    for (const QString& line : note) {
        info_.AddInfo(line);
    }
}

void Battle::MoveCursorFrame() { drawnCursor_ = cursorIndex_; }

void Battle::DrawBoard() { shownBoard_ = state_.board; }

void Battle::ShowAreaSpace() {
    areaSpaceText_ = FormatAreaSpace(CountFreeCells(state_.board), startFree_);
}

}  // namespace morvane
