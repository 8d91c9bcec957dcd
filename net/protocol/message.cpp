#include "net/protocol/message.h"

#include <QJsonArray>
#include <cmath>
#include <utility>

#include "net/protocol/chat.h"
#include "net/protocol/cpace.h"
#include "net/protocol/handshake.h"
#include "net/protocol/key_exchange.h"
#include "net/protocol/sealed_stream.h"

namespace morvane {

namespace {

constexpr std::array<std::pair<MessageType, QStringView>, 17> kTypeNames{{
    {MessageType::Hello, u"hello"},
    {MessageType::Share, u"share"},
    {MessageType::Confirm, u"confirm"},
    {MessageType::Name, u"name"},
    {MessageType::Setup, u"setup"},
    {MessageType::Move, u"move"},
    {MessageType::Resign, u"resign"},
    {MessageType::Undo, u"undo"},
    {MessageType::UndoAnswer, u"undo_answer"},
    {MessageType::Next, u"next"},
    {MessageType::Quit, u"quit"},
    {MessageType::Heartbeat, u"heartbeat"},
    {MessageType::Bye, u"bye"},
    {MessageType::Chat, u"chat"},
    {MessageType::Resume, u"resume"},
    {MessageType::ResumeProof, u"resume_proof"},
    {MessageType::Resumed, u"resumed"},
}};

// Texts longer than these are refused rather than shown.
constexpr int kMaxAppTextLength = 32;
constexpr int kMaxReasonLength = 32;
// A longer name is cut on receipt, as the sender should have done; this only bounds the text.
constexpr int kMaxSentNameLength = 256;
constexpr int kMaxProtocolNumber = 0xFFFF;

QString TypeName(MessageType type) {
    for (const auto& [known, name] : kTypeNames) {
        if (known == type) {
            return name.toString();
        }
    }
    Q_UNREACHABLE();
}

QString PeerName(Peer peer) {
    return peer == Peer::Host ? QStringLiteral("host") : QStringLiteral("guest");
}

QString TerrainText(const Board& terrain) {
    QString text;
    for (int i = 0; i < kCellCount; ++i) {
        text.append(QChar(u'0' + terrain[i]));
    }
    return text;
}

QString HexText(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex()); }

bool IsHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Reads the fields of a received object, noting the first one that is missing or wrong.
class FieldReader {
public:
    explicit FieldReader(const QJsonObject& object) : object_(object) {}

