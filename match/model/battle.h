#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "match/model/battle_event.h"
#include "match/model/battle_thinker.h"
#include "match/model/game_result.h"
#include "match/model/hint.h"
#include "match/model/info_panel.h"
#include "match/model/match_state.h"
#include "match/model/move_history.h"
#include "match/model/remote_peer.h"
#include "match/model/rgb.h"
#include "match/model/saved_game.h"
#include "rules/board.h"
#include "shell/settings/language.h"

namespace morvane {

// The state the battle screen's tick acts on. No underlying type is named: Qt 6.8's lupdate
// reads one as the end of what it understands of the file and loses the Battle class below, whose
// texts it then files under another context.
enum class BattleState {
    TurnStart = 0,
    WaitMouse = 1,
    WaitKeyboard = 2,
    MoveCursor = 3,
    Place = 4,
    Judge = 5,
    GameOver = 6,
    ComputerWait = 7,
    SetUpGame = 99,
    EnterPlayers = 100,
    Boot = 255,
};

// A question the battle waits on: its ticks do nothing until the question is answered.
enum class BattleQuestion {
    None,
    Players,      // who plays: AnswerPlayers
    Area,         // the terrain of the game being set up: AnswerArea
    Result,       // what follows the game's result: AnswerResult
    PeerUndo,     // whether the other side may take back its last move: AnswerPeerUndo
    PeerLeft,     // the other side left; who plays its side now: AnswerPeerLeft
    PeerInvalid,  // the other side sent something the protocol refuses: AnswerPeerInvalid
};

// Whether a text fits one row of the info panel as the window draws it.
using RowFits = std::function<bool(const QString& row)>;

// The window background.
enum class BattleBackground { Blue, Red };

// The battle screen's turn loop: a state machine advanced one step per timer tick. Input only
// records a request that the next tick acts on; the board changes only inside ticks and answers.
// The window draws what this reports (the board as last drawn, the labels, the cursor, the pane),
// marks what it emits as having happened, and answers the questions it asks: a question's signal
// says what is asked, and the ticks wait until its Answer call, which may come at once or after a
// window has closed.
class Battle : public QObject {
    Q_OBJECT

public:
    // The screen has opened: the round count starts again from 0. The rows of the English pane
    // are cut where rowFits says; Japanese fills rows of a fixed twelve characters.
    Battle(AppState& state, BattleThinker& thinker, RowFits rowFits, QObject* parent = nullptr);

    void Tick();

    // The question waiting for its answer, if any.
    BattleQuestion Question() const { return question_; }
    // The answers; each acts only while its question waits.
    // The players the entry left and the strength of every computer side.
    void AnswerPlayers(const Players& players, ComputerLevel level);
    // The terrain the game is played on.
    void AnswerArea(const Board& terrain);
    void AnswerResult(ResultChoice choice);
    void AnswerPeerUndo(bool allow);
    // The strength that plays the other side from now on, or nothing to end the match.
    void AnswerPeerLeft(std::optional<ComputerLevel> level);
    // The person has been told; the match ends.
    void AnswerPeerInvalid();

    // A cell was clicked, or the pointer moved over it (acted on only in a mouse turn).
    void ClickCell(int index);
    void HoverCell(int index);
    // A key was pressed (a Qt::Key). The arrows move the cursor frame and Space or Enter places
    // in a keyboard turn; keys 1 to 8 move the frame in either person's turn to the lowest cell
    // of that column where a unit can go, pressed again to the next one up, after which Space or
    // Enter places in a mouse turn too.
    void PressKey(int key);
    // The pointer has left the board: in a mouse turn the frame no longer shows where it points.
    void PointerLeft();
    // The person to move has put the cursor frame where it stands this turn (by the pointer or
    // the keys): what a unit would do there may be shown.
    bool CursorChosen() const { return cursorChosen_; }

    // Player aids, asked for in a person's turn and served by the next tick (a hint by the tick
    // that finds its search finished); ignored in any other state, after a placement was asked
    // for, and while an aid is still waiting to be served. Input for the turn is ignored
    // meanwhile. A hint moves the cursor frame onto the cell the computer advises and says so in
    // the pane; nothing else changes.
    void AskHint();
    // A right click on the board: a hint, in a mouse player's turn only.
    void RightClickCell();
    // Takes back the units placed since the person to move last had a turn: their own unit and
    // the computer's reply, or one unit when people play both sides.
    void TakeBack();
    // Places again what the latest take-back took, until a new unit is placed.
    void Redo();

    // Whether each aid would be acted on if asked for now.
    bool CanHint() const { return TakesAid(); }
    bool CanTakeBack() const { return TakesAid() && history_.CanTakeBack(); }
    // Nothing is replayed in a network match: the other side agreed to the take-back only.
    bool CanRedo() const { return !net_ && TakesAid() && history_.CanReplay(); }

