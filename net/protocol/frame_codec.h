#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace morvane {

// A frame on the wire: a 32-bit big-endian length, then that many bytes of one UTF-8 JSON
// object with a string field "t" (the message type).
inline constexpr int kFrameHeaderBytes = 4;
inline constexpr quint32 kMaxFramePayload = 4096;

// The frame of one message. The object must hold a string "t" and encode to at most
// kMaxFramePayload bytes (every message this program sends is far smaller).
QByteArray EncodeFrame(const QJsonObject& message);

// Turns a byte stream, cut into chunks anywhere, into messages. A length outside
// 1..kMaxFramePayload or a payload that is not a JSON object with a string "t" breaks the
// reader for good: it is seen in the header, before any room is made for the payload, and no
// later byte is looked at.
class FrameReader {
public:
    // Reads the bytes after those of earlier calls and returns the messages they complete.
    // After a violation (this call's or an earlier one's) returns nothing.
    QList<QJsonObject> Feed(QByteArrayView bytes);

    bool broken() const { return !error_.isEmpty(); }
    // What broke the reader, in a line for the log; empty while it is whole.
    const QString& error() const { return error_; }
    // Bytes held of a frame not yet complete.
    qsizetype pendingBytes() const { return pending_.size(); }

private:
    // The message in a complete payload, or an empty object with error_ set.
    QJsonObject Decode(QByteArrayView payload);

    QByteArray pending_;
    QString error_;
};

}  // namespace morvane