    qint64 Int(const QString& key, qint64 min, qint64 max) {
        return IntOf(object_.value(key), key, min, max);
    }
    QString Text(const QString& key, int maxLength) {
        const QJsonValue value = object_.value(key);
        if (!value.isString() || value.toString().size() > maxLength) {
            Fail(key);
            return {};
        }
        return value.toString();
    }
    // Exactly `bytes` bytes written as hex digits, in either case.
    QByteArray Hex(const QString& key, qsizetype bytes) {
        const QString text = Text(key, static_cast<int>(2 * bytes));
        if (text.size() != 2 * bytes || !std::all_of(text.begin(), text.end(), IsHexDigit)) {
            Fail(key);
            return {};
        }
        return QByteArray::fromHex(text.toLatin1());
    }
    bool Bool(const QString& key) {
        const QJsonValue value = object_.value(key);
        if (!value.isBool()) {
            Fail(key);
        }
        return value.toBool();
    }
    QJsonArray Array(const QString& key, qsizetype size) {
        const QJsonValue value = object_.value(key);
        if (!value.isArray() || value.toArray().size() != size) {
            Fail(key);
            return {};
        }
        return value.toArray();
    }
    qint64 IntOf(const QJsonValue& value, const QString& key, qint64 min, qint64 max) {
        const double number = value.toDouble(-1.0);
        // Every bound is at most 2^53 - 1, so the comparisons in double are exact.
        if (!value.isDouble() || std::floor(number) != number ||
            number < static_cast<double>(min) || number > static_cast<double>(max)) {
            Fail(key);
            return min;
        }
        return static_cast<qint64>(number);
    }
    void Fail(const QString& key) {
        if (error_.isEmpty()) {
            error_ = QStringLiteral("field \"%1\" missing or out of range").arg(key);
        }
    }
    const QString& error() const { return error_; }

private:
    const QJsonObject& object_;
    QString error_;
};

int SmallInt(FieldReader& fields, const QString& key, int min, int max) {
    return static_cast<int>(fields.Int(key, min, max));
}

qint64 Game(FieldReader& fields) { return fields.Int(QStringLiteral("game"), 1, kMaxGameNumber); }

Board ReadTerrain(FieldReader& fields) {
    Board terrain;
    const QString text = fields.Text(QStringLiteral("terrain"), kCellCount);
    if (text.size() != kCellCount) {
        fields.Fail(QStringLiteral("terrain"));
        return terrain;
    }
    for (int i = 0; i < kCellCount; ++i) {
        const int code = text[i].unicode() - u'0';
        if (code < 0 || code > Block) {
            fields.Fail(QStringLiteral("terrain"));
            return terrain;
        }
        terrain[i] = static_cast<std::int16_t>(code);
    }
    if (!IsTerrain(terrain)) {
        fields.Fail(QStringLiteral("terrain"));
    }
    return terrain;
}

std::array<Peer, 2> ReadSides(FieldReader& fields) {
    const QJsonArray sides = fields.Array(QStringLiteral("sides"), 2);
    const QJsonValue host(PeerName(Peer::Host));
    const QJsonValue guest(PeerName(Peer::Guest));
    if (sides == QJsonArray{host, guest}) {
        return {Peer::Host, Peer::Guest};
    }
    if (sides == QJsonArray{guest, host}) {
        return {Peer::Guest, Peer::Host};
    }
    fields.Fail(QStringLiteral("sides"));
    return {Peer::Host, Peer::Guest};
}

void ReadHello(FieldReader& fields, Message& message) {
    const QJsonArray proto = fields.Array(QStringLiteral("proto"), 2);
    message.protoMajor =
        static_cast<int>(fields.IntOf(proto.at(0), QStringLiteral("proto"), 0, kMaxProtocolNumber));
    message.protoMinor =
        static_cast<int>(fields.IntOf(proto.at(1), QStringLiteral("proto"), 0, kMaxProtocolNumber));
    if (!fields.error().isEmpty() || message.protoMajor != kProtocolMajor) {
        return;  // another major's hello is judged by its version alone
    }
    message.app = fields.Text(QStringLiteral("app"), kMaxAppTextLength);
    message.nonce = fields.Hex(QStringLiteral("nonce"), kNonceBytes);
}

// A line of chat: the JSON text bounds it at two UTF-16 units a character, IsChatText at its
// characters.
QString ReadChatText(FieldReader& fields) {
    QString text = fields.Text(QStringLiteral("text"), 2 * kMaxChatLength);
    if (!IsChatText(text)) {
        fields.Fail(QStringLiteral("text"));
    }
    return text;
}

// The count of kept messages received; each side sends fewer than 2^53 in a match.
qint64 Got(FieldReader& fields) { return fields.Int(QStringLiteral("got"), 0, kMaxGameNumber); }

void InsertResumeFields(const Message& message, QJsonObject& object) {
    switch (message.type) {
        case MessageType::Resume:
            object.insert("nonce", HexText(message.nonce));
            return;
        case MessageType::ResumeProof:
            object.insert("tag", HexText(message.tag));
            object.insert("stream", HexText(message.stream));
            return;
        default:
            object.insert("got", message.got);
            return;
    }
}

void ReadResumeFields(FieldReader& fields, Message& message) {
    switch (message.type) {
        case MessageType::Resume:
            message.nonce = fields.Hex(QStringLiteral("nonce"), kNonceBytes);
            return;
        case MessageType::ResumeProof:
            message.tag = fields.Hex(QStringLiteral("tag"), cpace::kHashBytes);
            message.stream = fields.Hex(QStringLiteral("stream"), kStreamHeaderBytes);
            return;
        default:
            message.got = Got(fields);
            return;
    }
}

}  // namespace

bool IsKept(MessageType type) {
    switch (type) {
        case MessageType::Hello:
        case MessageType::Share:
        case MessageType::Confirm:
        case MessageType::Name:
        case MessageType::Heartbeat:
        case MessageType::Bye:
        case MessageType::Resume:
        case MessageType::ResumeProof:
        case MessageType::Resumed:
            return false;
        default:
            return true;
    }
}

bool IsTerrain(const Board& board) {
    return std::all_of(board.cells.begin(), board.cells.end(),
                       [](std::int16_t code) {
                           return code == Empty || code == Hollow || code == Block;
                       }) &&
           CountFreeCells(board) > 0;
}

