#include "net/protocol/frame_codec.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QStringDecoder>
#include <QtEndian>
#include <cassert>

namespace morvane {

QByteArray EncodeFrame(QByteArrayView payload) {
    assert(!payload.isEmpty() && payload.size() <= qsizetype{kMaxFramePayload});
    QByteArray frame(kFrameHeaderBytes, Qt::Uninitialized);
    qToBigEndian(static_cast<quint32>(payload.size()), frame.data());
    frame += payload;
    return frame;
}

QByteArray EncodeMessage(const QJsonObject& message) {
    assert(message.value(QStringLiteral("t")).isString());
    QByteArray payload = QJsonDocument(message).toJson(QJsonDocument::Compact);
    assert(payload.size() <= qsizetype{kMaxMessageBytes});
    return payload;
}

QByteArray EncodeClearFrame(const QJsonObject& message) {
    return EncodeFrame(EncodeMessage(message));
}

std::optional<QJsonObject> DecodeMessage(QByteArrayView payload, QString* error) {
    if (payload.size() > qsizetype{kMaxMessageBytes}) {
        *error = QStringLiteral("a message of more than %1 bytes").arg(kMaxMessageBytes);
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(payload);
    if (utf8.hasError()) {
        *error = QStringLiteral("payload is not UTF-8");
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        *error = QStringLiteral("payload is not a JSON object");
        return std::nullopt;
    }
    QJsonObject message = document.object();
    if (!message.value(QStringLiteral("t")).isString()) {
        *error = QStringLiteral("message without a string \"t\"");
        return std::nullopt;
    }
    return message;
}

QList<QByteArray> FrameReader::Feed(QByteArrayView bytes) {
    QList<QByteArray> payloads;
    while (!broken() && !bytes.isEmpty()) {
        // The header first, byte by byte if need be; its length is judged before the payload
        // gets any room.
        if (pending_.size() < kFrameHeaderBytes) {
            const qsizetype take = std::min(bytes.size(), kFrameHeaderBytes - pending_.size());
            pending_.append(bytes.first(take));
            bytes = bytes.sliced(take);
            if (pending_.size() < kFrameHeaderBytes) {
                break;
            }
        }
        const quint32 length = qFromBigEndian<quint32>(pending_.constData());
        if (length < 1 || length > kMaxFramePayload) {
            error_ =
                QStringLiteral("frame length %1 outside 1..%2").arg(length).arg(kMaxFramePayload);
            break;
        }
        const qsizetype missing = kFrameHeaderBytes + qsizetype{length} - pending_.size();
        const qsizetype take = std::min(bytes.size(), missing);
        pending_.append(bytes.first(take));
        bytes = bytes.sliced(take);
        if (take < missing) {
            break;
        }
        payloads.append(pending_.sliced(kFrameHeaderBytes));
        pending_.clear();
    }
    if (broken()) {
        pending_.clear();
        payloads.clear();
    }
    return payloads;
}

}  // namespace morvane
