#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QtEndian>
#include <functional>
#include <optional>

#include "net/protocol/cpace.h"
#include "net/protocol/frame_codec.h"
#include "net/protocol/handshake.h"
#include "net/protocol/key_exchange.h"
#include "net/protocol/sealed_stream.h"
#include "net/protocol/session.h"

namespace morvane::testing {

// A guest written out by hand over the real key exchange, for tests that send a host what they
// choose: the test calls each handshake step itself, and after the guest's proof every frame
// it asks for is sealed, whatever it holds. It reads the host's bytes as a guest does, opening
// them once the host has proved the key.
class HandGuest {
public:
    // Changes a message before it is framed.
    using Edit = std::function<void(QJsonObject&)>;

    explicit HandGuest(const QString& code = QStringLiteral("K7P2QX"))
        : exchange_(Peer::Guest, code) {}

    // This guest's hello, of this protocol or of another major.
    QByteArray Hello(int major = kProtocolMajor, const Edit& edit = {}) const {
        QJsonObject hello{{"t", "hello"},
                          {"proto", QJsonArray{major, 0}},
                          {"app", "4.92"},
                          {"name", ""},
                          {"nonce", QString::fromLatin1(exchange_.ownNonce().toHex())}};
        if (edit) {
            edit(hello);
        }
        return AnyFrame(Json(hello));
    }
    // Its share, once the host's hello has been read.
    QByteArray Share(const Edit& edit = {}) {
        QJsonObject share{{"t", "share"}, {"y", QString::fromLatin1(exchange_.ownShare().toHex())}};
        if (edit) {
            edit(share);
        }
        return Frame(share);
    }
    // Its proof of the key, once the host's share has been read; it seals from here on.
    QByteArray Confirm(const Edit& edit = {}) {
        StreamSealer sealer(exchange_.SendKey());
        QJsonObject confirm{{"t", "confirm"},
                            {"tag", QString::fromLatin1(exchange_.OwnTag().toHex())},
                            {"stream", QString::fromLatin1(sealer.header().toHex())}};
        if (edit) {
            edit(confirm);
        }
        const QByteArray frame = Frame(confirm);
        sealer_ = std::move(sealer);
        return frame;
    }
    // A proof made up without the host's share, as a guest that writes its whole handshake at
    // once must send it.
    static QByteArray MadeUpConfirm() {
        return EncodeClearFrame({{"t", "confirm"},
                                 {"tag", QString(2 * cpace::kHashBytes, u'0')},
                                 {"stream", QString(2 * kStreamHeaderBytes, u'0')}});
    }
    // A message as this guest sends it now: in the clear before its proof, sealed after.
    QByteArray Frame(const QJsonObject& message) { return FramePayload(Json(message)); }
    // Any payload, sealed once this guest has proved the key.
    QByteArray FramePayload(const QByteArray& payload) {
        return AnyFrame(sealer_ ? sealer_->Seal(payload) : payload);
    }

    // The messages in the host's bytes, taking its hello, share and proof as they come.
    QList<QJsonObject> Read(const QByteArray& hostBytes) {
        QList<QJsonObject> messages;
        for (const QByteArray& payload : reader_.Feed(hostBytes)) {
            const std::optional<QByteArray> opened = opener_ ? opener_->Open(payload) : payload;
            QString error;
            const std::optional<QJsonObject> message =
                opened ? DecodeMessage(*opened, &error) : std::nullopt;
            if (!message) {
                break;
            }
            Take(*message);
            messages.append(*message);
        }
        return messages;
    }

    // Takes a new host through the whole handshake, this guest named "Gus".
    void Join(Session& host) {
        Read(host.TakeOutput());
        host.Receive(Hello(), 0);
        host.Receive(Share(), 0);
        Read(host.TakeOutput());
        host.Receive(Confirm(), 0);
        Read(host.TakeOutput());
        host.Receive(Frame({{"t", "name"}, {"name", "Gus"}}), 0);
    }

private:
    // A hostile guest writes what it likes: a message without a string "t" or beyond the limits
    // too, framed with its true length.
    static QByteArray Json(const QJsonObject& message) {
        return QJsonDocument(message).toJson(QJsonDocument::Compact);
    }
    static QByteArray AnyFrame(const QByteArray& payload) {
        QByteArray frame(kFrameHeaderBytes, Qt::Uninitialized);
        qToBigEndian(static_cast<quint32>(payload.size()), frame.data());
        return frame + payload;
    }

    void Take(const QJsonObject& message) {
        const QString type = message.value("t").toString();
        if (type == "hello") {
            const QJsonArray proto = message.value("proto").toArray();
            exchange_.Begin(
                QByteArray::fromHex(message.value("nonce").toString().toLatin1()),
                KeyExchange::AssociatedData(ProtocolVersionText(kProtocolMajor, 0), "4.92"),
                KeyExchange::AssociatedData(ProtocolVersionText(proto[0].toInt(), proto[1].toInt()),
                                            message.value("app").toString()));
        } else if (type == "share") {
            exchange_.TakePeerShare(QByteArray::fromHex(message.value("y").toString().toLatin1()));
        } else if (type == "confirm") {
            opener_ = StreamOpener::Start(
                exchange_.ReceiveKey(),
                QByteArray::fromHex(message.value("stream").toString().toLatin1()));
        }
    }
    KeyExchange exchange_;
    FrameReader reader_;
    std::optional<StreamSealer> sealer_;
    std::optional<StreamOpener> opener_;
};

}  // namespace morvane::testing
