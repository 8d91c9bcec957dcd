#include "shell/sound/sound_waves.h"

#include <QDataStream>
#include <QIODevice>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace morvane {
namespace {

// One tone: its pitch, when it starts and how long it sounds, and how much of it is noise
// (a knock rather than a note).
struct Tone {
    double frequency;
    int startMs;
    int lengthMs;
    double noise = 0.0;
};

std::vector<Tone> TonesOf(Sound sound) {
    switch (sound) {
        case Sound::CirclePlaced:
            return {{660, 0, 80, 0.25}};
        case Sound::CrossPlaced:
            return {{440, 0, 80, 0.25}};
        case Sound::Refused:
            return {{180, 0, 70, 0.1}, {150, 90, 90, 0.1}};
        case Sound::Won:
            return {{523, 0, 110}, {659, 100, 110}, {784, 200, 110}, {1047, 300, 260}};
        case Sound::Lost:
            return {{392, 0, 170}, {330, 160, 170}, {262, 320, 320}};
        case Sound::Drawn:
            return {{440, 0, 160}, {440, 200, 240}};
        case Sound::HintArrived:
            return {{1320, 0, 90}, {1760, 70, 180}};
    }
    return {};
}

constexpr double kLoudness = 0.3;  // of full scale, for the loudest tone
constexpr double kAttackMs = 4.0;

std::vector<double> Samples(const std::vector<Tone>& tones) {
    int endMs = 0;
    for (const Tone& tone : tones) {
        endMs = std::max(endMs, tone.startMs + tone.lengthMs);
    }
    std::vector<double> samples(static_cast<std::size_t>(endMs * kSoundSampleRate / 1000), 0.0);
    // A fixed seed: each sound is the same every time.
    std::mt19937 noise(7);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (const Tone& tone : tones) {
        // Whole samples: the tones' starts and lengths never reach past the end rounded down.
        const auto first = static_cast<std::size_t>(tone.startMs * kSoundSampleRate / 1000);
        const auto count = static_cast<std::size_t>(tone.lengthMs * kSoundSampleRate / 1000);
        for (std::size_t i = 0; i < count; ++i) {
            const double ms = 1000.0 * static_cast<double>(i) / kSoundSampleRate;
            // A quick rise, then a decay that has nearly died away by the tone's end.
            const double envelope =
                std::min(1.0, ms / kAttackMs) * std::exp(-5.0 * ms / tone.lengthMs);
            const double wave = std::sin(2.0 * std::numbers::pi * tone.frequency * ms / 1000.0);
            samples[first + i] += envelope * ((1.0 - tone.noise) * wave + tone.noise * unit(noise));
        }
    }
    return samples;
}

}  // namespace

QByteArray SoundWave(Sound sound) {
    const std::vector<double> samples = Samples(TonesOf(sound));
    constexpr quint16 kChannels = 1;
    constexpr quint16 kBits = 16;
    constexpr quint16 kBlockAlign = kChannels * kBits / 8;
    const auto dataSize = static_cast<quint32>(samples.size() * kBlockAlign);

    QByteArray wave;
    QDataStream out(&wave, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataSize);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << kChannels << quint32(kSoundSampleRate)
        << quint32(kSoundSampleRate * kBlockAlign) << kBlockAlign << kBits;
    out.writeRawData("data", 4);
    out << dataSize;
    for (const double sample : samples) {
        out << static_cast<qint16>(std::lround(std::clamp(sample * kLoudness, -1.0, 1.0) * 32767));
    }
    return wave;
}

}  // namespace morvane
