#pragma once

#include <QByteArray>

#include "shell/sound/sound_sink.h"

namespace morvane {

// The sounds are made here, from a few tones with short envelopes: 16-bit mono PCM.
inline constexpr int kSoundSampleRate = 22050;

// The sound as a whole WAV file (RIFF header and PCM data).
QByteArray SoundWave(Sound sound);

}  // namespace morvane
