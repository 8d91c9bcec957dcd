#pragma once

#include <QTemporaryDir>
#include <array>
#include <memory>
#include <optional>

#include "shell/sound/sound_sink.h"

class QSoundEffect;

namespace morvane {

class SettingsStore;

// The program's sound player: plays the made sounds through Qt Multimedia while the stored
// sound toggle is on. Where the system offers no audio output (a headless run, a remote desktop)
// it does nothing at all: no error, no message, no wait. The sounds are written to a temporary
// folder the first time one is played.
class SoundBoard : public SoundSink {
public:
    explicit SoundBoard(const SettingsStore& store);
    ~SoundBoard() override;
    SoundBoard(const SoundBoard&) = delete;
    SoundBoard& operator=(const SoundBoard&) = delete;

    void Play(Sound sound) override;

    // Whether sounds can be heard at all; decided at the first Play.
    bool HasOutput() const { return hasOutput_.value_or(false); }

private:
    bool Ready();

    const SettingsStore& store_;
    std::optional<bool> hasOutput_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::array<std::unique_ptr<QSoundEffect>, kSounds.size()> effects_;
};

}  // namespace morvane
