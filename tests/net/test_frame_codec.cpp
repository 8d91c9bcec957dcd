#include <QJsonDocument>
#include <QTest>
#include <QtEndian>

#include "net/protocol/frame_codec.h"

using namespace morvane;

namespace {

QByteArray Header(quint32 length) {
    QByteArray header(kFrameHeaderBytes, Qt::Uninitialized);
    qToBigEndian(length, header.data());
    return header;
}

// A frame with a hand-made payload, its header telling the payload's true length.
QByteArray Framed(const QByteArray& payload) {
    return Header(static_cast<quint32>(payload.size())) + payload;
}

// A valid message's payload padded with spaces to exactly the given length.
QByteArray PaddedPayload(int length) {
    QByteArray payload = R"({"t":"x"})";
    return payload + QByteArray(length - payload.size(), ' ');
}

}  // namespace

class FrameCodecTest : public QObject {
    Q_OBJECT

private slots:
    // It should yield exactly the complete frames of a stream cut into any chunks, and stop for
    // good at the first frame with a length outside 1..4113 (a message of 4096 bytes sealed).
    void readsFramesAndStopsAtTheFirstViolation_data() {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<int>("chunkSize");  // 0: the whole stream in one call
        QTest::addColumn<int>("frames");
        QTest::addColumn<bool>("broken");

        const QByteArray hello = EncodeClearFrame({{"t", "hello"}});
        QTest::newRow("length 0") << Header(0) + hello << 0 << 0 << true;
        QTest::newRow("length 1") << Framed("1") << 0 << 1 << false;
        QTest::newRow("length 4113") << Framed(PaddedPayload(4113)) << 0 << 1 << false;
        QTest::newRow("length 4114, told by its header alone") << Header(4114) << 0 << 0 << true;
        QTest::newRow("length 2^32-1, told by its header alone")
            << Header(0xFFFFFFFFu) << 0 << 0 << true;
        QTest::newRow("partial header") << hello.first(3) << 0 << 0 << false;
        QTest::newRow("partial payload") << hello.chopped(1) << 0 << 0 << false;
        QTest::newRow("two frames in one chunk") << hello + hello << 0 << 2 << false;
        QTest::newRow("a frame split byte by byte") << hello + hello.first(5) << 1 << 1 << false;
        QTest::newRow("a good frame before a bad one")
            << hello + Header(0) + hello << 3 << 1 << true;
    }
    void readsFramesAndStopsAtTheFirstViolation() {
        QFETCH(QByteArray, stream);
        QFETCH(int, chunkSize);
        QFETCH(int, frames);
        QFETCH(bool, broken);

        FrameReader reader;
        int read = 0;
        const qsizetype step = chunkSize == 0 ? stream.size() : chunkSize;
        for (qsizetype at = 0; at < stream.size(); at += step) {
            const QList<QByteArray> payloads = reader.Feed(
                QByteArrayView(stream).sliced(at).first(std::min(step, stream.size() - at)));
            for (const QByteArray& payload : payloads) {
                QVERIFY(stream.contains(payload));
            }
            read += static_cast<int>(payloads.size());
        }
        QCOMPARE(read, frames);
        QCOMPARE(reader.broken(), broken);
        QCOMPARE(reader.error().isEmpty(), !broken);
        if (broken) {
            QCOMPARE(reader.pendingBytes(), 0);
            QVERIFY(reader.Feed(EncodeClearFrame({{"t", "hello"}})).isEmpty());
        }
    }

    // It should take a payload as a message only when it is at most 4096 bytes of UTF-8 holding
    // a JSON object with a string "t".
    void decodesOnlyMessages_data() {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("message");
        QTest::newRow("4096 bytes") << PaddedPayload(4096) << true;
        QTest::newRow("4097 bytes, room for a seal but not a message")
            << PaddedPayload(4097) << false;
        QTest::newRow("a payload that is no object") << QByteArray("1") << false;
        QTest::newRow("JSON array") << QByteArray(R"(["t"])") << false;
        QTest::newRow("JSON string") << QByteArray(R"("t")") << false;
        QTest::newRow("not JSON") << QByteArray("t=hello") << false;
        QTest::newRow("missing t") << QByteArray(R"({"type":"hello"})") << false;
        QTest::newRow("number t") << QByteArray(R"({"t":7})") << false;
        QTest::newRow("invalid UTF-8 in a string") << QByteArray("{\"t\":\"\xC3\x28\"}") << false;
        QTest::newRow("UTF-8 name")
            << QByteArray("{\"t\":\"hello\",\"name\":\"\xE7\x8C\xAB\"}") << true;
    }
    void decodesOnlyMessages() {
        QFETCH(QByteArray, payload);
        QFETCH(bool, message);
        QString error;
        const std::optional<QJsonObject> decoded = DecodeMessage(payload, &error);
        QCOMPARE(decoded.has_value(), message);
        QCOMPARE(error.isEmpty(), message);
        if (message) {
            QVERIFY(decoded->value("t").isString());
        }
    }

    // It should give back, from its own frame, the message it encoded.
    void encodesWhatItReads() {
        const QJsonObject message{{"t", "move"}, {"game", 2}, {"ply", 7}, {"cell", 95}};
        const QByteArray frame = EncodeClearFrame(message);
        QCOMPARE(qFromBigEndian<quint32>(frame.constData()), quint32(frame.size() - 4));
        FrameReader reader;
        const QList<QByteArray> payloads = reader.Feed(frame);
        QCOMPARE(payloads.size(), 1);
        QString error;
        QCOMPARE(DecodeMessage(payloads.first(), &error), message);
    }
};

QTEST_GUILESS_MAIN(FrameCodecTest)
#include "test_frame_codec.moc"