QJsonObject ToJson(const Message& message) {
    QJsonObject object{{"t", TypeName(message.type)}};
    switch (message.type) {
        case MessageType::Hello:
            object.insert("proto", QJsonArray{message.protoMajor, message.protoMinor});
            object.insert("app", message.app);
            // Names travel sealed; the empty one is for the checks of the first version, so
            // that its players are told of the other version rather than of invalid data.
            object.insert("name", QString());
            object.insert("nonce", HexText(message.nonce));
            break;
        case MessageType::Share:
            object.insert("y", HexText(message.share));
            break;
        case MessageType::Confirm:
            object.insert("tag", HexText(message.tag));
            object.insert("stream", HexText(message.stream));
            break;
        case MessageType::Name:
            object.insert("name", message.name);
            break;
        case MessageType::Setup:
            object.insert("game", message.game);
            object.insert("terrain", TerrainText(message.terrain));
            object.insert("sides",
                          QJsonArray{PeerName(message.sides[0]), PeerName(message.sides[1])});
            object.insert("first", message.firstSide);
            break;
        case MessageType::Move:
            object.insert("game", message.game);
            object.insert("ply", message.ply);
            object.insert("cell", message.cell);
            break;
        case MessageType::Undo:
            object.insert("game", message.game);
            object.insert("ply", message.ply);
            break;
        case MessageType::UndoAnswer:
            object.insert("game", message.game);
            object.insert("ply", message.ply);
            object.insert("accept", message.accepted);
            break;
        case MessageType::Resign:
        case MessageType::Next:
            object.insert("game", message.game);
            break;
        case MessageType::Bye:
            object.insert("reason", message.reason);
            break;
        case MessageType::Chat:
            object.insert("text", message.text);
            break;
        case MessageType::Heartbeat:
            if (message.got >= 0) {
                object.insert("got", message.got);
            }
            break;
        case MessageType::Quit:
            break;
        case MessageType::Resume:
        case MessageType::ResumeProof:
        case MessageType::Resumed:
            InsertResumeFields(message, object);
            break;
    }
    return object;
}

std::optional<Message> CheckMessage(const QJsonObject& object, QString* error) {
    const QString type = object.value(QStringLiteral("t")).toString();
    const auto known = std::find_if(kTypeNames.begin(), kTypeNames.end(),
                                    [&](const auto& entry) { return entry.second == type; });
    if (known == kTypeNames.end()) {
        *error = QStringLiteral("unknown message type");
        return std::nullopt;
    }
    Message message;
    message.type = known->first;
    FieldReader fields(object);
    switch (message.type) {
        case MessageType::Hello:
            ReadHello(fields, message);
            break;
        case MessageType::Share:
            message.share = fields.Hex(QStringLiteral("y"), cpace::kPointBytes);
            break;
        case MessageType::Confirm:
            message.tag = fields.Hex(QStringLiteral("tag"), cpace::kHashBytes);
            message.stream = fields.Hex(QStringLiteral("stream"), kStreamHeaderBytes);
            break;
        case MessageType::Name:
            message.name = CleanName(fields.Text(QStringLiteral("name"), kMaxSentNameLength));
            break;
        case MessageType::Setup:
            message.game = Game(fields);
            message.terrain = ReadTerrain(fields);
            message.sides = ReadSides(fields);
            message.firstSide = SmallInt(fields, QStringLiteral("first"), 0, 1);
            break;
        case MessageType::Move:
            message.game = Game(fields);
            message.ply = SmallInt(fields, QStringLiteral("ply"), 1, kCellCount);
            message.cell = SmallInt(fields, QStringLiteral("cell"), 0, kCellCount - 1);
            break;
        case MessageType::Undo:
            message.game = Game(fields);
            message.ply = SmallInt(fields, QStringLiteral("ply"), 0, kCellCount);
            break;
        case MessageType::UndoAnswer:
            message.game = Game(fields);
            message.ply = SmallInt(fields, QStringLiteral("ply"), 0, kCellCount);
            message.accepted = fields.Bool(QStringLiteral("accept"));
            break;
        case MessageType::Resign:
        case MessageType::Next:
            message.game = Game(fields);
            break;
        case MessageType::Bye:
            message.reason = fields.Text(QStringLiteral("reason"), kMaxReasonLength);
            break;
        case MessageType::Chat:
            message.text = ReadChatText(fields);
            break;
        case MessageType::Heartbeat:
            if (object.contains(QStringLiteral("got"))) {
                message.got = Got(fields);
            }
            break;
        case MessageType::Quit:
            break;
        case MessageType::Resume:
        case MessageType::ResumeProof:
        case MessageType::Resumed:
            ReadResumeFields(fields, message);
            break;
    }
    if (!fields.error().isEmpty()) {
        *error = fields.error();
        return std::nullopt;
    }
    return message;
}

}  // namespace morvane
