#include "net/protocol/session.h"

#include "net/protocol/handshake.h"
#include "net/protocol/net_log.h"
#include "rules/line.h"

namespace morvane {

namespace {

constexpr qint64 kRateWindowMs = 1'000;

std::size_t PeerIndex(Peer peer) { return peer == Peer::Host ? 0 : 1; }

Turn TurnOfSide(int side) { return side == 0 ? kCircleTurn : kCrossTurn; }

}  // namespace

Session::Session(Peer role, const QString& joinCode, const QString& name, const QString& appVersion,
                 qint64 nowMs)
    : role_(role),
      appVersion_(appVersion),
      ownName_(CleanName(name)),
      exchange_(role, ReadJoinCode(joinCode).value_or(joinCode)),
      startedMs_(nowMs),
      lastReceivedMs_(nowMs),
      lastHeartbeatMs_(nowMs),
      rateWindowMs_(nowMs) {
    Message hello;
    hello.type = MessageType::Hello;
    hello.protoMajor = kProtocolMajor;
    hello.protoMinor = kProtocolMinor;
    hello.app = appVersion;
    hello.nonce = exchange_.ownNonce();
    Send(hello);
}

void Session::Receive(QByteArrayView bytes, qint64 nowMs) {
    if (state_ == State::Closed || connection_ == Connection::Cut) {
        return;
    }
    if (reader_.pendingBytes() + bytes.size() > kMaxBufferedBytes) {
        Violation(QStringLiteral("more than %1 bytes waiting").arg(kMaxBufferedBytes));
        return;
    }
    const QList<QByteArray> payloads = reader_.Feed(bytes);
    for (const QByteArray& payload : payloads) {
        // A resume attempt turned away hears nothing more on its connection.
        if (state_ == State::Closed || connection_ == Connection::Cut) {
            return;
        }
        if (nowMs - rateWindowMs_ >= kRateWindowMs) {
            rateWindowMs_ = nowMs;
            messagesInWindow_ = 0;
        }
        if (++messagesInWindow_ > kMaxMessagesPerSecond) {
            Violation(
                QStringLiteral("more than %1 messages in a second").arg(kMaxMessagesPerSecond));
            return;
        }
        lastReceivedMs_ = nowMs;
        const std::optional<Message> message = Read(payload);
        if (!message) {
            return;
        }
        Handle(*message);
    }
    if (reader_.broken() && state_ != State::Closed && connection_ != Connection::Cut) {
        Violation(reader_.error());
    }
}

void Session::Tick(qint64 nowMs) {
    if (state_ == State::Closed) {
        return;
    }
    if (connection_ != Connection::Live) {
        TickResume(nowMs);
        return;
    }
    if (state_ == State::Handshake && nowMs - startedMs_ >= kHandshakeTimeoutMs) {
        qCWarning(netLog) << "the handshake did not finish within" << kHandshakeTimeoutMs << "ms";
        SendBye(kByeTimeout);
        Emit({SessionEvent::Kind::TimedOut});
        Close();
        return;
    }
    if (nowMs - lastReceivedMs_ >= kSilenceLimitMs) {
        qCWarning(netLog) << "the other side has been silent for" << nowMs - lastReceivedMs_
                          << "ms";
        LoseConnection(nowMs);
        return;
    }
    if (state_ != State::Handshake && nowMs - lastHeartbeatMs_ >= kHeartbeatPeriodMs) {
        lastHeartbeatMs_ = nowMs;
        Message heartbeat{MessageType::Heartbeat};
        heartbeat.got = receivedKept_;
        Send(heartbeat);
    }
}

bool Session::StartGame(const Board& terrain, std::array<Peer, 2> sides, int firstSide) {
    const bool ready =
        state_ == State::Setup || (state_ == State::GameOver && wantsNext_[0] && wantsNext_[1]);
    if (role_ != Peer::Host || !ready || game_ >= kMaxGameNumber || !IsTerrain(terrain) ||
        sides[0] == sides[1] || (firstSide != 0 && firstSide != 1)) {
        return false;
    }
    Message setup;
    setup.type = MessageType::Setup;
    setup.game = game_ + 1;
    setup.terrain = terrain;
    setup.sides = sides;
    setup.firstSide = firstSide;
    Send(setup);
    BeginGame(terrain, sides, firstSide, setup.game);
    return true;
}

bool Session::Move(int cell) {
    if (state_ != State::Playing || PeerToMove() != role_ || undoPendingBy_ || cell < 0 ||
        cell >= kCellCount || !CanPlace(board_, cell)) {
        return false;
    }
    Message move;
    move.type = MessageType::Move;
    move.game = game_;
    move.ply = movesMade() + 1;
    move.cell = cell;
    Send(move);
    Place(role_, cell);
    return true;
}

bool Session::Resign() {
    if (state_ != State::Playing) {
        return false;
    }
    Message resign;
    resign.type = MessageType::Resign;
    resign.game = game_;
    Send(resign);
    EndByResignation(role_);
    return true;
}

bool Session::RequestUndo() {
    if (state_ != State::Playing || undoPendingBy_ || PeerToMove() != role_ || !HasMoved(role_)) {
        return false;
    }
    Message undo;
    undo.type = MessageType::Undo;
    undo.game = game_;
    undo.ply = movesMade();
    Send(undo);
    undoPendingBy_ = role_;
    return true;
}

bool Session::AnswerUndo(bool accept) {
    if (state_ != State::Playing || undoPendingBy_ != Other()) {
        return false;
    }
    Message answer;
    answer.type = MessageType::UndoAnswer;
    answer.game = game_;
    answer.ply = movesMade();
    answer.accepted = accept;
    Send(answer);
    undoPendingBy_.reset();
    if (accept) {
        TakeBack(Other());
    }
    return true;
}

bool Session::RequestNextGame() {
    if (state_ != State::GameOver || wantsNext_[PeerIndex(role_)]) {
        return false;
    }
    Message next;
    next.type = MessageType::Next;
    next.game = game_;
    Send(next);
    wantsNext_[PeerIndex(role_)] = true;
    return true;
}

void Session::Quit() {
    if (state_ == State::Closed) {
        return;
    }
    Send({MessageType::Quit});
    // The match is over and the connection goes: the last word on it is a bye, as on any close.
    SendBye(kByeQuit);
    Close();
}

void Session::Desync(const QString& what) {
    if (state_ == State::Closed) {
        return;
    }
    qCWarning(netLog) << "this side's game asked for what the session refuses:" << what;
    SendBye(kByeDesync);
    SessionEvent event{SessionEvent::Kind::Desynced};
    event.text = what;
    Emit(event);
    Close();
}

void Session::Withdraw(QStringView reason) {
    if (state_ == State::Closed) {
        return;
    }
    qCDebug(netLog) << "closing:" << reason;
    SendBye(reason);
    Close();
}

void Session::ConnectionLost(qint64 nowMs) {
    if (state_ == State::Closed) {
        return;
    }
    switch (connection_) {
        case Connection::Live:
            qCWarning(netLog) << "the connection broke";
            LoseConnection(nowMs);
            return;
        case Connection::Resuming:
            qCDebug(netLog) << "a resume attempt's connection broke";
            ResetConnection();
            connection_ = Connection::Cut;
            return;
        case Connection::Cut:
            return;
    }
}

QByteArray Session::TakeOutput() { return std::exchange(output_, {}); }

QList<SessionEvent> Session::TakeEvents() { return std::exchange(events_, {}); }

bool Session::HasMoved(Peer peer) const {
    for (int ply = 0; ply < movesMade(); ++ply) {
        const Turn mover = ply % 2 == 0 ? firstTurn_ : -firstTurn_;
        if (sides_[static_cast<std::size_t>(SideNumber(mover))] == peer) {
            return true;
        }
    }
    return false;
}

void Session::Send(const Message& message) {
    const QByteArray bytes = EncodeMessage(ToJson(message));
    if (IsKept(message.type)) {
        // Kept until the other side acknowledges it; without a connection it waits for one.
        if (peerMinor_ >= kResumingMinor) {
            kept_.append(bytes);
        }
        ++sentKept_;
        if (connection_ != Connection::Live) {
            return;
        }
    }
    output_ += EncodeFrame(sealer_ ? sealer_->Seal(bytes) : bytes);
}

void Session::SendBye(QStringView reason) {
    Message bye;
    bye.type = MessageType::Bye;
    bye.reason = reason.toString();
    Send(bye);
}

void Session::Emit(SessionEvent event) { events_.append(std::move(event)); }

void Session::Close() {
    qCDebug(netLog) << "session closed";
    state_ = State::Closed;
}

void Session::Violation(const QString& what) {
    if (connection_ == Connection::Resuming) {
        RefuseResume(what, kByeInvalid);
        return;
    }
    qCWarning(netLog) << "the other side sent something invalid:" << what;
    SendBye(kByeInvalid);
    SessionEvent event{SessionEvent::Kind::Invalid};
    event.text = what;
    Emit(event);
    Close();
}

std::optional<Message> Session::Read(const QByteArray& payload) {
    const std::optional<QByteArray> opened = opener_ ? opener_->Open(payload) : payload;
    if (!opened) {
        Violation(QStringLiteral("a sealed frame that does not open as the next one"));
        return std::nullopt;
    }
    QString error;
    const std::optional<QJsonObject> object = DecodeMessage(*opened, &error);
    std::optional<Message> message = object ? CheckMessage(*object, &error) : std::nullopt;
    if (!message) {
        Violation(error);
    }
    return message;
}

void Session::Handle(const Message& message) {
    // Hello comes first and once; bye is heard in any state.
    if (connection_ == Connection::Resuming) {
        HandleResumeStep(message);
        return;
    }
    if (message.type == MessageType::Bye) {
        HandleBye(message);
        return;
    }
    if (!peerHelloSeen_ && message.type != MessageType::Hello) {
        Violation(QStringLiteral("a message before hello"));
        return;
    }
    if (IsKept(message.type)) {
        ++receivedKept_;
    }
    switch (message.type) {
        case MessageType::Hello:
            HandleHello(message);
            return;
        case MessageType::Share:
            HandleShare(message);
            return;
        case MessageType::Confirm:
            HandleConfirm(message);
            return;
        case MessageType::Name:
            HandleName(message);
            return;
        case MessageType::Setup:
            HandleSetup(message);
            return;
        case MessageType::Move:
            HandleMove(message);
            return;
        case MessageType::Resign:
            if (state_ != State::Playing || message.game != game_) {
                Violation(QStringLiteral("resign outside its game"));
                return;
            }
            EndByResignation(Other());
            return;
        case MessageType::Undo:
            HandleUndo(message);
            return;
        case MessageType::UndoAnswer:
            HandleUndoAnswer(message);
            return;
        case MessageType::Next:
            HandleNext(message);
            return;
        case MessageType::Quit:
            if (state_ == State::Handshake) {
                Violation(QStringLiteral("quit during the handshake"));
                return;
            }
            Emit({SessionEvent::Kind::PeerQuit});
            Close();
            return;
        case MessageType::Heartbeat:
            if (state_ == State::Handshake) {
                Violation(QStringLiteral("a heartbeat during the handshake"));
            } else if (message.got >= 0 && !Acknowledge(message.got)) {
                Violation(QStringLiteral("a heartbeat acknowledging %1 messages").arg(message.got));
            }
            return;
        case MessageType::Chat:
            HandleChat(message);
            return;
        case MessageType::Resume:
        case MessageType::ResumeProof:
        case MessageType::Resumed:
            Violation(QStringLiteral("a resume on a live connection"));
            return;
        case MessageType::Bye:
            return;
    }
}

void Session::HandleBye(const Message& message) {
    if (message.reason == kByeDesync) {
        SessionEvent event{SessionEvent::Kind::Desynced};
        event.text = QStringLiteral("the other side's game asked for what its session refuses");
        Emit(event);
    } else {
        SessionEvent event{SessionEvent::Kind::PeerBye};
        event.text = message.reason;
        Emit(event);
    }
    Close();
}

void Session::HandleHello(const Message& message) {
    if (peerHelloSeen_) {
        Violation(QStringLiteral("a second hello"));
        return;
    }
    peerHelloSeen_ = true;
    peerMinor_ = message.protoMinor;
    SessionEvent hello{SessionEvent::Kind::PeerHello};
    hello.version = ProtocolVersionText(message.protoMajor, message.protoMinor);
    Emit(hello);
    if (message.protoMajor != kProtocolMajor) {
        qCWarning(netLog) << "the other side speaks protocol" << hello.version;
        SendBye(kByeVersion);
        SessionEvent mismatch{SessionEvent::Kind::VersionMismatch};
        mismatch.text = ProtocolVersionText(kProtocolMajor, kProtocolMinor);
        mismatch.version = hello.version;
        Emit(mismatch);
        Close();
        return;
    }
    exchange_.Begin(message.nonce,
                    KeyExchange::AssociatedData(ProtocolVersionText(kProtocolMajor, kProtocolMinor),
                                                appVersion_),
                    KeyExchange::AssociatedData(hello.version, message.app));
    if (role_ == Peer::Guest) {
        Message share;
        share.type = MessageType::Share;
        share.share = exchange_.ownShare();
        Send(share);
    }
}

void Session::HandleShare(const Message& message) {
    // The guest's share comes first and the host answers it.
    if (state_ != State::Handshake || peerShareSeen_) {
        Violation(QStringLiteral("share out of place"));
        return;
    }
    if (!exchange_.TakePeerShare(message.share)) {
        Violation(QStringLiteral("a share that is no element or gives the identity"));
        return;
    }
    peerShareSeen_ = true;
    if (role_ == Peer::Host) {
        Message share;
        share.type = MessageType::Share;
        share.share = exchange_.ownShare();
        Send(share);
    } else {
        SendProof();
    }
}

void Session::HandleConfirm(const Message& message) {
    // The guest proves the key first; the host proves it only to a guest that did.
    const bool proofDue = role_ == Peer::Host ? !sealer_ : sealer_.has_value();
    if (state_ != State::Handshake || !peerShareSeen_ || opener_ || !proofDue) {
        Violation(QStringLiteral("confirm out of place"));
        return;
    }
    if (!exchange_.PeerTagMatches(message.tag)) {
        WrongCode();
        return;
    }
    opener_ = StreamOpener::Start(exchange_.ReceiveKey(), message.stream);
    if (role_ == Peer::Host) {
        SendProof();
    }
    // Both sides have proved the key: the first sealed message names the player.
    Message name;
    name.type = MessageType::Name;
    name.name = ownName_;
    Send(name);
}

void Session::HandleName(const Message& message) {
    if (state_ != State::Handshake || !opener_) {
        Violation(QStringLiteral("name out of place"));
        return;
    }
    peerName_ = message.name;
    state_ = State::Setup;
    if (role_ == Peer::Host) {
        Emit({SessionEvent::Kind::Authenticated});
    }
}

void Session::SendProof() {
    StreamSealer sealer(exchange_.SendKey());
    Message confirm;
    confirm.type = MessageType::Confirm;
    confirm.tag = exchange_.OwnTag();
    confirm.stream = sealer.header();
    Send(confirm);
    sealer_ = std::move(sealer);
}

void Session::WrongCode() {
    qCWarning(netLog) << "the other side did not prove the join code";
    SendBye(kByeCode);
    Emit({SessionEvent::Kind::WrongCode});
    Close();
}

void Session::HandleSetup(const Message& message) {
    const bool ready =
        state_ == State::Setup || (state_ == State::GameOver && wantsNext_[0] && wantsNext_[1]);
    if (role_ != Peer::Guest || !ready || message.game != game_ + 1) {
        Violation(QStringLiteral("setup out of place"));
        return;
    }
    if (game_ == 0) {
        Emit({SessionEvent::Kind::Authenticated});
    }
    BeginGame(message.terrain, message.sides, message.firstSide, message.game);
}

void Session::HandleMove(const Message& message) {
    if (state_ != State::Playing || message.game != game_ || message.ply != movesMade() + 1) {
        Violation(QStringLiteral("move for game %1 ply %2 out of place")
                      .arg(message.game)
                      .arg(message.ply));
        return;
    }
    if (PeerToMove() != Other() || undoPendingBy_) {
        Violation(QStringLiteral("move when it is not the other side's turn"));
        return;
    }
    if (!CanPlace(board_, message.cell)) {
        Violation(QStringLiteral("move to cell %1, which takes no unit").arg(message.cell));
        return;
    }
    Place(Other(), message.cell);
}

void Session::HandleUndo(const Message& message) {
    if (state_ != State::Playing || message.game != game_ || message.ply != movesMade() ||
        undoPendingBy_ || PeerToMove() != Other() || !HasMoved(Other())) {
        Violation(QStringLiteral("undo request out of place"));
        return;
    }
    undoPendingBy_ = Other();
    Emit({SessionEvent::Kind::UndoRequested, Other()});
}

void Session::HandleUndoAnswer(const Message& message) {
    if (state_ != State::Playing || message.game != game_ || message.ply != movesMade() ||
        undoPendingBy_ != role_) {
        Violation(QStringLiteral("undo answer out of place"));
        return;
    }
    undoPendingBy_.reset();
    SessionEvent answered{SessionEvent::Kind::UndoAnswered, Other()};
    answered.accepted = message.accepted;
    Emit(answered);
    if (message.accepted) {
        TakeBack(role_);
    }
}

void Session::HandleNext(const Message& message) {
    if (state_ != State::GameOver || message.game != game_ || wantsNext_[PeerIndex(Other())]) {
        Violation(QStringLiteral("next game out of place"));
        return;
    }
    wantsNext_[PeerIndex(Other())] = true;
    Emit({SessionEvent::Kind::NextRequested, Other()});
}

void Session::BeginGame(const Board& terrain, std::array<Peer, 2> sides, int firstSide,
                        qint64 game) {
    terrain_ = terrain;
    board_ = terrain;
    sides_ = sides;
    firstTurn_ = TurnOfSide(firstSide);
    turn_ = firstTurn_;
    game_ = game;
    moves_.clear();
    undoPendingBy_.reset();
    wantsNext_ = {};
    state_ = State::Playing;
    qCDebug(netLog) << "game" << game << "begins";
    Emit({SessionEvent::Kind::GameStarted});
}

void Session::Place(Peer by, int cell) {
    board_[cell] = UnitCode(turn_);
    moves_.append(cell);
    SessionEvent moved{SessionEvent::Kind::Moved, by};
    moved.cell = cell;
    Emit(moved);
    const Outcome outcome = JudgePlacement(board_, cell);
    if (outcome == Outcome::Continue) {
        turn_ = -turn_;
        return;
    }
    state_ = State::GameOver;
    SessionEvent over{SessionEvent::Kind::GameOver, by};
    over.winnerSide = outcome == Outcome::Win ? SideNumber(turn_) : -1;
    Emit(over);
}

void Session::EndByResignation(Peer by) {
    state_ = State::GameOver;
    undoPendingBy_.reset();
    SessionEvent over{SessionEvent::Kind::GameOver, by};
    over.resigned = true;
    over.winnerSide = sides_[0] == by ? 1 : 0;
    Emit(over);
}

void Session::TakeBack(Peer requester) {
    // Back to the position before the requester's last move, which then is its turn again.
    do {
        moves_.removeLast();
        turn_ = movesMade() % 2 == 0 ? firstTurn_ : -firstTurn_;
    } while (PeerToMove() != requester);
    board_ = terrain_;
    for (int ply = 0; ply < movesMade(); ++ply) {
        board_[moves_[ply]] = UnitCode(ply % 2 == 0 ? firstTurn_ : -firstTurn_);
    }
    Emit({SessionEvent::Kind::UndoApplied, requester});
}

// Chat: lines of plain text beside the match, paced each way.

bool Session::ChatState() const {
    return state_ == State::Setup || state_ == State::Playing || state_ == State::GameOver;
}

bool Session::CanChat() const { return ChatState() && peerMinor_ >= kChatSinceMinor; }

bool Session::SendChat(const QString& text, qint64 nowMs) {
    if (!CanChat() || !IsChatText(text) || !chatSent_.Pass(nowMs)) {
        return false;
    }
    Message chat;
    chat.type = MessageType::Chat;
    chat.text = text;
    Send(chat);
    return true;
}

void Session::HandleChat(const Message& message) {
    if (!ChatState()) {
        Violation(QStringLiteral("chat during the handshake"));
        return;
    }
    // Timed as the message was read (Receive has just set lastReceivedMs_ to its clock).
    if (!chatReceived_.Pass(lastReceivedMs_)) {
        Violation(QStringLiteral("chat faster than %1 lines at once, then one a second")
                      .arg(kChatReceiveBurst));
        return;
    }
    SessionEvent chat{SessionEvent::Kind::ChatReceived, Other()};
    chat.text = message.text;
    Emit(chat);
}

}  // namespace morvane