    // A unit has been placed in the game and the game has not ended: leaving it abandons it.
    bool GameUnderWay() const { return underWay_; }
    // Whether NewGame() would act now: while a turn goes on, with no placement asked for, and
    // not in a network match, whose games the host sets up when both sides are ready.
    bool CanStartNewGame() const;
    // Leaves the game: the record counts it as abandoned when it was under way, and the next
    // game is set up as after the result dialog's Next Battle.
    void NewGame();
    // The screen is closing: a game under way counts as abandoned.
    void Abandon();

    // A game has been set up with a free cell to play, and no placement waits for its judgment:
    // Snapshot() can say what the game is, under way or just ended.
    bool CanSnapshot() const;
    // The game under way or just ended as a file keeps it: the board it started from, its
    // players, the units that stand in the order placed, and the counters as they stand.
    SavedGame Snapshot() const;
    // The game that ended last, as it ended, kept until the next game ends (nothing before one
    // has ended on this screen).
    const std::optional<SavedGame>& LastFinished() const { return lastFinished_; }
    // Whether OpenGame() would act now: before the first tick, or while a turn goes on, and not
    // in a network match.
    bool CanOpenGame() const;
    // Goes on from a saved game, one that ReadSavedGame accepts, instead of the game under way
    // (counted as abandoned when it was under way): its players, pictures and counters, the
    // board after its moves and the side to move. A finished game shows its final board and the
    // result dialog, counted already and not again.
    void OpenGame(const SavedGame& game);

    // Leaves the game under way (counted as abandoned when it was under way) for the player
    // entry; acts when OpenGame() would.
    void EnterPlayersAgain();

    // Makes this a network match with the other side behind peer, which outlives the match; the
    // names are this side's and the other side's. The host calls it once the entry has left the
    // players, one side PlayerKind::Network; the guest, whose game under way is left, then waits
    // for the host's terms. In a network match a remote side's turn waits for its move as a
    // computer's does; this side's units go out as they are placed; a take-back is a request the
    // other side answers; the next game waits for both; a side that leaves can be handed to the
    // computer.
    // The guest's side is played by local (the mouse unless told otherwise).
    void PlayNetwork(RemotePeer& peer, NetworkRole role, const QString& ownName,
                     const QString& peerName, PlayerKind local = PlayerKind::Mouse);
    bool IsNetworkMatch() const { return net_.has_value(); }
    // News from the other side, checked already by the protocol; the next ticks act on it.
    void RemoteMoved(int cell);
    void RemoteAskedUndo();
    void RemoteAnsweredUndo(bool accepted);
    void RemoteResigned();
    void RemoteReady();
    void RemoteSetUp(const Board& terrain, int localSide, Turn first);
    void RemoteLeft();
    void RemoteInvalid();

    BattleState State() const { return curState_; }
    // A person's turn is waiting and the info panel has nothing left to show: ticks change
    // nothing until input arrives, so the window may stop ticking.
    bool WaitsForInput() const;
    // Quit was chosen: the screen is to close; ticks do nothing more.
    bool QuitChosen() const { return quitChosen_; }

    const InfoPanel& Info() const { return info_; }
    // The board as last drawn: trial units and placements not yet drawn never show.
    const Board& ShownBoard() const { return shownBoard_; }
    // The cell the cursor frame is drawn over; meaningful while the markers are shown.
    int CursorCell() const { return drawnCursor_; }
    // The cursor frame and the turn marker, hidden until the first turn.
    bool MarkersShown() const { return markersShown_; }
    // The side to move, or that moved last once the game is over.
    Turn TurnToMove() const { return state_.turn; }
    // The side whose panel the turn marker frames.
    int MarkedSide() const { return markedSide_; }
    // Whether the cells show the pointing hand (a mouse player's turn).
    bool HandPointer() const { return handPointer_; }

    const QString& NameText(int side) const { return name_.at(static_cast<std::size_t>(side)); }
    Rgb SideColor(int side) const { return sideColor_.at(static_cast<std::size_t>(side)); }
    const QString& WinText(int side) const { return winText_.at(static_cast<std::size_t>(side)); }
    int Wins(int side) const { return wins_.at(static_cast<std::size_t>(side)); }
    const QString& RoundText() const { return roundText_; }
    const QString& AreaSpaceText() const { return areaSpaceText_; }
    BattleBackground Background() const { return background_; }
    // Player pictures 1..10 of side ○ and side × (0 before the entry).
    int Picture(int side) const { return picture_.at(static_cast<std::size_t>(side)); }

signals:
    // A unit placed, a placement refused, the game's end, a hint shown.
    void happened(const morvane::BattleEvent& event);
    // A game has been won or drawn: the record of games counts it. The id tells the game apart
    // from every other (SavedGame::id), so that a game resumed or opened again counts once.
    void gameCounted(morvane::GameEnd end, const QString& gameId);
    // A game was left before its end: the record counts it as abandoned.
    void gameAbandoned(const QString& gameId);

