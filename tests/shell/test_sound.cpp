#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>

#include "shell/settings/view_toggles.h"
#include "shell/sound/sound_board.h"
#include "shell/sound/sound_waves.h"
#include "tests/support/temp_settings.h"

Q_DECLARE_METATYPE(morvane::Sound)

using namespace morvane;
using morvane::testing::TempSettings;

namespace {

template <typename Number>
Number At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<Number>(bytes.constData() + offset);
}

}  // namespace

class SoundTest : public QObject {
    Q_OBJECT

private slots:
    // Each sound is a short, audible 16-bit mono WAV that never clips.
    void eachSoundIsAShortCleanWave_data() {
        QTest::addColumn<Sound>("sound");
        QTest::addColumn<int>("longestMs");
        QTest::newRow("○ placed") << Sound::CirclePlaced << 120;
        QTest::newRow("× placed") << Sound::CrossPlaced << 120;
        QTest::newRow("refused") << Sound::Refused << 250;
        QTest::newRow("won") << Sound::Won << 700;
        QTest::newRow("lost") << Sound::Lost << 700;
        QTest::newRow("drawn") << Sound::Drawn << 500;
        QTest::newRow("hint") << Sound::HintArrived << 300;
    }
    void eachSoundIsAShortCleanWave() {
        QFETCH(Sound, sound);
        QFETCH(int, longestMs);
        const QByteArray wave = SoundWave(sound);
        // RIFF and format headers: PCM, mono, the sample rate, 16 bits; then the data's size.
        QCOMPARE(wave.left(4) + wave.mid(8, 8) + wave.mid(36, 4), QByteArray("RIFFWAVEfmt data"));
        QCOMPARE(
            (QList<quint32>{At<quint16>(wave, 20), At<quint16>(wave, 22), At<quint32>(wave, 24),
                            At<quint16>(wave, 34), At<quint32>(wave, 4) - 36}),
            (QList<quint32>{1, 1, kSoundSampleRate, 16, At<quint32>(wave, 40)}));
        const int samples = static_cast<int>(wave.size() - 44) / 2;
        QCOMPARE(At<quint32>(wave, 40), quint32(2 * samples));
        QVERIFY(samples > 0 && samples * 1000 / kSoundSampleRate <= longestMs);
        int peak = 0;
        for (int i = 0; i < samples; ++i) {
            peak = std::max(peak, std::abs(int(At<qint16>(wave, 44 + 2 * i))));
        }
        QVERIFY2(peak > 3000 && peak < 32767, qPrintable(QString::number(peak)));
    }

    // The sounds differ from one another, so that each moment can be told by ear.
    void theSoundsDiffer() {
        QSet<QByteArray> waves;
        for (const Sound sound : kSounds) {
            waves.insert(SoundWave(sound));
        }
        QCOMPARE(waves.size(), qsizetype(kSounds.size()));
    }

    // Playing every sound, with the sound on or off, says nothing and fails nothing, whether or
    // not the machine has an audio output.
    void playingNeverComplains() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        for (const bool on : {false, true}) {
            TempSettings temp;
            WriteViewToggle(temp.store(), ViewToggle::Sound, on);
            SoundBoard board(temp.store());
            for (const Sound sound : kSounds) {
                board.Play(sound);
            }
            QTest::qWait(0);
            // Turned off, it does not even look for an output.
            QVERIFY(on || !board.HasOutput());
        }
    }
};

QTEST_MAIN(SoundTest)
#include "test_sound.moc"
