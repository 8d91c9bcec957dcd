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
    // It should yield exactly the complete, well-formed frames of a stream cut into any chunks,
    // and stop for good at the first frame with a bad length or payload.
    void readsFramesAndStopsAtTheFirstViolation_data() {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<int>("chunkSize");  // 0: the whole stream in one call
        QTest::addColumn<int>("frames");
        QTest::addColumn<bool>("broken");

        const QByteArray hello = EncodeFrame({{"t", "hello"}});
        QTest::newRow("length 0") << Header(0) + hello << 0 << 0 << true;
        QTest::newRow("length 1, a payload that is no object") << Framed("1") << 0 << 0 << true;
        QTest::newRow("length 4096") << Framed(PaddedPayload(4096)) << 0 << 1 << false;
        QTest::newRow("length 4097, told by its header alone") << Header(4097) << 0 << 0 << true;
        QTest::newRow("length 2^32-1, told by its header alone")
            << Header(0xFFFFFFFFu) << 0 << 0 << true;
        QTest::newRow("partial header") << hello.first(3) << 0 << 0 << false;
        QTest::newRow("partial payload") << hello.chopped(1) << 0 << 0 << false;
        QTest::newRow("two frames in one chunk") << hello + hello << 0 << 2 << false;
        QTest::newRow("a frame split byte by byte") << hello + hello.first(5) << 1 << 1 << false;
        QTest::newRow("a good frame before a bad one")
            << hello + Header(0) + hello << 3 << 1 << true;
        QTest::newRow("JSON array") << Framed(R"(["t"])") << 0 << 0 << true;
        QTest::newRow("JSON string") << Framed(R"("t")") << 0 << 0 << true;
        QTest::newRow("not JSON") << Framed("t=hello") << 0 << 0 << true;
        QTest::newRow("missing t") << Framed(R"({"type":"hello"})") << 0 << 0 << true;
        QTest::newRow("number t") << Framed(R"({"t":7})") << 0 << 0 << true;
        QTest::newRow("invalid UTF-8 in a string")
            << Framed("{\"t\":\"\xC3\x28\"}") << 0 << 0 << true;
        QTest::newRow("UTF-8 name")
            << Framed("{\"t\":\"hello\",\"name\":\"\xE7\x8C\xAB\"}") << 0 << 1 << false;
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
            const QList<QJsonObject> messages = reader.Feed(
                QByteArrayView(stream).sliced(at).first(std::min(step, stream.size() - at)));
            for (const QJsonObject& message : messages) {
                QVERIFY(message.value("t").isString());
            }
            read += static_cast<int>(messages.size());
        }
        QCOMPARE(read, frames);
        QCOMPARE(reader.broken(), broken);
        QCOMPARE(reader.error().isEmpty(), !broken);
        if (broken) {
            QCOMPARE(reader.pendingBytes(), 0);
            QVERIFY(reader.Feed(EncodeFrame({{"t", "hello"}})).isEmpty());
        }
    }

    // It should give back, from its own frame, the message it encoded.
    void encodesWhatItReads() {
        const QJsonObject message{{"t", "move"}, {"game", 2}, {"ply", 7}, {"cell", 95}};
        const QByteArray frame = EncodeFrame(message);
        QCOMPARE(qFromBigEndian<quint32>(frame.constData()), quint32(frame.size() - 4));
        FrameReader reader;
        QCOMPARE(reader.Feed(frame), QList<QJsonObject>{message});
    }
};

QTEST_GUILESS_MAIN(FrameCodecTest)
#include "test_frame_codec.moc"