    // The questions (see BattleQuestion): each waits for its answer.
    void playersAsked();
    void areaAsked();
    void resultAsked(const morvane::GameResult& result);
    void peerUndoAsked();
    // Without a side to hand over (no game set up yet), only ending is to be offered.
    void peerLeftAsked(bool canHandOver);
    void peerInvalidTold();

private:
    // A player aid asked for and not yet served.
    enum class Aid { None, Hint, TakeBack, Redo };

    void Act();
    void AskFor(Aid aid);
    void ServeAid();
    void ShowHint(const Hint& hint);
    void TakeBackUnits();
    void ReplayUnits();
    // An aid asked for now would be served: a person's turn waits, with nothing else asked for.
    bool TakesAid() const;
    void RestartTurnWith(const QStringList& note);
    // Input for a person's turn counts: that turn waits, with no aid being served.
    bool AcceptsInput(BattleState waiting) const;
    void EnterPlayers();
    // The players' names and pictures, as the entry left them.
    void ShowPlayers();
    void SetUpGame();
    // The game's setup once its terrain is on the board.
    void FinishSetUp();
    // Waits for the question's answer; false when it is not the one waiting.
    void Ask(BattleQuestion question);
    bool Answering(BattleQuestion question);
    // The winning line as drawn: the person here won, or lost to the computer or the network.
    void AnnounceWin(int side);
    void StartTurn();
    void WaitForComputer();
    void PlaceUnit();
    void ShowRefusal();
    void Judge();
    void FinishGame();

    void NewRound();
    void ShowCounters();
    void ShowPlacePoint();
    void ShowTurnInfo();
    void ShowOperationHelp(PlayerKind kind);
    void MoveCursorFrame();
    void StepComputerCursor();
    // Keys 1 to 8: the frame to the column's lowest free cell, then each one above in turn.
    void PressColumn(int column);
    // The game as it stands, whether or not a placement waits for its judgment.
    SavedGame Record() const;
    void DrawBoard();
    void ShowAreaSpace();
    void EndGame(GameResult result);
    // The side has won the game: its counter counts it.
    void EndWithWin(int side);
    // The board, the turn and the cursor as they were before these units, latest first.
    void ShowTakenBack(const std::vector<PlacedUnit>& taken);
    // A turn goes on: neither a placement nor the game's end waits for the next tick.
    bool TurnGoesOn() const;

    // The network match's part of a tick (battle_network.cpp). Acts on the other side leaving
    // or resigning; true when that took the tick.
    bool HearEnding();
    // The remote side's move once it came, after acting on its request to take back.
    std::optional<int> HearRemoteTurn();
    // Serves this side's take-back request; false while its answer is awaited.
    bool ServeRemoteTakeBack();
    // Whether the next game may be set up: the host's terms, or the guest being ready, came.
    bool TermsArrived();
    // The guest's game as the host's terms say: its players, its terrain, its first side.
    void TakeRemoteTerms();
    // The computer plays the remote side from now on, at level: the match is a local one.
    void HandOver(ComputerLevel level);
    // The match ends with the other side gone: the screen is to close.
    void EndNetworkMatch();
    // The side the other side of the network plays, if one does.
    std::optional<int> RemoteSide() const;
    // The pane and the names are made for the interface's language, when it changed.
    void FollowLanguage();
    // Places the saved game's moves on its layout, as the turn loop would have placed them.
    void ReplayMoves(const SavedGame& game);
    int MoverSide() const { return SideNumber(state_.turn); }

    AppState& state_;
    BattleThinker& thinker_;
    RowFits rowFits_;
    InfoPanel info_;
    Language paneLanguage_;  // the language the pane was made for

    BattleState curState_ = BattleState::Boot;
    BattleState nextState_ = BattleState::EnterPlayers;
    BattleState prevState_ = BattleState::Boot;
    bool quitChosen_ = false;
    BattleQuestion question_ = BattleQuestion::None;

    Aid aid_ = Aid::None;
    MoveHistory history_;  // the game's placements, for taking them back
    // The game set up last, as a file keeps it, but for the moves and the counters, which are
    // read as they stand; nothing before the first game and for a game with no free cell.
    std::optional<SavedGame> game_;
    std::optional<SavedGame> lastFinished_;
    std::optional<NetworkMatch> net_;
    bool underWay_ = false;
    int turnStartCursor_ = kCellCount - 1;  // the cursor cell when the turn began
    bool cursorChosen_ = false;

    int placePoint_ = 0;
    int cursorIndex_ = kCellCount - 1;
    int drawnCursor_ = -1;
    int cursorX_ = kColumns;
    int cursorY_ = kRows;
    int startFree_ = 0;
    std::array<std::uint8_t, 2> wins_{};
    GameResult result_;

    Board shownBoard_;
    bool markersShown_ = false;
    int markedSide_ = 0;
    bool handPointer_ = false;
    std::array<QString, 2> name_{};
    std::array<Rgb, 2> sideColor_{kWhite, kWhite};
    std::array<QString, 2> winText_{};
    std::array<int, 2> picture_{};
    QString roundText_;
    QString areaSpaceText_;
    BattleBackground background_ = BattleBackground::Blue;
};

}  // namespace morvane
