#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

#include "net/protocol/sealed_stream.h"

namespace morvane {

// A frame on the wire: a 32-bit big-endian length, then that many bytes of payload. A message
// is one UTF-8 JSON object with a string field "t" (the message type), of at most
// kMaxMessageBytes; after the key exchange each payload is a message sealed, kSealOverhead
// bytes longer.
inline constexpr int kFrameHeaderBytes = 4;
inline constexpr quint32 kMaxMessageBytes = 4096;
inline constexpr quint32 kMaxFramePayload = kMaxMessageBytes + quint32{kSealOverhead};

// The frame of a payload of 1 to kMaxFramePayload bytes.
QByteArray EncodeFrame(QByteArrayView payload);
// The bytes of one message. The object must hold a string "t" and encode to at most
// kMaxMessageBytes (every message this program sends is far smaller).
QByteArray EncodeMessage(const QJsonObject& message);
// The frame of one message in the clear: EncodeFrame(EncodeMessage(message)).
QByteArray EncodeClearFrame(const QJsonObject& message);

// The message in a payload, if it is at most kMaxMessageBytes of UTF-8 holding a JSON object
// with a string "t"; says what is wrong in `error` otherwise.
std::optional<QJsonObject> DecodeMessage(QByteArrayView payload, QString* error);

// Turns a byte stream, cut into chunks anywhere, into payloads. A length outside
// 1..kMaxFramePayload breaks the reader for good: it is seen in the header, before any room is
// made for the payload, and no later byte is looked at.
class FrameReader {
public:
    // Reads the bytes after those of earlier calls and returns the payloads they complete.
    // After a violation (this call's or an earlier one's) returns nothing.
    QList<QByteArray> Feed(QByteArrayView bytes);

    bool broken() const { return !error_.isEmpty(); }
    // What broke the reader, in a line for the log; empty while it is whole.
    const QString& error() const { return error_; }
    // Bytes held of a frame not yet complete.
    qsizetype pendingBytes() const { return pending_.size(); }

private:
    QByteArray pending_;
    QString error_;
};

}  // namespace morvane
